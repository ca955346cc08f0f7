#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace platform {

QString ExecutableFolder()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    return WithTrailingSeparator(dir);
}

QString SettingsFolder()
{
    const QString forced = qEnvironmentVariable("TARNWICK_SETTINGS_DIR");
    if (!forced.isEmpty())
        return WithTrailingSeparator(forced);
    QString beside = ExecutableFolder();
    // An installed program never writes into the system's folders, not even
    // when it runs with the rights to.
    const bool system = beside.startsWith(QLatin1String("/usr/")) || beside == QLatin1String("/bin/")
                        || beside == QLatin1String("/sbin/");
    if (!system && ::access(QFile::encodeName(beside).constData(), W_OK) == 0)
        return beside;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return WithTrailingSeparator(config) + QStringLiteral("tarnwick/");
}

QString HelpPagePath()
{
    QString beside = ExecutableFolder() + QStringLiteral("help/index.html");
#ifdef TARNWICK_DATA_FROM_BIN
    if (!QFileInfo::exists(beside))
        return QDir::cleanPath(ExecutableFolder() + QStringLiteral(TARNWICK_DATA_FROM_BIN "/help/index.html"));
#endif
    return beside;
}

QString AppletViewerFolder()
{
    const QString forced = qEnvironmentVariable("TARNWICK_APPLETVIEWER_DIR");
    if (!forced.isEmpty())
        return WithTrailingSeparator(forced);
    QString beside = ExecutableFolder() + QStringLiteral("appletviewer/");
#ifdef TARNWICK_DATA_FROM_BIN
    if (!QFileInfo::exists(beside))
        return WithTrailingSeparator(
            QDir::cleanPath(ExecutableFolder() + QStringLiteral(TARNWICK_DATA_FROM_BIN "/appletviewer")));
#endif
    return beside;
}

QString AppletViewerJar() { return AppletViewerFolder() + QStringLiteral("tarnwick-appletviewer.jar"); }

QString AppletApiJar() { return AppletViewerFolder() + QStringLiteral("applet-api.jar"); }

QString ToolFileName(const QString& classicName)
{
#ifdef Q_OS_WIN
    return classicName;
#else
    if (classicName.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return classicName.left(classicName.size() - 4);
    return classicName;
#endif
}

QChar ClassPathSeparator()
{
#ifdef Q_OS_WIN
    return QLatin1Char(';');
#else
    return QLatin1Char(':');
#endif
}

QString ToClassPathList(const QString& entries)
{
    QString list = entries;
    list.replace(QLatin1Char(';'), ClassPathSeparator());
    return list;
}

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.endsWith(kSeparator))
        return folder;
    return folder + kSeparator;
}

QString WithoutTrailingSeparator(const QString& folder)
{
    if (folder.size() > 1 && folder.endsWith(kSeparator))
        return folder.left(folder.size() - 1);
    return folder;
}

}  // namespace platform
