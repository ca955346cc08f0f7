#pragma once
// What a JDK still has, decided from its release file (cheap: one small read,
// no process started).
#include <QString>

namespace platform {

// The feature release of a JAVA_VERSION text: "1.8.0_392" -> 8,
// "17.0.15" -> 17, "26-ea" -> 26; 0 when it cannot be read.
int FeatureRelease(const QString& version);

// The feature release of the JDK of a tool folder; 0 when it cannot be read.
int JdkFeatureRelease(const QString& toolFolder);

// True when the JDK of the tool folder no longer has the Applet API
// (java.applet and javax.swing.JApplet left the JDK in release 26). A JDK
// whose version cannot be read is taken to have it.
bool LacksAppletApi(const QString& toolFolder);

}  // namespace platform
