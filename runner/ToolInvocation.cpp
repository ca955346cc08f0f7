#include "runner/ToolInvocation.h"

#include "platform/CommandLine.h"
#include "platform/Paths.h"

#include <QDir>

#include <optional>

namespace runner {

namespace {

const QString kJavaWildcard = QStringLiteral("*.java");

// The .java files of folder + prefix, sorted, as arguments ("a/b/A.java").
QStringList JavaFiles(const QString& folder, const QString& prefix)
{
    QStringList names = JavaSourceNames(folder + prefix);
    for (QString& name : names)
        name = platform::AsFileArgument(prefix + name);
    return names;
}

// The folder part of a wildcard argument: "" for "*.java", "a/b/" for
// "a/b/*.java"; nothing for any other argument.
std::optional<QString> WildcardFolder(const QString& argument)
{
    if (!argument.endsWith(kJavaWildcard))
        return std::nullopt;
    const QString prefix = argument.chopped(kJavaWildcard.size());
    if (prefix.isEmpty() || (prefix.endsWith(platform::kSeparator) && !prefix.startsWith(platform::kSeparator)))
        return prefix;
    return std::nullopt;
}

}  // namespace

QStringList JavaSourceNames(const QString& folder)
{
    const QDir dir(folder);
    QStringList names = dir.entryList({kJavaWildcard}, QDir::Files | QDir::CaseSensitive, QDir::NoSort);
    std::sort(names.begin(), names.end());
    return names;
}

QStringList ExpandJavaWildcard(const QStringList& arguments, const QString& folder)
{
    QStringList expanded;
    for (const QString& argument : arguments) {
        const std::optional<QString> prefix = WildcardFolder(argument);
        const QStringList files = prefix ? JavaFiles(folder, *prefix) : QStringList();
        if (files.isEmpty())
            expanded << argument;
        else
            expanded << files;
    }
    return expanded;
}

platform::ProcessSpec BuildInvocation(const QString& jdkFolder, const QString& classicTool, const QString& argumentText,
                                      const QString& workingFolder)
{
    platform::ProcessSpec request;
    request.program = jdkFolder + platform::ToolFileName(classicTool);
    request.arguments = ExpandJavaWildcard(platform::SplitCommandLine(argumentText), workingFolder);
    request.workingFolder = workingFolder;
    request.utf8Locale = true;
    return request;
}

QString DisplayCommandLine(const platform::ProcessSpec& request)
{
    QStringList parts{platform::QuoteArgument(request.program)};
    for (const QString& argument : request.arguments)
        parts << platform::QuoteArgument(argument);
    return parts.join(QLatin1Char(' '));
}

}  // namespace runner
