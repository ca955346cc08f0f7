#pragma once
// Focus after a dialog: the window that opened a dialog or message box becomes
// active again when it closes. Some window managers (openbox) then activate no
// window at all, and the keyboard does nothing until a click.
class QApplication;

namespace platform {

// Watches every window of the application from now on.
void ReturnFocusToOpeners(QApplication& application);

}  // namespace platform
