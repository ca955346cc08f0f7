#pragma once
// The window that shows what a captured tool wrote: the text can be read,
// changed, saved and copied; the window remembers its place ("MsgDlg").
// Long texts appear at once and fill in while the user already reads.
#include "resources/FormBuilder.h"

#include <QDialog>

class QPlainTextEdit;

class COutputDialog : public QDialog {
    Q_OBJECT
public:
    explicit COutputDialog(QWidget* parent = nullptr);

    // Lines separated by LF; CR characters are dropped when shown.
    void SetText(QString text);
    // The whole text, as the edit holds it or will hold it when filled in.
    QString Text() const;
    bool IsLoading() const { return m_loaded < m_pending.size(); }

    void OnSaveText();
    void OnCopyText();
    void LayoutControls();

    QPlainTextEdit* Edit() const { return m_edit; }

    // Every CR removed: each LF is one line break in the edit.
    static QString NormalizeLineBreaks(QString text);
    // The bytes that Save writes: UTF-8 with CR LF line breaks.
    static QByteArray SavedBytes(const QString& text);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RestorePlacement();
    void StorePlacement();
    void OnInitDialog();
    void LoadNextPart();
    qsizetype PartEnd(qsizetype from, qsizetype length) const;

    CForm m_form;
    QPlainTextEdit* m_edit = nullptr;
    QString m_pending;  // the text while it is put into the edit
    qsizetype m_loaded = 0;
    bool m_initialised = false;
};
