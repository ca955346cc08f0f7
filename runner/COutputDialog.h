#pragma once
// The window that shows what a captured tool wrote: the text can be read,
// changed, saved and copied; the window remembers its place ("MsgDlg").
// Long texts appear at once and fill in while the user already reads.
// While a tool runs the window shows its text as it arrives (errors in
// colour), sends typed lines to its input, offers to stop it, and links
// compiler messages and stack frames to their source lines.
#include "resources/FormBuilder.h"
#include "runner/OutputLinks.h"
#include "runner/RunningTool.h"

#include <QDialog>
#include <QHash>
#include <QTextCharFormat>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class COutputDialog : public QDialog {
    Q_OBJECT
public:
    explicit COutputDialog(QWidget* parent = nullptr);

    // Lines separated by LF; CR characters are dropped when shown.
    void SetText(QString text);
    // The whole text, as the edit holds it or will hold it when filled in.
    QString Text() const;
    bool IsLoading() const { return m_loaded < m_pending.size(); }

    // A tool's run: title names the command and the file; links resolve in folder.
    void BeginRun(const QString& title, const QString& commandLine, bool acceptsInput, const QString& folder);
    // Whole lines as the run delivers them.
    void AppendText(const QString& lines, runner::Stream stream);
    // Shows everything that arrived, the count of errors and warnings and how the run ended.
    void EndRun(const runner::ToolOutcome& outcome, const QString& program = {});
    bool IsRunning() const { return m_running; }
    // Text that arrived and is not in the edit yet.
    bool HasUnshownText() const { return !m_arrived.isEmpty(); }
    // The line typed into the input line goes to the tool (and into the text).
    void SendInputLine();
    void CloseInput();
    // Opens a link by its anchor (see the edit's anchorAt).
    void ActivateLink(const QString& anchor);
    int LinkCount() const { return static_cast<int>(m_links.size()); }

    void OnSaveText();
    void OnCopyText();
    void LayoutControls();

    QPlainTextEdit* Edit() const { return m_edit; }
    QLineEdit* InputLine() const { return m_input; }
    QPushButton* AbortButton() const { return m_abort; }
    QPushButton* EndInputButton() const { return m_endInput; }
    QLabel* CommandLabel() const { return m_command; }

    // Every CR removed: each LF is one line break in the edit.
    static QString NormalizeLineBreaks(QString text);
    // The bytes that Save writes: UTF-8 with CR LF line breaks.
    static QByteArray SavedBytes(const QString& text);

signals:
    void AbortRequested();
    void InputEntered(const QString& line);
    void InputClosed();
    void LinkActivated(const QString& path, int line);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Chunk {
        QString text;
        runner::Stream stream;
    };
    void BuildRunControls();
    void RestorePlacement();
    void StorePlacement();
    void FitRestoredFrame();
    QRect OnScreen(QRect outer) const;
    void OnInitDialog();
    void LoadNextPart();
    qsizetype PartEnd(qsizetype from, qsizetype length) const;
    void ShowArrived(bool all);
    void InsertChunk(const Chunk& chunk);
    QString Counted(const runner::SourceLink& link);
    void Count(std::optional<runner::SourceLink::Kind> kind);
    QTextCharFormat LinkFormat(const QTextCharFormat& format, const QString& path, int line);
    static QString ResolveLink(const QStringList& candidates);
    const QTextCharFormat& FormatOf(runner::Stream stream) const;

    CForm m_form;
    QPlainTextEdit* m_edit = nullptr;
    QString m_pending;  // the text while it is put into the edit
    qsizetype m_loaded = 0;
    bool m_initialised = false;
    QSize m_frame;     // frame size used to restore the stored rectangle
    QRect m_restored;  // the stored outer rectangle, when there was one

    // The run.
    QLabel* m_command = nullptr;
    QPushButton* m_abort = nullptr;
    QLineEdit* m_input = nullptr;
    QPushButton* m_endInput = nullptr;
    QString m_title;
    QString m_folder;
    bool m_running = false;
    bool m_live = false;  // the text comes from a run, not from SetText
    bool m_closeWhenEnded = false;
    QList<Chunk> m_arrived;  // not yet in the edit
    QTimer m_showTimer;
    QTextCharFormat m_formats[3];
    QList<std::pair<QString, int>> m_links;  // path, line
    QHash<QString, QString> m_resolved;      // package/file: the path, or empty
    int m_errors = 0;
    int m_warnings = 0;
};
