#pragma once
// Opening a file or an address with the desktop's default application, with
// an honest answer: false whenever nothing will show it, so that callers can
// fall back to other programs.
#include "platform/DesktopEnvironment.h"
#include "platform/Processes.h"

#include <QUrl>
#include <chrono>
#include <optional>

namespace platform {

// The default application for the file's MIME type (an address: its
// scheme's handler), set up to open it; none when only xdg-open can tell.
std::optional<ProcessSpec> DesktopApplicationFor(const QUrl& target, const DesktopEnvironment& env);

// DesktopApplicationFor, started directly; else xdg-open, whose exit status
// is waited for (see RunOpener).
bool OpenWithDesktop(const QUrl& target, const DesktopEnvironment& env);

// Runs xdg-open (found on env.path) for the target and waits for its exit
// status in a local event loop that repaints but takes no user input: zero is
// success, any other status a failure. An opener still running after limit is
// showing the target itself (xdg-open without a desktop runs the application
// in the foreground) and counts as success; it is left to run.
bool RunOpener(const QUrl& target, const DesktopEnvironment& env,
               std::chrono::milliseconds limit = std::chrono::seconds(3));

}  // namespace platform
