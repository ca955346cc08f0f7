#include "commands/JavaLaunch.h"

#include "commands/AppletViewerArguments.h"
#include "java/ClassFile.h"
#include "platform/JdkFeatures.h"
#include "platform/Paths.h"
#include "settings/FileUtil.h"

namespace cmd {

namespace {

// Under a missing class: the classes javac made from the source, when their
// names differ from the file's.
QString CompiledClassesNote(const java::CurrentFile& file)
{
    if (file.extension != QLatin1String("java"))
        return {};
    const QList<java::ClassFileInfo> classes = java::ClassesCompiledFrom(file.folder, file.fileName);
    if (classes.isEmpty())
        return {};
    QStringList names;
    for (const java::ClassFileInfo& made : classes)
        names << made.SimpleName();
    const QString note = QStringLiteral("\n\n%1 からできたクラスは %2 です。java はクラスの名前で実行します。")
                             .arg(file.fileName, names.join(QStringLiteral("、")));
    if (!classes.front().hasMain)
        return note
               + QStringLiteral("main メソッドのあるクラスを、ファイル名と同じ %1 という名前で書いてください。")
                     .arg(file.title);
    return note
           + QStringLiteral(
                 "main のある %1 の名前をファイル名と同じ %2 にするか、ファイル名を %1.java にしてください。")
                 .arg(names.front(), file.title);
}

}  // namespace

QString AppletApiOptionsFor(const QString& jdkFolder)
{
    const QString apiJar = platform::AppletApiJar();
    if (!platform::LacksAppletApi(jdkFolder) || !settings::FileUtil::FileExists(apiJar))
        return {};
    return cmd::AppletApiOptions(apiJar);
}

// A source of a package compiles in the package root, so that javac finds
// the sources of the other packages; its class stays beside it.
CompileRequest CompileRequestFor(const java::CurrentFile& file, const QString& jdkFolder, const QString& javacOptions,
                                 const QString& encodingOptions)
{
    const java::JavaTarget target = java::ResolveJavaTarget(file);
    return {AppletApiOptionsFor(jdkFolder) + encodingOptions + CompileArguments(javacOptions, target.file), target.file,
            target.folder};
}

// A class of a package runs from the package root by its qualified name; a
// file outside its package's folders is explained instead of java's "wrong name".
JavaLaunch PlanJavaLaunch(const java::CurrentFile& file, const QString& javaOptions, const QString& javaArgs)
{
    JavaLaunch launch;
    launch.target = java::ResolveJavaTarget(file);
    if (launch.target.misplaced) {
        launch.problem = JavaLaunch::Problem::Misplaced;
        launch.message = java::MisplacedMessage(file, launch.target);
        return launch;
    }
    launch.run = RunJavaArguments(javaOptions, javaArgs, file.extension, launch.target);
    if (!settings::FileUtil::FileExists(launch.target.folder + launch.run.fileToTest)) {
        launch.problem = JavaLaunch::Problem::MissingClass;
        launch.message = launch.run.fileToTest + QStringLiteral("は存在しません") + CompiledClassesNote(file);
    }
    return launch;
}

}  // namespace cmd
