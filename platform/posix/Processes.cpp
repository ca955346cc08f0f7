// POSIX: the locale for the tools, output into files, and programs that
// end with Tarnwick through the parent-death signal and process groups.
#include "platform/Processes.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <locale.h>  // NOLINT(modernize-deprecated-headers): newlocale is POSIX, not C++
#include <sys/prctl.h>
#include <unistd.h>

namespace platform {

namespace {

// The locale that decides the character set, as the C library picks it.
QString CharacterLocale(const QProcessEnvironment& env)
{
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        if (QString value = env.value(QLatin1String(name)); !value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

bool IsUtf8Name(const QString& locale)
{
    const QString codeset = locale.section(QLatin1Char('.'), 1).section(QLatin1Char('@'), 0, 0);
    return codeset.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0
           || codeset.compare(QLatin1String("utf8"), Qt::CaseInsensitive) == 0;
}

bool IsInstalled(const QString& locale)
{
    const locale_t handle = ::newlocale(LC_CTYPE_MASK, locale.toLocal8Bit().constData(), locale_t(nullptr));
    if (!handle)
        return false;
    ::freelocale(handle);
    return true;
}

// An installed UTF-8 locale, the user's language first; empty when none is.
QString InstalledUtf8Locale(const QString& userLocale)
{
    const QString language = userLocale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    QStringList candidates{QStringLiteral("C.UTF-8"), QStringLiteral("C.utf8"), QStringLiteral("en_US.UTF-8")};
    if (language != QLatin1String("C") && language != QLatin1String("POSIX") && !language.isEmpty())
        candidates.prepend(language + QStringLiteral(".UTF-8"));
    for (const QString& candidate : candidates) {
        if (IsInstalled(candidate))
            return candidate;
    }
    return {};
}

}  // namespace

void WriteOutputTo(QProcess& process, const QFileDevice& output, const QFileDevice& error)
{
    const int outputHandle = output.handle();
    const int errorHandle = error.handle();
    // Runs in the child between fork and exec: only async-signal-safe calls.
    process.setChildProcessModifier([outputHandle, errorHandle] {
        ::dup2(outputHandle, STDOUT_FILENO);
        ::dup2(errorHandle, STDERR_FILENO);
    });
}

namespace {

// Runs in the child between fork and exec: only async-signal-safe calls. A
// parent that died before prctl took effect leaves the child to init, so it
// goes at once.
void DieWithParent(pid_t parent)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
}

}  // namespace

void EndWithThisProgram(QProcess& process)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] { DieWithParent(parent); });
}

void EndWithThisProgramInGroup(QProcess& process)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::setpgid(0, 0);
        DieWithParent(parent);
    });
}

void EndProcessGroup(qint64 pid)
{
    // Never 0 or 1: kill(0) and kill(-1) would reach this program's group or every process.
    if (pid > 1)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
}

std::optional<qint64> StandardInputPosition(qint64 pid)
{
    QFile info(QStringLiteral("/proc/%1/fdinfo/0").arg(pid));
    if (!info.open(QIODevice::ReadOnly))
        return std::nullopt;
    // "pos:\t1234" is the first line.
    for (const QByteArray& line : info.readAll().split('\n')) {
        if (line.startsWith("pos:")) {
            bool ok = false;
            const qint64 position = line.mid(4).trimmed().toLongLong(&ok);
            return ok ? std::optional<qint64>(position) : std::nullopt;
        }
    }
    return std::nullopt;
}

QProcessEnvironment WithUtf8Locale(QProcessEnvironment env)
{
    // A locale that is not installed falls back to ASCII in the C library,
    // whatever its name says.
    const QString user = CharacterLocale(env);
    if (IsUtf8Name(user) && IsInstalled(user))
        return env;
    if (const QString utf8 = InstalledUtf8Locale(user); !utf8.isEmpty())
        env.insert(QStringLiteral("LC_ALL"), utf8);
    return env;
}

bool StartDetached(const ProcessSpec& request)
{
    QProcess process;
    Configure(process, request);
    return process.startDetached();
}

}  // namespace platform
