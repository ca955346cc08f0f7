#include "platform/Terminal.h"

#include <QFileInfo>

namespace platform {

namespace {

// "$0" is the program and "$@" its arguments, so no name is ever parsed by
// the shell; the shell only stays behind for the user.
const QString kKeepOpenScript = QStringLiteral("\"$0\" \"$@\"; exec \"${SHELL:-/bin/sh}\"");

// Most emulators take "-e program args..." and inherit the working folder.
QString ExecuteOption(const QString& name)
{
    if (name == QLatin1String("gnome-terminal"))
        return QStringLiteral("--");
    if (name == QLatin1String("xfce4-terminal"))
        return QStringLiteral("-x");
    return QStringLiteral("-e");
}

// Emulators that open their windows from a running server need the folder.
QStringList FolderOptions(const QString& name, const QString& folder)
{
    if (folder.isEmpty())
        return {};
    if (name == QLatin1String("gnome-terminal"))
        return {QStringLiteral("--working-directory=") + folder};
    if (name == QLatin1String("xfce4-terminal"))
        return {QStringLiteral("--working-directory"), folder};
    if (name == QLatin1String("konsole"))
        return {QStringLiteral("--workdir"), folder};
    return {};
}

}  // namespace

QStringList TerminalCandidates(const DesktopEnvironment& env)
{
    QStringList names{QStringLiteral("x-terminal-emulator"), QStringLiteral("gnome-terminal"),
                      QStringLiteral("konsole"), QStringLiteral("xfce4-terminal"), QStringLiteral("xterm")};
    if (!env.terminal.isEmpty())
        names.prepend(env.terminal);
    return names;
}

QString FindTerminal(const DesktopEnvironment& env)
{
    for (const QString& name : TerminalCandidates(env)) {
        if (QString found = FindProgram(name, env); !found.isEmpty())
            return found;
    }
    return {};
}

ProcessSpec InTerminal(const QString& terminal, const ProcessSpec& command, bool keepOpen)
{
    ProcessSpec request;
    request.program = terminal;
    request.workingFolder = command.workingFolder;
    request.utf8Locale = command.utf8Locale;
    const QString name = QFileInfo(terminal).fileName();
    request.arguments = FolderOptions(name, command.workingFolder);
    request.arguments << ExecuteOption(name);
    if (keepOpen)
        request.arguments << QStringLiteral("/bin/sh") << QStringLiteral("-c") << kKeepOpenScript;
    request.arguments << command.program << command.arguments;
    return request;
}

void UseCallersConsole() {}

}  // namespace platform
