#pragma once
#include <QString>

namespace platform {

// Opens a web address with the user's browser; false when nothing could open it.
bool OpenAddress(const QString& address);

// Opens a file with the desktop's default application for its type.
bool OpenDocument(const QString& path);

}  // namespace platform
