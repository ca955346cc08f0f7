#include "commands/ToolArguments.h"

#include "generators/JavaName.h"
#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "settings/OptionModel.h"

#include <algorithm>

namespace cmd {

namespace {

const QString kJavaWildcard = QStringLiteral("*.java");

QString Quoted(const QString& name) { return platform::QuoteArgument(name); }

// A file name that the tool must never take for an option or an argument file.
QString QuotedFile(const QString& name) { return Quoted(platform::AsFileArgument(name)); }

// Identifier characters, without the ignorable controls that a class title
// handed to a tool must not carry.
bool IsIdentifierPart(char32_t c) { return gen::IsJavaIdentifierPart(c) && QChar::category(c) != QChar::Other_Control; }

bool IsKeyword(QStringView name)
{
    static const QStringList keywords =
        QStringLiteral("_ abstract assert boolean break byte case catch char class const continue "
                       "default do double else enum extends false final finally float for goto if "
                       "implements import instanceof int interface long native new null package "
                       "private protected public return short static strictfp super switch "
                       "synchronized this throw throws transient true try void volatile while")
            .split(QLatin1Char(' '));
    return keywords.contains(name);
}

}  // namespace

bool IsJavaIdentifier(QStringView name)
{
    const QList<uint> points = name.toUcs4();
    if (points.isEmpty() || !gen::IsJavaIdentifierStart(points.front()) || IsKeyword(name))
        return false;
    return std::all_of(points.begin() + 1, points.end(), [](uint c) { return IsIdentifierPart(c); });
}

QString CompileArguments(const QString& javacOptions, const QString& fileName)
{
    return javacOptions + QuotedFile(fileName);
}

QString RebuildArguments(const QString& javacOptions, const QString& packagePath)
{
    return javacOptions + packagePath + kJavaWildcard;
}

JavaRun RunJavaArguments(const QString& javaOptions, const QString& javaArgs, const QString& extension,
                         const java::JavaTarget& target)
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

}  // namespace cmd
