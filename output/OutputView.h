#pragma once
// The text area of the output window: a monospaced plain text edit that
// takes a tool's text as it arrives and hands it to its formatter in short
// slices (a tool's lines stay one line each, hints wrap at the view's
// width), keeps the end in view while the user stays there, opens the links
// that are clicked, and loads a long finished text in parts. The tool's own
// text is never changed, apart from its CRs: each LF is one line break.
#include "output/OutputFormatter.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace output {

class OutputView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit OutputView(QWidget* parent = nullptr);

    // A finished text: its start shows at once, the rest follows in parts.
    void LoadText(QString text);
    bool IsLoading() const { return m_loaded < m_pending.size(); }

    // The text of a run from here on is marked up; links resolve in the
    // context's folder.
    void BeginMarkup(output::HintContext context, QList<output::HintRule> rules = output::LearnerHintRules());
    // Whole lines, or a piece of a line that goes on later; shown from the
    // event loop in short slices.
    void Append(QString text, runner::Stream stream);
    // Shows all that arrived, then the hints that waited for the streams' end.
    void EndStreams();
    void ShowArrived(bool all);
    bool HasUnshown() const { return !m_arrived.isEmpty(); }

    // The whole text, also what is not in the edit yet.
    QString Text() const;
    int Errors() const { return m_formatter.Errors(); }
    int Warnings() const { return m_formatter.Warnings(); }
    int LinkCount() const { return m_formatter.LinkCount(); }
    // Puts the cursor at the start and shows it; the view stops following.
    void ShowStart();
    // Whether the end stays in view as text arrives.
    bool IsFollowing() const { return m_following; }
    // Opens a link by its anchor (see anchorAt).
    void ActivateLink(const QString& anchor);

Q_SIGNALS:
    void LinkActivated(const QString& path, int line, int column);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Chunk {
        QString text;
        runner::Stream stream;
    };
    void KeepEnd();
    void LoadNextPart();
    qsizetype PartEnd(qsizetype from, qsizetype length) const;

    QString m_pending;  // a finished text while it goes in
    qsizetype m_loaded = 0;

    output::OutputFormatter m_formatter;
    QList<Chunk> m_arrived;  // not in the edit yet
    QTimer m_showTimer;
    bool m_following = true;
    bool m_userMoving = false;  // a key or mouse button is being handled
};

}  // namespace output
