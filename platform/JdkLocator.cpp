#include "platform/JdkLocator.h"

#include "platform/Paths.h"
#ifdef Q_OS_WIN
#include "platform/windows/JdkRegistry.h"
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QVersionNumber>

namespace platform {

namespace {

bool IsExecutableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

bool HoldsJavaAndJavac(const QString& folder)
{
    const QString dir = WithTrailingSeparator(folder);
    return IsExecutableFile(dir + ToolFileName(QStringLiteral("java.exe")))
           && IsExecutableFile(dir + ToolFileName(QStringLiteral("javac.exe")));
}

std::optional<QString> FromJavaHome(const QString& javaHome)
{
    if (javaHome.isEmpty())
        return {};
    const QString bin = WithTrailingSeparator(javaHome) + QStringLiteral("bin/");
    if (HoldsJavaAndJavac(bin))
        return bin;
    return {};
}

std::optional<QString> FromPath(const QString& path)
{
    const QString javac = ToolFileName(QStringLiteral("javac.exe"));
    for (const QString& entry : path.split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        const QString candidate = WithTrailingSeparator(entry) + javac;
        if (!IsExecutableFile(candidate))
            continue;
        const QString resolved = QFileInfo(candidate).canonicalFilePath();
        const QString folder = QFileInfo(resolved).absolutePath();
        if (HoldsJavaAndJavac(folder))
            return WithTrailingSeparator(folder);
    }
    return {};
}

QVersionNumber VersionOf(const QString& jdkHome)
{
    const auto version = ReadJdkVersion(WithTrailingSeparator(jdkHome) + QStringLiteral("bin/"));
    if (version)
        return QVersionNumber::fromString(*version);
    // Without a release file, the folder name's first number (java-17-...).
    static const QRegularExpression number(QStringLiteral("(\\d+(\\.\\d+)*)"));
    const auto match = number.match(QFileInfo(jdkHome).fileName());
    return match.hasMatch() ? QVersionNumber::fromString(match.captured(1)) : QVersionNumber();
}

std::optional<QString> FromJvmRoot(const QString& root)
{
    if (root.isEmpty())
        return {};
    const QDir dir(root);
    std::optional<QString> best;
    QVersionNumber bestVersion;
    const auto entries = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString bin = WithTrailingSeparator(entry.absoluteFilePath()) + QStringLiteral("bin/");
        if (!HoldsJavaAndJavac(bin))
            continue;
        const QVersionNumber version = VersionOf(entry.absoluteFilePath());
        if (!best || QVersionNumber::compare(version, bestVersion) > 0) {
            best = bin;
            bestVersion = version;
        }
    }
    return best;
}

std::optional<JdkSearchPlaces>& Override()
{
    static std::optional<JdkSearchPlaces> places;
    return places;
}

}  // namespace

void OverrideJdkSearchPlaces(const std::optional<JdkSearchPlaces>& places) { Override() = places; }

JdkSearchPlaces CurrentJdkSearchPlaces()
{
    if (Override())
        return *Override();
    JdkSearchPlaces places;
    places.javaHome = qEnvironmentVariable("JAVA_HOME");
    places.path = qEnvironmentVariable("PATH");
#ifdef Q_OS_WIN
    places.registryHomes = JdkHomesFromRegistry();
#endif
    return places;
}

std::optional<QString> FindJdk(const JdkSearchPlaces& places)
{
    if (auto found = FromJavaHome(places.javaHome))
        return found;
#ifdef Q_OS_WIN
    for (const QString& home : places.registryHomes) {
        if (auto found = FromJavaHome(home))
            return found;
    }
#endif
    if (auto found = FromPath(places.path))
        return found;
    return FromJvmRoot(places.jvmRoot);
}

std::optional<QString> ReadJdkVersion(const QString& toolFolder)
{
    QFile release(WithTrailingSeparator(toolFolder) + QStringLiteral("../release"));
    if (!release.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // A folder of links such as /usr/bin: the JDK is where java really lies.
        const QString java =
            QFileInfo(WithTrailingSeparator(toolFolder) + ToolFileName(QStringLiteral("java.exe"))).canonicalFilePath();
        const QString realFolder = QFileInfo(java).path();
        if (java.isEmpty() || QFileInfo(realFolder) == QFileInfo(toolFolder))
            return {};
        return ReadJdkVersion(realFolder);
    }
    while (!release.atEnd()) {
        const QString line = QString::fromUtf8(release.readLine(4096)).trimmed();
        if (!line.startsWith(QLatin1String("JAVA_VERSION=")))
            continue;
        QString value = line.mid(13).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        if (value.isEmpty())
            return {};
        return value;
    }
    return {};
}

bool HoldsJava(const QString& toolFolder)
{
    return !toolFolder.isEmpty()
           && QFileInfo::exists(WithTrailingSeparator(toolFolder) + ToolFileName(QStringLiteral("java.exe")));
}

JdkFolderCheck CheckJdkFolder(const QString& chosen)
{
    const QStringList candidates{chosen, WithTrailingSeparator(chosen) + QStringLiteral("bin")};
    for (const QString& folder : candidates)
        if (HoldsJavaAndJavac(folder))
            return {JdkFolderCheck::Kind::Jdk, folder};
    for (const QString& folder : candidates)
        if (IsExecutableFile(WithTrailingSeparator(folder) + ToolFileName(QStringLiteral("java.exe"))))
            return {JdkFolderCheck::Kind::RuntimeOnly, folder};
    return {};
}

QStringList DescribeJdkSearch(const JdkSearchPlaces& places)
{
    const QString javaHome = places.javaHome.isEmpty() ? QStringLiteral("未設定")
                                                       : WithTrailingSeparator(places.javaHome) + QStringLiteral("bin");
#ifdef Q_OS_WIN
    return {QStringLiteral("環境変数 JAVA_HOME（%1）").arg(javaHome),
            QStringLiteral("レジストリ HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\JDK ほか（%1 件）")
                .arg(places.registryHomes.size()),
            QStringLiteral("PATH 上の %1").arg(ToolFileName(QStringLiteral("javac.exe")))};
#else
    return {QStringLiteral("環境変数 JAVA_HOME（%1）").arg(javaHome),
            QStringLiteral("PATH 上の %1").arg(ToolFileName(QStringLiteral("javac.exe"))),
            WithTrailingSeparator(places.jvmRoot) + QStringLiteral("*/bin")};
#endif
}

QString JdkInstallCommand(const JdkSearchPlaces& places)
{
    for (const QString& entry : places.path.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        if (IsExecutableFile(WithTrailingSeparator(entry) + QStringLiteral("apt")))
            return QStringLiteral("sudo apt install default-jdk");
    return {};
}

}  // namespace platform
