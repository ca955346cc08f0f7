#include "platform/DesktopOpen.h"

#include "platform/Processes.h"
#include "platform/TextEditors.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMimeDatabase>
#include <QProcess>
#include <QTimer>

namespace platform {

namespace {

// What a handler receives: a local file as its path, an address as it is.
QString Argument(const QUrl& target)
{
    return target.isLocalFile() ? target.toLocalFile() : QString::fromUtf8(target.toEncoded());
}

// The type whose default application opens the target. Only the type
// itself: the default for a parent type (text/plain for an HTML page) is no
// way to show it; xdg-open applies the desktop's own rules after.
QString HandlerType(const QUrl& target)
{
    if (!target.isLocalFile())
        return QStringLiteral("x-scheme-handler/") + target.scheme();
    return QMimeDatabase().mimeTypeForFile(target.toLocalFile()).name();
}

QProcessEnvironment OpenerEnvironment(const DesktopEnvironment& env)
{
    QProcessEnvironment vars = QProcessEnvironment::systemEnvironment();
    vars.insert(QStringLiteral("PATH"), env.path.join(QLatin1Char(':')));
    vars.insert(QStringLiteral("XDG_CONFIG_HOME"), env.configHome);
    vars.insert(QStringLiteral("XDG_CONFIG_DIRS"), env.configDirs.join(QLatin1Char(':')));
    vars.insert(QStringLiteral("XDG_DATA_HOME"), env.dataHome);
    vars.insert(QStringLiteral("XDG_DATA_DIRS"), env.dataDirs.join(QLatin1Char(':')));
    return vars;
}

}  // namespace

std::optional<ProcessSpec> DesktopApplicationFor(const QUrl& target, const DesktopEnvironment& env)
{
    return DefaultApplicationFor(HandlerType(target), Argument(target), env);
}

bool OpenWithDesktop(const QUrl& target, const DesktopEnvironment& env)
{
    if (const auto request = DesktopApplicationFor(target, env))
        return StartDetached(*request);
    return RunOpener(target, env);
}

bool RunOpener(const QUrl& target, const DesktopEnvironment& env, std::chrono::milliseconds limit)
{
    const QString opener = FindProgram(QStringLiteral("xdg-open"), env);
    if (opener.isEmpty())
        return false;
    // Owned by the application, so that an opener still running at the
    // limit goes on and is reaped when it ends.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->setProcessEnvironment(OpenerEnvironment(env));
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(opener, {Argument(target)});
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    bool ended = false;
    bool succeeded = false;
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, [&](int exitCode, QProcess::ExitStatus status) {
        ended = true;
        succeeded = status == QProcess::NormalExit && exitCode == 0;
        loop.quit();
    });
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return !ended || succeeded;
}

}  // namespace platform
