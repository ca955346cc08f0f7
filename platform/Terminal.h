#pragma once
// Terminal emulator windows, where a console program shows its output and
// reads its input: the Linux counterpart of a program's own console window.
#include "platform/DesktopEnvironment.h"
#include "platform/Processes.h"

namespace platform {

// The first terminal emulator found: $TERMINAL, x-terminal-emulator,
// gnome-terminal, konsole, xfce4-terminal, xterm. Empty when there is none.
QString FindTerminal(const DesktopEnvironment& env);

// Runs command in a new window of terminal. The window closes when the
// command ends, or with keepOpen stays open with the user's shell.
ProcessSpec InTerminal(const QString& terminal, const ProcessSpec& command, bool keepOpen);

// How a console program runs on its own: in a terminal window when there is
// one, else directly without a window.
ProcessSpec ForConsoleWindow(const QString& terminal, const ProcessSpec& command, bool keepOpen);

}  // namespace platform
