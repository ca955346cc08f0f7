#pragma once

namespace platform {

// Whether a window system can be reached (checked before Qt starts, which
// would otherwise abort): a platform chosen by QT_QPA_PLATFORM, a Wayland
// socket, or an X display whose local socket exists.
bool HasDisplay();

}  // namespace platform
