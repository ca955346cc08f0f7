#include "platform/DesktopEnvironment.h"

#include "platform/Processes.h"

#include <QDir>

namespace platform {

namespace {

QStringList SplitList(const QString& value, const QStringList& fallback)
{
    const QStringList parts = value.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return parts.isEmpty() ? fallback : parts;
}

QString OrDefault(const QString& value, const QString& fallback) { return value.isEmpty() ? fallback : value; }

}  // namespace

DesktopEnvironment CurrentDesktopEnvironment()
{
    const QString home = QDir::homePath();
    DesktopEnvironment env;
    env.terminal = qEnvironmentVariable("TERMINAL");
    env.visual = qEnvironmentVariable("VISUAL");
    env.editor = qEnvironmentVariable("EDITOR");
    // PATH lists folders with the system's separator (";" on Windows, where
    // a folder has a drive's colon).
    for (const QString& folder : qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        env.path << QDir::fromNativeSeparators(folder);
    env.configHome = OrDefault(qEnvironmentVariable("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.configDirs = SplitList(qEnvironmentVariable("XDG_CONFIG_DIRS"), {QStringLiteral("/etc/xdg")});
    env.dataHome = OrDefault(qEnvironmentVariable("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.dataDirs = SplitList(qEnvironmentVariable("XDG_DATA_DIRS"),
                             {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
    env.desktops = SplitList(qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower(), {});
    return env;
}

QString FindProgram(const QString& name, const DesktopEnvironment& env)
{
    if (name.isEmpty())
        return {};
    if (name.contains(QLatin1Char('/')) || name.contains(QDir::separator()))
        return IsStartable(name) ? name : QString();
    for (const QString& folder : env.path) {
        QString candidate = QDir(folder).filePath(name);
        if (IsStartable(candidate))
            return candidate;
    }
    return {};
}

}  // namespace platform
