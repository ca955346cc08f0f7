#pragma once
// One case run: the program with the case's input on its standard input, its
// standard output and standard error captured apart, ended with every
// process it started at the time limit or at the output limit.
#include "judge/CaseResult.h"
#include "platform/Processes.h"
#include "runner/CapturedText.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTimer>

#include <memory>

class QTemporaryFile;

namespace judge {

struct RunLimits {
    int timeLimitMs = 2000;
    qint64 outputLimit = runner::kStreamLimit;  // bytes per stream
};

class CaseRun : public QObject {
    Q_OBJECT
public:
    explicit CaseRun(QObject* parent = nullptr);
    ~CaseRun() override;  // ends the program and every process it started

    // Starts program with input as its standard input. False (and the result
    // says why, verdict NotRun) when it could not start. The verdict is left
    // Pending for a run that ended by itself with exit code 0 and no
    // uncaught exception: the caller compares. TimeLimit, RuntimeError (an
    // exit code other than 0, "Exception in thread", a crash) and
    // WrongAnswer (stopped at the output limit, outputCut) are set here; an
    // aborted run stays Pending.
    bool Start(const platform::ProcessSpec& program, const QByteArray& input, const RunLimits& limits);
    void Abort();
    bool IsRunning() const;
    const CaseResult& Result() const { return m_result; }

Q_SIGNALS:
    void Finished();

private:
    void Read(QProcess::ProcessChannel channel);
    void TimeUp();
    void Stop();
    void HandleFinished(int exitCode, QProcess::ExitStatus status);
    void SetVerdict(int exitCode, QProcess::ExitStatus status);

    // The input is a file, not a pipe: a program that never reads it blocks
    // nobody, and where it has read to can be asked at a time limit.
    std::unique_ptr<QTemporaryFile> m_inputFile;
    QProcess m_process;
    QTimer m_limit;
    QElapsedTimer m_clock;
    RunLimits m_limits;
    QByteArray m_output;
    QByteArray m_error;
    qint64 m_inputSize = 0;
    qint64 m_pid = 0;  // the process group to end, kept past the process's own end
    CaseResult m_result;
    bool m_timedOut = false;
    bool m_aborted = false;
    bool m_stopped = false;
};

}  // namespace judge
