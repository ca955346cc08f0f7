#pragma once
// Finding an installed JDK without a registry: $JAVA_HOME/bin, then the
// folder of javac on PATH (links resolved), then the newest /usr/lib/jvm/*/bin;
// the first that holds both java and javac.
#include <QString>
#include <optional>

namespace platform {

struct JdkSearchPlaces {
    QString javaHome;  // $JAVA_HOME
    QString path;      // $PATH
    QString jvmRoot = QStringLiteral("/usr/lib/jvm");
};

// The places of this process's environment, unless overridden.
JdkSearchPlaces CurrentJdkSearchPlaces();
// Replaces the environment's places (tests); nullopt restores them.
void OverrideJdkSearchPlaces(const std::optional<JdkSearchPlaces>& places);

// The JDK's tool folder, ending in the separator.
std::optional<QString> FindJdk(const JdkSearchPlaces& places = CurrentJdkSearchPlaces());

// JAVA_VERSION of the "release" file beside a tool folder (e.g. 17.0.15).
std::optional<QString> ReadJdkVersion(const QString& toolFolder);

// True when the folder holds the java tool (the program's test of a usable JDK).
bool HoldsJava(const QString& toolFolder);

}  // namespace platform
