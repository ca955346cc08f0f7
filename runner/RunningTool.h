#pragma once
// One captured run of a tool: owns the process, passes on its text as whole
// lines in the order the streams deliver them, takes input for it, and says
// how it ended. It builds no widget; windows and tests listen to it.
#include "platform/Processes.h"
#include "runner/KeptTools.h"
#include "runner/LineAssembler.h"
#include "runner/Stream.h"
#include "runner/ToolOutcome.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTimer>

namespace runner {

class RunningTool : public QObject {
    Q_OBJECT
public:
    explicit RunningTool(QObject* parent = nullptr);
    ~RunningTool() override;

    // Starts the program directly (never through a shell). Without input the
    // tool reads the null device. False when it could not be started.
    bool Start(const platform::ProcessSpec& request, bool acceptsInput);
    // As Start, but a request without input goes to kept first when it takes
    // it; when kept fails the command runs, and only its text is shown.
    bool Start(const platform::ProcessSpec& request, bool acceptsInput, IKeptTools* kept);
    // The last run's answer came from the kept JVM.
    bool RanKept() const { return m_ranKept; }

    // One line for the tool's standard input (an LF is added).
    void SendInput(const QString& line);
    // The tool sees the end of its input.
    void CloseInput();
    // Ends the tool; the outcome says Aborted.
    void Abort();

    bool IsRunning() const { return m_running; }
    bool AcceptsInput() const { return m_running && m_inputOpen; }
    // Either stream has written at least one byte.
    bool HasOutput() const { return m_output.Total() + m_error.Total() > 0; }
    const ToolOutcome& Outcome() const { return m_outcome; }
    // Waits for the end without taking user input.
    void WaitForEnd();

Q_SIGNALS:
    // Whole lines, each ended by LF; a line that stays unfinished for a
    // moment (a prompt) comes without one, and the rest follows later.
    void TextArrived(const QString& lines, runner::Stream stream);
    void Finished(const runner::ToolOutcome& outcome);

private:
    void Read(Stream stream);
    void HandleFinished(int exitCode, QProcess::ExitStatus status);

    void ShowUnfinished();
    bool StartCommand(const platform::ProcessSpec& request, bool acceptsInput);
    void TakeAnswer(std::optional<KeptAnswer> answer);

    QProcess m_process;
    QTimer m_quiet;  // a line that waits this long (a prompt) is shown unfinished
    LineAssembler m_output;
    LineAssembler m_error;
    QElapsedTimer m_clock;
    ToolOutcome m_outcome;
    bool m_running = false;
    bool m_inputOpen = false;
    bool m_aborted = false;
    IKeptTools* m_kept = nullptr;  // while it holds the request
    platform::ProcessSpec m_request;
    bool m_ranKept = false;
};

}  // namespace runner
