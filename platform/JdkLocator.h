#pragma once
// Finding an installed JDK: $JAVA_HOME/bin, then (on Windows) the homes the
// registry names, then the folder of javac on PATH (links resolved), then the
// newest /usr/lib/jvm/*/bin; the first that holds both java and javac.
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

struct JdkSearchPlaces {
    QString javaHome;  // $JAVA_HOME
    QString path;      // $PATH
#ifdef Q_OS_WIN
    QStringList registryHomes;  // the homes the registry names, newest first
    QString jvmRoot;
#else
    QString jvmRoot = QStringLiteral("/usr/lib/jvm");
#endif
};

// The places of this process's environment, unless overridden.
JdkSearchPlaces CurrentJdkSearchPlaces();
// Replaces the environment's places (tests); nullopt restores them.
void OverrideJdkSearchPlaces(const std::optional<JdkSearchPlaces>& places);

// The JDK's tool folder, ending in the separator.
std::optional<QString> FindJdk(const JdkSearchPlaces& places = CurrentJdkSearchPlaces());

// JAVA_VERSION of the "release" file beside a tool folder (e.g. 17.0.15), or
// beside the folder where its java really lies when it is a link.
std::optional<QString> ReadJdkVersion(const QString& toolFolder);

// True when the folder holds the java tool (the program's test of a usable JDK).
bool HoldsJava(const QString& toolFolder);

// What a folder that the user chose as the JDK holds: the folder itself or
// its bin (a JDK's home) with java and javac, java alone (a runtime), or
// neither.
struct JdkFolderCheck {
    enum class Kind { Jdk, RuntimeOnly, NoTools };
    Kind kind = Kind::NoTools;
    QString toolFolder;  // the chosen folder or its bin, as spelled; empty for NoTools
};
JdkFolderCheck CheckJdkFolder(const QString& chosen);

// The places FindJdk looks in, for the user to read.
QStringList DescribeJdkSearch(const JdkSearchPlaces& places = CurrentJdkSearchPlaces());
// The command that installs a JDK on this system ("sudo apt install
// default-jdk" where apt is found on the search places' PATH); empty when unknown.
QString JdkInstallCommand(const JdkSearchPlaces& places = CurrentJdkSearchPlaces());

}  // namespace platform
