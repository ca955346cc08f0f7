#pragma once
// Paths and names that differ between platforms. Folders held in memory end
// in the separator.
#include <QString>

namespace platform {

inline constexpr QChar kSeparator = QLatin1Char('/');

// The running program's folder, ending in the separator.
QString ExecutableFolder();

// The folder that holds Setting.ini, ending in the separator:
// TARNWICK_SETTINGS_DIR when set, else SettingsFolderFor the running program
// and the bindir of the install prefix it was built for.
QString SettingsFolder();
// Beside the program when its folder is writable and it is not an installed
// copy (in installBindir or a system folder such as /usr/bin), else
// $XDG_CONFIG_HOME/tarnwick/ (default ~/.config/tarnwick/).
QString SettingsFolderFor(const QString& programFolder, const QString& installBindir);
// The program's folder when Setting.ini is kept elsewhere although no
// TARNWICK_SETTINGS_DIR says so (the folder is read-only, or the copy is
// installed), so that a file there may start the user's own; else empty.
QString BypassedProgramFolder();

// The help page: "help/index.html" beside the program (a build folder or an
// unpacked copy), else the installed copy in the data folder.
QString HelpPagePath();

// Tarnwick's applet viewer and the Applet API classes for JDKs without them:
// "appletviewer/" beside the program, else the installed copy in the data
// folder; TARNWICK_APPLETVIEWER_DIR overrides both. Ends in the separator.
QString AppletViewerFolder();
QString AppletViewerJar();  // the viewer's classes
QString AppletApiJar();     // java.applet and javax.swing.JApplet
// The program that runs javac, javadoc and jar in a JVM kept running, in the
// same folder as the viewer.
QString KeptToolsJar();

// The platform's file name of a JDK tool given by its classic name:
// "javac.exe" -> "javac" on Linux.
QString ToolFileName(const QString& classicName);
// The tool a program's path names, on any system: "javac" for
// C:/jdk/bin/javac.exe and for /usr/bin/javac.
QString ToolNameOf(const QString& program);
// The extension of programs' files, without the dot: "exe" on Windows, none
// on Linux, where a program chooser offers every file.
QString ProgramSuffix();
// A JDK's tool folder as an example in messages.
QString ExampleJdkToolFolder();

// A class path as the user types it (entries separated by ";") in the form
// the platform's java tools read: ":" between entries on Linux.
QString ToClassPathList(const QString& entries);
// The separator between class path entries: ";" on Windows, ":" elsewhere.
QChar ClassPathSeparator();

// The folder for temporary files, without a trailing separator: $TMPDIR when
// it names a writable folder, else /tmp (also when that is unusable, so that
// a message can name it).
QString TemporaryFolder();

QString WithTrailingSeparator(const QString& folder);
// Removes one trailing separator; the root "/" stays "/".
QString WithoutTrailingSeparator(const QString& folder);

}  // namespace platform
