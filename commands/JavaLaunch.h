#pragma once
// What Ctrl+C and Ctrl+J start for the current file, shared by the commands,
// the case runs and the headless judge: javac's arguments in the package
// root, and java's run of the class with the reason when it cannot run.
#include "commands/ToolArguments.h"
#include "java/CurrentFile.h"
#include "java/PackageRoot.h"

#include <QString>

namespace cmd {

// The options that add the Applet API for javac and javadoc when the JDK no
// longer has it; empty otherwise.
QString AppletApiOptionsFor(const QString& jdkFolder);

// javac on the current source, in its package root. encodingOptions is the
// "-encoding X " that reads the sources (or empty).
struct CompileRequest {
    QString arguments;
    QString subject;  // the source as javac is given it
    QString folder;   // where javac runs
};
CompileRequest CompileRequestFor(const java::CurrentFile& file, const QString& jdkFolder, const QString& javacOptions,
                                 const QString& encodingOptions);

// java on the current file's class (or archive), from the package root.
struct JavaLaunch {
    enum class Problem {
        None,
        Misplaced,     // the source lies outside its package's folders
        MissingClass,  // the class file (or archive) to run does not exist
    };
    Problem problem = Problem::None;
    QString message;  // for the user, when there is a problem
    java::JavaTarget target;
    JavaRun run;
};
JavaLaunch PlanJavaLaunch(const java::CurrentFile& file, const QString& javaOptions, const QString& javaArgs);

}  // namespace cmd
