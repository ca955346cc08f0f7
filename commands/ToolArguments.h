#pragma once
// The argument strings of the JDK tool commands, built from the option
// strings (each ends in a blank) and the current file. Names are quoted
// when they hold blanks, so each stays one argument; file names beginning
// with "-" or "@" get "./" in front. Class names are left as they are: none
// begins with either.
#include "java/PackageRoot.h"

#include <QString>

namespace settings {
struct StoredOptions;
}

namespace cmd {

QString CompileArguments(const QString& javacOptions, const QString& fileName);
// Every source of the folder; packagePath ("a/b/") when run in the package root.
QString RebuildArguments(const QString& javacOptions, const QString& packagePath = {});

struct JavaRun {
    QString arguments;
    QString fileToTest;  // relative to the target's folder: Hello.class, a/b/Hello.class or Tool.jar
    QString subject;     // what java is given to run: the class a.b.Hello or the archive Tool.jar
};
// java runs the target's class, or with -jar the archive itself.
JavaRun RunJavaArguments(const QString& javaOptions, const QString& javaArgs, const QString& extension,
                         const java::JavaTarget& target);

// javah and rmic take the class named by the title.
QString ClassToolArguments(const QString& options, const QString& title);
// Whether name is a Java identifier and no keyword: the only class names
// given to javah and rmic, which would read "-J-javaagent:…" as an option
// and "@…" as a file of arguments.
bool IsJavaIdentifier(QStringView name);

// javac writing the native header beside the source, for JDKs without javah:
// "-h ." with javah's class path.
QString HeaderByJavacArguments(const settings::StoredOptions& stored, const QString& fileName);

// The page named after the title, in the working folder.
QString AppletViewerArguments(const QString& title);

// javadoc writes into a folder of its own beside the sources, so that its
// pages never replace a file there (the applet page Title.html for a class
// Title); the folder is named relative to the working folder.
inline constexpr char kDocumentFolder[] = "doc";
// javadoc writes its pages in the sources' encoding unless told otherwise.
QString Utf8PagesOptions();
QString DocumentArguments(const QString& fileName);
QString AllDocumentsArguments();

}  // namespace cmd
