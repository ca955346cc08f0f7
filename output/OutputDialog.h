#pragma once
// The window that shows what a captured tool wrote: the text can be read,
// changed, saved and copied; the window remembers its place ("MsgDlg").
// While a tool runs it shows the text as it arrives, sends typed lines to
// the tool's input and offers to stop the tool; the text itself lives in a
// OutputView.
#include "output/OutputView.h"
#include "output/SavedPlacement.h"
#include "resources/FormBuilder.h"
#include "runner/ToolOutcome.h"
#include "settings/SettingKeys.h"

#include <QDialog>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace output {

struct OutputControls;

class OutputDialog : public QDialog {
    Q_OBJECT
public:
    explicit OutputDialog(QWidget* parent = nullptr);
    // A window still open as the program ends keeps its place too.
    ~OutputDialog() override;

    // Lines separated by LF; CR characters are dropped when shown.
    void SetText(QString text);
    // The whole text, as the edit holds it or will hold it when filled in.
    QString Text() const;
    bool IsLoading() const { return m_view->IsLoading(); }

    // A tool's run: title names the command and the file; links resolve in
    // folder, hints know the run. Only a compiler's errors and warnings are
    // counted (a program may print lines that look like them).
    void BeginRun(const QString& title, const QString& commandLine, bool acceptsInput, const QString& folder,
                  output::HintContext hints = {}, bool countsDiagnostics = false);
    // Whole lines as the run delivers them.
    void AppendText(const QString& lines, runner::Stream stream);
    // Shows everything that arrived and how the run ended; the title says
    // that too, with the count of a compiler's errors and warnings.
    void EndRun(const runner::ToolOutcome& outcome, const QString& program = {});
    bool IsRunning() const { return m_running; }
    // Text that arrived and is not in the edit yet.
    bool HasUnshownText() const { return m_view->HasUnshown(); }
    // The line typed into the input line goes to the tool (and into the text).
    void SendInputLine();
    void CloseInput();
    int LinkCount() const { return m_view->LinkCount(); }

    // Where 保存 starts: the current file's folder.
    void SetSaveFolder(const QString& folder) { m_saveFolder = folder; }
    void OnSaveText();
    void OnCopyText();
    void LayoutControls();

    OutputView* Edit() const { return m_view; }
    QLineEdit* InputLine() const { return m_input; }
    QPushButton* AbortButton() const { return m_abort; }
    QPushButton* EndInputButton() const { return m_endInput; }
    QLabel* CommandLabel() const { return m_command; }

Q_SIGNALS:
    void AbortRequested();
    void InputEntered(const QString& line);
    void InputClosed();
    void LinkActivated(const QString& path, int line, int column);

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildView();
    void BuildRunControls();
    void UpdateMinimumSize();
    OutputControls Controls() const;
    void Close(int result);
    // Text typed into the output text goes to the input line.
    bool PassToInput(QKeyEvent* key);

    resources::Form m_form;
    OutputView* m_view = nullptr;
    output::SavedPlacement m_placement{this, settings::ini::MsgDlg::Section};
    QString m_pending;  // the text given before the window shows
    QString m_saveFolder;
    bool m_initialised = false;

    // The run.
    QLabel* m_command = nullptr;
    QPushButton* m_abort = nullptr;
    QLineEdit* m_input = nullptr;
    QPushButton* m_endInput = nullptr;
    QString m_title;
    bool m_running = false;
    bool m_live = false;  // the text comes from a run, not from SetText
    bool m_countsDiagnostics = false;
    bool m_closeWhenEnded = false;
};

}  // namespace output
