#pragma once
// Terminal emulator windows, where a console program shows its output and
// reads its input: the Linux counterpart of a program's own console window.
#include "platform/DesktopEnvironment.h"
#include "platform/Processes.h"

namespace platform {

// The terminal emulators looked for, in order: $TERMINAL when set,
// x-terminal-emulator, gnome-terminal, konsole, xfce4-terminal, xterm.
QStringList TerminalCandidates(const DesktopEnvironment& env);

// The first of them found on the path; empty when there is none.
QString FindTerminal(const DesktopEnvironment& env);

// Runs command in a new window of terminal (with command's locale). The
// window closes when the command ends, or with keepOpen stays open with the
// user's shell.
ProcessSpec InTerminal(const QString& terminal, const ProcessSpec& command, bool keepOpen);

// Lets a program without a console of its own (a Windows window program)
// print to the console it was started from, in UTF-8, unless its output
// already goes to a pipe or a file. Elsewhere it does nothing.
void UseCallersConsole();

}  // namespace platform
