#include "runner/ToolArguments.h"

#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "settings/COptionModel.h"

namespace runner {

namespace {

const QString kJavaWildcard = QStringLiteral("*.java");

QString Quoted(const QString& name) { return platform::QuoteArgument(name); }

// A file name that the tool must never take for an option or an argument file.
QString QuotedFile(const QString& name) { return Quoted(platform::AsFileArgument(name)); }

}  // namespace

QString CompileArguments(const QString& javacOptions, const QString& fileName)
{
    return javacOptions + QuotedFile(fileName);
}

QString RebuildArguments(const QString& javacOptions, const QString& packagePath)
{
    return javacOptions + packagePath + kJavaWildcard;
}

JavaRun RunJavaArguments(const QString& javaOptions, const QString& javaArgs, const QString& extension,
                         const JavaTarget& target)
{
    JavaRun run;
    // The archive goes by its own name: on a case-sensitive file system
    // Tool.JAR is not Tool.jar.
    if (extension == QLatin1String("jar")) {
        run.fileToTest = run.subject = target.file;
        run.arguments = javaOptions + QStringLiteral("-jar ") + QuotedFile(target.file) + QLatin1Char(' ');
    } else {
        run.fileToTest = target.classFile;
        run.subject = target.className;
        run.arguments = javaOptions + Quoted(target.className);
    }
    run.arguments += QLatin1Char(' ') + javaArgs;
    return run;
}

QString ClassToolArguments(const QString& options, const QString& title) { return options + Quoted(title); }

QString HeaderByJavacArguments(const settings::StoredOptions& stored, const QString& fileName)
{
    QString classPath = QStringLiteral("-classpath .");
    if (stored.javahClassPath)
        classPath += platform::ClassPathSeparator() + platform::ToClassPathList(stored.javahStrClassPath);
    return QStringLiteral("-h . ") + classPath + QLatin1Char(' ') + QuotedFile(fileName);
}

QString AppletViewerArguments(const QString& title) { return QuotedFile(title + QStringLiteral(".html")); }

QString Utf8PagesOptions() { return QStringLiteral("-docencoding UTF-8 -charset UTF-8 "); }

QString DocumentArguments(const QString& fileName)
{
    return QStringLiteral("-d %1 ").arg(QLatin1String(kDocumentFolder)) + QuotedFile(fileName);
}

QString AllDocumentsArguments() { return DocumentArguments(kJavaWildcard); }

}  // namespace runner
