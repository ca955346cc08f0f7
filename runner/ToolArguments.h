#pragma once
// The argument strings of the JDK tool commands, built from the option
// strings (each ends in a blank) and the current file. Names are quoted
// when they hold blanks, so each stays one argument; file names beginning
// with "-" or "@" get "./" in front. Class names are left as they are: none
// begins with either.
#include <QString>

struct StoredOptions;

namespace runner {

QString CompileArguments(const QString& javacOptions, const QString& fileName);
QString RebuildArguments(const QString& javacOptions);

struct JavaRun {
    QString arguments;
    QString fileToTest;  // without folder: Hello.class or Tool.jar
};
// java runs the class named by the title, or with -jar the archive itself.
JavaRun RunJavaArguments(const QString& javaOptions, const QString& javaArgs, const QString& fileName,
                         const QString& title, const QString& extension);

// javah and rmic take the class named by the title.
QString ClassToolArguments(const QString& options, const QString& title);

// javac writing the native header beside the source, for JDKs without javah:
// "-h ." with javah's class path.
QString HeaderByJavacArguments(const StoredOptions& stored, const QString& fileName);

// The page named after the title, in the working folder.
QString AppletViewerArguments(const QString& title);

// javadoc writes its pages in the sources' encoding unless told otherwise.
QString Utf8PagesOptions();
QString DocumentArguments(const QString& fileName);
QString AllDocumentsArguments();

}  // namespace runner
