#pragma once
// Programs that edit a text file when no editor was chosen: the desktop's
// default application for a type, or a plain-text editor.
#include "platform/DesktopEnvironment.h"
#include "platform/Processes.h"

#include <optional>

namespace platform {

// The desktop's default application for a MIME type (mimeapps.list, then the
// desktop database's cache), set up to open file. Applications that need a
// terminal run in one.
std::optional<ProcessSpec> DefaultApplicationFor(const QString& mimeType, const QString& file,
                                                 const DesktopEnvironment& env);

// $VISUAL or $EDITOR in a terminal window, else the first installed of a few
// plain-text editors (gedit, kate, mousepad, xed, ...), set up to open file.
std::optional<ProcessSpec> FallbackEditor(const QString& file, const DesktopEnvironment& env);

// The command of a desktop entry's Exec value with its field codes filled in
// for one file (a full path) or address; empty when the value cannot be read.
QStringList ExpandDesktopExec(const QString& exec, const QString& file);

}  // namespace platform
