#pragma once
// A JDK tool's run as data: the program in the JDK folder, the argument list
// split from the classic argument string, and the working folder.
#include "platform/Processes.h"

namespace runner {

// classicTool is the tool's classic name ("javac.exe"); argumentText is split
// by the Windows command-line rules; an argument "*.java" is expanded in the
// working folder. The tool runs under a UTF-8 locale (the commands tell
// javac and javadoc the sources' encoding).
platform::ProcessSpec BuildInvocation(const QString& jdkFolder, const QString& classicTool, const QString& argumentText,
                                      const QString& workingFolder);

// The folder's .java files, sorted by name; hidden files are left out.
QStringList JavaSourceNames(const QString& folder);

// Replaces each argument "*.java" (or "a/b/*.java", below the folder) by the
// names of that folder's .java files, sorted; leaves it as it is when none
// matches.
QStringList ExpandJavaWildcard(const QStringList& arguments, const QString& folder);

// The program and its arguments as one line for the user to read.
QString DisplayCommandLine(const platform::ProcessSpec& request);

}  // namespace runner
