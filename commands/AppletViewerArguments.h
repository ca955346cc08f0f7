#pragma once
// Argument strings for Tarnwick's own applet viewer and for the Applet API
// on JDKs that no longer have it. Like the option strings, each option text
// ends in a blank; names are quoted when they hold blanks.
#include <QString>
#include <QStringList>

namespace cmd {

// Puts the classes under patchPath (a folder or a JAR) into a system module
// and exports the given packages to the class path. javac, javadoc and java
// all need both: a package that the module does not have is added by the
// patch but stays unexported, so code on the class path cannot see it.
QString PatchModuleOptions(const QString& module, const QString& patchPath, const QStringList& packages);

// java.applet and javax.swing.JApplet from apiJar, patched into java.desktop
// (javax.swing is exported already).
QString AppletApiOptions(const QString& apiJar);

// java's arguments that show the page named after the title with the viewer.
QString OwnAppletViewerArguments(const QString& viewerJar, const QString& apiOptions, const QString& title);

inline constexpr char kAppletViewerMainClass[] = "tarnwick.appletviewer.Main";

}  // namespace cmd
