#include "judge/CaseRun.h"

#include <QTemporaryFile>

namespace judge {

namespace {

QString SizeText(qint64 bytes)
{
    constexpr qint64 kMiB = qint64(1) << 20;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return QStringLiteral("%1 MiB").arg(bytes / kMiB);
    return QStringLiteral("%1 バイト").arg(bytes);
}

}  // namespace

CaseRun::CaseRun(QObject* parent)
    : QObject(parent)
{
    m_limit.setSingleShot(true);
    m_limit.setTimerType(Qt::PreciseTimer);
    connect(&m_limit, &QTimer::timeout, this, &CaseRun::TimeUp);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, [this] { Read(QProcess::StandardOutput); });
    connect(&m_process, &QProcess::readyReadStandardError, this, [this] { Read(QProcess::StandardError); });
    connect(&m_process, &QProcess::finished, this, &CaseRun::HandleFinished);
}

CaseRun::~CaseRun()
{
    // The process's own end would call back into members already gone.
    disconnect(&m_process, nullptr, this, nullptr);
    if (m_process.state() != QProcess::NotRunning) {
        Stop();
        m_process.waitForFinished(5000);
    }
}

bool CaseRun::Start(const platform::ProcessSpec& program, const QByteArray& input, const RunLimits& limits)
{
    m_limits = limits;
    m_result = {};
    m_output.clear();
    m_error.clear();
    m_timedOut = m_aborted = m_stopped = false;
    m_inputSize = input.size();
    m_inputFile = std::make_unique<QTemporaryFile>();
    if (!m_inputFile->open() || m_inputFile->write(input) != input.size() || !m_inputFile->flush()) {
        m_result.verdict = Verdict::NotRun;
        m_result.message = QStringLiteral("入力を一時ファイルに書けません: %1").arg(m_inputFile->errorString());
        return false;
    }
    platform::Configure(m_process, program);
    m_process.setStandardInputFile(m_inputFile->fileName());
    platform::EndWithThisProgramInGroup(m_process);
    m_clock.start();
    m_process.start();
    if (!m_process.waitForStarted(-1)) {
        m_result.verdict = Verdict::NotRun;
        m_result.message = QStringLiteral("%1 を起動できません: %2").arg(program.program, m_process.errorString());
        return false;
    }
    m_pid = m_process.processId();
    m_limit.start(std::max(0, limits.timeLimitMs - int(m_clock.elapsed())));
    return true;
}

void CaseRun::Abort()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_aborted = true;
    Stop();
}

bool CaseRun::IsRunning() const { return m_process.state() != QProcess::NotRunning; }

void CaseRun::Read(QProcess::ProcessChannel channel)
{
    m_process.setReadChannel(channel);
    const QByteArray piece = m_process.readAll();
    if (m_result.outputCut)
        return;
    QByteArray& bytes = channel == QProcess::StandardOutput ? m_output : m_error;
    bytes += piece;
    if (bytes.size() <= m_limits.outputLimit)
        return;
    bytes.truncate(m_limits.outputLimit);
    m_result.outputCut = true;
    m_result.message = QStringLiteral("出力が %1 を超えたので止めました").arg(SizeText(m_limits.outputLimit));
    Stop();
}

void CaseRun::TimeUp()
{
    if (m_stopped || m_process.state() == QProcess::NotRunning)
        return;
    m_timedOut = true;
    // Asked before the kill: afterwards there is no process to ask.
    const std::optional<qint64> position = platform::StandardInputPosition(m_pid);
    m_result.inputExhausted = m_inputSize > 0 && position && *position >= m_inputSize;
    Stop();
}

void CaseRun::Stop()
{
    m_stopped = true;
    m_limit.stop();
    platform::EndProcessGroup(m_pid);
    m_process.kill();
}

void CaseRun::HandleFinished(int exitCode, QProcess::ExitStatus status)
{
    m_result.elapsedMs = m_clock.elapsed();
    m_limit.stop();
    Read(QProcess::StandardOutput);
    Read(QProcess::StandardError);
    // What the program started and left behind goes with it.
    platform::EndProcessGroup(m_pid);
    m_pid = 0;
    m_inputFile.reset();
    m_result.output = QString::fromUtf8(m_output);
    m_result.error = QString::fromUtf8(m_error);
    m_output.clear();
    m_error.clear();
    SetVerdict(exitCode, status);
    Q_EMIT Finished();
}

void CaseRun::SetVerdict(int exitCode, QProcess::ExitStatus status)
{
    if (m_aborted)
        return;
    if (m_timedOut) {
        m_result.verdict = Verdict::TimeLimit;
    } else if (m_result.outputCut) {
        m_result.verdict = Verdict::WrongAnswer;
    } else if (status == QProcess::CrashExit) {
        m_result.crashed = true;
        m_result.verdict = Verdict::RuntimeError;
        m_result.message = QStringLiteral("プログラムが異常終了しました");
    } else {
        m_result.exitCode = exitCode;
        // An exception in a thread other than main leaves the exit code 0.
        if (exitCode != 0 || m_result.error.contains(QLatin1String("Exception in thread ")))
            m_result.verdict = Verdict::RuntimeError;
    }
}

}  // namespace judge
