#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace platform {

QString ExecutableFolder()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    return WithTrailingSeparator(dir);
}

namespace {

QString Canonical(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

bool MayWriteIn(const QString& folder)
{
#ifdef Q_OS_WIN
    // Permissions on Windows are lists that only a try reads right.
    QTemporaryFile probe(folder + QStringLiteral("tarnwick-XXXXXX.tmp"));
    return probe.open();
#else
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
#endif
}

// Where the settings go when the program's folder is not the place.
QString UserSettingsFolder()
{
#ifdef Q_OS_WIN
    const QString appData = qEnvironmentVariable("APPDATA");
    return WithTrailingSeparator(appData.isEmpty() ? QDir::homePath() : QDir::fromNativeSeparators(appData))
           + QStringLiteral("Tarnwick/");
#else
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return WithTrailingSeparator(config) + QStringLiteral("tarnwick/");
#endif
}

}  // namespace

QString SettingsFolder()
{
    const QString forced = qEnvironmentVariable("TARNWICK_SETTINGS_DIR");
    if (!forced.isEmpty())
        return WithTrailingSeparator(forced);
#ifdef TARNWICK_INSTALL_BINDIR
    return SettingsFolderFor(ExecutableFolder(), QStringLiteral(TARNWICK_INSTALL_BINDIR));
#else
    return SettingsFolderFor(ExecutableFolder(), {});
#endif
}

QString SettingsFolderFor(const QString& programFolder, const QString& installBindir)
{
    QString beside = WithTrailingSeparator(programFolder);
    // An installed copy never writes beside itself, not even when it runs
    // with the rights to (root, or a prefix in the user's home).
    const bool system = beside.startsWith(QLatin1String("/usr/")) || beside == QLatin1String("/bin/")
                        || beside == QLatin1String("/sbin/");
    const bool installed = !installBindir.isEmpty() && Canonical(beside) == Canonical(installBindir);
    if (!system && !installed && MayWriteIn(beside))
        return beside;
    return UserSettingsFolder();
}

QString BypassedProgramFolder()
{
    QString program = ExecutableFolder();
    if (!qEnvironmentVariableIsEmpty("TARNWICK_SETTINGS_DIR") || Canonical(SettingsFolder()) == Canonical(program))
        return {};
    return program;
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

QString KeptToolsJar() { return AppletViewerFolder() + QStringLiteral("tarnwick-tools.jar"); }

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

QString ToolNameOf(const QString& program)
{
    const QString name = QFileInfo(program).fileName();
    return name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

QString ProgramSuffix()
{
#ifdef Q_OS_WIN
    return QStringLiteral("exe");
#else
    return {};
#endif
}

QString ExampleJdkToolFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\jdk1.3\\bin");
#else
    return QStringLiteral("/usr/lib/jvm/java-17-openjdk-amd64/bin");
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

QString TemporaryFolder()
{
#ifdef Q_OS_WIN
    return QDir::tempPath();  // TMP, else TEMP, else the Windows folder's
#endif
    QString fallback = QStringLiteral("/tmp");
    for (const QString& folder : {qEnvironmentVariable("TMPDIR"), fallback}) {
        const QFileInfo info(folder);
        if (!folder.isEmpty() && info.isDir() && info.isWritable())
            return info.canonicalFilePath();
    }
    return fallback;
}

QString WithoutTrailingSeparator(const QString& folder)
{
    if (folder.size() > 1 && folder.endsWith(kSeparator))
        return folder.left(folder.size() - 1);
    return folder;
}

}  // namespace platform
