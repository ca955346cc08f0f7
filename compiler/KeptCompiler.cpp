#include "compiler/KeptCompiler.h"

#include "compiler/KeptFrames.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace compiler {

namespace {

const QStringList& KeptToolNames()
{
    static const QStringList names{QStringLiteral("javac"), QStringLiteral("javadoc"), QStringLiteral("jar")};
    return names;
}

// A heap bound, the serial collector and the quick compiler alone keep a
// tool's JVM small (and were measured as fast); the class data archive
// shortens its start.
QStringList JvmArguments(const QString& jar, int heapMb)
{
    return {QStringLiteral("-Xmx%1m").arg(heapMb),
            QStringLiteral("-XX:+UseSerialGC"),
            QStringLiteral("-XX:TieredStopAtLevel=1"),
            QStringLiteral("-Xshare:auto"),
            QStringLiteral("-cp"),
            jar,
            QStringLiteral("tarnwick.tools.KeptTools")};
}

}  // namespace

bool IsEligible(const platform::ProcessSpec& request)
{
    if (!KeptToolNames().contains(platform::ToolNameOf(request.program)))
        return false;
    return std::none_of(request.arguments.begin(), request.arguments.end(), [](const QString& argument) {
        return argument.startsWith(QLatin1String("-J")) || argument.startsWith(QLatin1Char('@'));
    });
}

KeptCompiler::KeptCompiler(QString jar, QObject* parent)
    : KeptCompiler(std::move(jar), Limits{}, parent)
{}

KeptCompiler::KeptCompiler(QString jar, Limits limits, QObject* parent)
    : QObject(parent)
    , m_jar(QFileInfo(jar).absoluteFilePath())  // the JVM works in another folder
    , m_limits(limits)
{
    m_idle.setSingleShot(true);
    m_hang.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &KeptCompiler::End);
    connect(&m_hang, &QTimer::timeout, this, &KeptCompiler::End);
}

KeptCompiler::~KeptCompiler()
{
    m_done = nullptr;
    End();
}

qint64 KeptCompiler::ProcessId() const { return m_process ? m_process->processId() : 0; }

void KeptCompiler::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        End();
}

void KeptCompiler::Prepare(const QString& jdkFolder, const QString& folder)
{
    const QString jdk = QDir::cleanPath(jdkFolder);
    const QString place = QDir::cleanPath(folder);
    if (m_state != State::Off && jdk == m_jdk && place == m_folder)
        return;
    End();
    const QString java = QDir(jdk).filePath(platform::ToolFileName(QStringLiteral("java.exe")));
    if (!m_enabled || jdkFolder.isEmpty() || folder.isEmpty() || !platform::IsStartable(java)
        || !QFileInfo::exists(m_jar))
        return;
    m_jdk = jdk;
    m_folder = place;
    m_received.clear();
    m_process = std::make_unique<QProcess>();
    // The same locale as the commands, so messages and encodings agree.
    platform::Configure(*m_process, {java, JvmArguments(m_jar, m_limits.heapMb), place, true});
    m_process->setStandardInputFile(QString());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    platform::EndWithThisProgram(*m_process);
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this, &KeptCompiler::Read);
    connect(m_process.get(), &QProcess::finished, this, &KeptCompiler::Stopped);
    connect(m_process.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Stopped();
    });
    m_state = State::Starting;
    m_process->start();  // in the background: its greeting says when it is ready
    m_hang.start(m_limits.startMs);
}

void KeptCompiler::End()
{
    m_idle.stop();
    m_hang.stop();
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(-1);
        m_process.reset();
    }
    m_state = State::Off;
    GiveBack();
}

// The request held goes back to its caller, from the event loop, unless the
// caller drops it first (it may be aborted or gone by then).
void KeptCompiler::GiveBack()
{
    if (!m_done)
        return;
    QTimer::singleShot(0, this, [this, request = m_requests] {
        if (!m_done || request != m_requests)
            return;
        runner::KeptDone done = std::move(m_done);
        m_done = nullptr;
        done(std::nullopt);
    });
}

void KeptCompiler::Stopped()
{
    if (m_process)
        m_process.release()->deleteLater();
    End();
}

bool KeptCompiler::Take(const platform::ProcessSpec& request, runner::KeptDone done)
{
    if (!m_enabled || !IsEligible(request) || QDir::cleanPath(QFileInfo(request.program).absolutePath()) != m_jdk
        || QDir::cleanPath(request.workingFolder) != m_folder)
        return false;
    if (m_state == State::Starting) {
        // The command runs now and would share the cores with a starting JVM:
        // it ends, and starts again when the command is done.
        End();
        return false;
    }
    if (m_state != State::Ready)
        return false;
    QStringList strings{platform::ToolNameOf(request.program)};
    strings += request.arguments;
    m_process->write(EncodeRequest(strings));
    m_done = std::move(done);
    ++m_requests;
    m_state = State::Busy;
    m_idle.stop();
    m_hang.start(m_limits.requestMs);
    return true;
}

void KeptCompiler::Drop()
{
    m_done = nullptr;
    if (m_state == State::Busy)
        End();  // the tool cannot be stopped inside the JVM
}

void KeptCompiler::Read()
{
    m_received += m_process->readAllStandardOutput();
    if (m_state == State::Starting && !m_received.isEmpty()) {
        if (m_received.front() != kGreeting) {
            End();
            return;
        }
        m_received.remove(0, 1);
        m_state = State::Ready;
        m_hang.stop();
        m_idle.start(m_limits.idleMs);  // unused from now on
        Q_EMIT Ready();
    }
    if (m_state == State::Busy)
        ReadAnswer();
}

bool KeptCompiler::ReadAnswer()
{
    const std::optional<DecodedAnswer> decoded = DecodeAnswer(m_received);
    if (!decoded)
        return false;  // more to come
    m_received.remove(0, decoded->size);
    m_hang.stop();
    if (!decoded->answer) {
        End();  // out of memory or broken: a fresh JVM next time
        return true;
    }
    m_state = State::Ready;
    m_idle.start(m_limits.idleMs);
    runner::KeptDone done = std::move(m_done);
    m_done = nullptr;
    if (done)
        done(decoded->answer);
    return true;
}

}  // namespace compiler
