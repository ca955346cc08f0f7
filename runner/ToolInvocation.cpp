#include "runner/ToolInvocation.h"

#include "platform/CommandLine.h"
#include "platform/Paths.h"

#include <QDir>

namespace runner {

namespace {

const QString kJavaWildcard = QStringLiteral("*.java");

// A name that begins like an option or an argument file ("@list") is made a
// path, so the tool takes it as a file.
QString AsFileArgument(const QString& name)
{
    if (name.startsWith(QLatin1Char('-')) || name.startsWith(QLatin1Char('@')))
        return QStringLiteral("./") + name;
    return name;
}

QStringList JavaFiles(const QString& folder)
{
    const QDir dir(folder);
    QStringList names = dir.entryList({kJavaWildcard}, QDir::Files | QDir::CaseSensitive, QDir::NoSort);
    std::sort(names.begin(), names.end());
    for (QString& name : names)
        name = AsFileArgument(name);
    return names;
}

}  // namespace

QStringList ExpandJavaWildcard(const QStringList& arguments, const QString& folder)
{
    if (!arguments.contains(kJavaWildcard))
        return arguments;
    const QStringList files = JavaFiles(folder);
    if (files.isEmpty())
        return arguments;
    QStringList expanded;
    for (const QString& argument : arguments) {
        if (argument == kJavaWildcard)
            expanded << files;
        else
            expanded << argument;
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
