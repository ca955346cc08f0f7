#include "runner/RunningTool.h"

#include <QEventLoop>

namespace runner {

namespace {

constexpr int kQuietMs = 150;

}  // namespace

RunningTool::RunningTool(QObject* parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, [this] { Read(Stream::Output); });
    connect(&m_process, &QProcess::readyReadStandardError, this, [this] { Read(Stream::Error); });
    connect(&m_process, &QProcess::finished, this, &RunningTool::HandleFinished);
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, &RunningTool::ShowUnfinished);
}

RunningTool::~RunningTool()
{
    if (m_kept != nullptr)
        m_kept->Drop();
    if (!m_running || m_kept != nullptr)
        return;
    m_process.disconnect(this);
    m_process.kill();
    m_process.waitForFinished(-1);
}

bool RunningTool::Start(const platform::ProcessSpec& request, bool acceptsInput)
{
    return Start(request, acceptsInput, nullptr);
}

bool RunningTool::Start(const platform::ProcessSpec& request, bool acceptsInput, IKeptTools* kept)
{
    m_output = LineAssembler();
    m_error = LineAssembler();
    m_outcome = {};
    m_aborted = false;
    m_ranKept = false;
    m_clock.start();
    if (kept != nullptr && !acceptsInput
        && kept->Take(request, [this](std::optional<KeptAnswer> answer) { TakeAnswer(std::move(answer)); })) {
        m_kept = kept;
        m_request = request;
        m_running = true;
        return true;
    }
    return StartCommand(request, acceptsInput);
}

bool RunningTool::StartCommand(const platform::ProcessSpec& request, bool acceptsInput)
{
    platform::Configure(m_process, request);  // null standard input
    platform::EndWithThisProgram(m_process);
    if (acceptsInput)
        m_process.setStandardInputFile(QString());  // back to a pipe the window writes to
    m_process.start();
    if (!m_process.waitForStarted(-1))
        return false;
    m_running = true;
    m_inputOpen = acceptsInput;
    return true;
}

void RunningTool::SendInput(const QString& line)
{
    if (AcceptsInput())
        m_process.write((line + QLatin1Char('\n')).toUtf8());
}

void RunningTool::CloseInput()
{
    if (!AcceptsInput())
        return;
    m_inputOpen = false;
    m_process.closeWriteChannel();
}

void RunningTool::Abort()
{
    if (!m_running)
        return;
    m_aborted = true;
    if (m_kept == nullptr) {
        m_process.kill();
        return;
    }
    m_kept->Drop();
    m_kept = nullptr;
    HandleFinished(-1, QProcess::CrashExit);
}

// The kept JVM's answer is shown as if the command had printed it; without
// one the command runs and nothing of the kept attempt shows.
void RunningTool::TakeAnswer(std::optional<KeptAnswer> answer)
{
    m_kept = nullptr;
    if (!answer) {
        m_running = false;
        if (!StartCommand(m_request, false)) {
            m_outcome.elapsedMs = m_clock.elapsed();
            m_outcome.status = ToolOutcome::Status::NotStarted;
            Q_EMIT Finished(m_outcome);
        }
        return;
    }
    m_ranKept = true;
    for (const Stream stream : {Stream::Output, Stream::Error}) {
        const QByteArray& bytes = stream == Stream::Error ? answer->error : answer->output;
        const QString lines = (stream == Stream::Error ? m_error : m_output).Push(bytes);
        if (!lines.isEmpty())
            Q_EMIT TextArrived(lines, stream);
    }
    HandleFinished(answer->exitCode, QProcess::NormalExit);
}

void RunningTool::WaitForEnd()
{
    if (!m_running)
        return;
    QEventLoop loop;
    connect(this, &RunningTool::Finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void RunningTool::Read(Stream stream)
{
    if (!m_process.isOpen())
        return;  // the kept JVM answered: no process ran
    const bool error = stream == Stream::Error;
    const QByteArray bytes = error ? m_process.readAllStandardError() : m_process.readAllStandardOutput();
    if (bytes.isEmpty())
        return;
    const QString lines = (error ? m_error : m_output).Push(bytes);
    if (!lines.isEmpty())
        Q_EMIT TextArrived(lines, stream);
    if (m_running)
        m_quiet.start();
}

void RunningTool::ShowUnfinished()
{
    for (const Stream stream : {Stream::Output, Stream::Error}) {
        const QString part = (stream == Stream::Error ? m_error : m_output).TakeUnfinished();
        if (!part.isEmpty())
            Q_EMIT TextArrived(part, stream);
    }
}

void RunningTool::HandleFinished(int exitCode, QProcess::ExitStatus status)
{
    Read(Stream::Output);
    Read(Stream::Error);
    for (const Stream stream : {Stream::Output, Stream::Error}) {
        const QString rest = (stream == Stream::Error ? m_error : m_output).Flush();
        if (!rest.isEmpty())
            Q_EMIT TextArrived(rest, stream);
    }
    m_quiet.stop();
    m_running = false;
    m_inputOpen = false;
    m_outcome.elapsedMs = m_clock.elapsed();
    m_outcome.exitCode = exitCode;
    m_outcome.status = m_aborted                       ? ToolOutcome::Status::Aborted
                       : status == QProcess::CrashExit ? ToolOutcome::Status::Crashed
                                                       : ToolOutcome::Status::Finished;
    Q_EMIT Finished(m_outcome);
}

}  // namespace runner
