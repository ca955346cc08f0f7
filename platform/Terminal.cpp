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

QString FindTerminal(const DesktopEnvironment& env)
{
    static const char* const kKnown[] = {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "xterm"};
    if (QString chosen = FindProgram(env.terminal, env); !chosen.isEmpty())
        return chosen;
    for (const char* name : kKnown) {
        if (QString found = FindProgram(QString::fromLatin1(name), env); !found.isEmpty())
            return found;
    }
    return {};
}

ProcessSpec InTerminal(const QString& terminal, const ProcessSpec& command, bool keepOpen)
{
    ProcessSpec request;
    request.program = terminal;
    request.workingFolder = command.workingFolder;
    const QString name = QFileInfo(terminal).fileName();
    request.arguments = FolderOptions(name, command.workingFolder);
    request.arguments << ExecuteOption(name);
    if (keepOpen)
        request.arguments << QStringLiteral("/bin/sh") << QStringLiteral("-c") << kKeepOpenScript;
    request.arguments << command.program << command.arguments;
    return request;
}

ProcessSpec ForConsoleWindow(const QString& terminal, const ProcessSpec& command, bool keepOpen)
{
    if (terminal.isEmpty())
        return command;
    return InTerminal(terminal, command, keepOpen);
}

}  // namespace platform
