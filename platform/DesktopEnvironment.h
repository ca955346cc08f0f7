#pragma once
// The parts of the user's environment that decide which outside programs
// (terminal emulators, editors, default applications) the program starts.
// Kept as data so that tests can supply their own.
#include <QString>
#include <QStringList>

namespace platform {

struct DesktopEnvironment {
    QString terminal;        // $TERMINAL
    QString visual;          // $VISUAL
    QString editor;          // $EDITOR
    QStringList path;        // $PATH
    QString configHome;      // $XDG_CONFIG_HOME, default ~/.config
    QStringList configDirs;  // $XDG_CONFIG_DIRS, default /etc/xdg
    QString dataHome;        // $XDG_DATA_HOME, default ~/.local/share
    QStringList dataDirs;    // $XDG_DATA_DIRS, default /usr/local/share:/usr/share
    QStringList desktops;    // $XDG_CURRENT_DESKTOP, lower case
};

DesktopEnvironment CurrentDesktopEnvironment();

// The full path of an executable named by a path or by a name looked up in
// env.path; empty when there is none.
QString FindProgram(const QString& name, const DesktopEnvironment& env);

}  // namespace platform
