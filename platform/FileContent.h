#pragma once
// Reading and replacing the content of a user's file. Only a regular file is
// read: a FIFO or a device named like a source would block the open or never
// end. A replacement is a whole new file that takes the old one's name, so
// no reader ever sees half of it, with the old one's permissions and, where
// the user may set them, its owner and group.
#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace platform {

// Hands the file to piece in order, a fixed window at a time; false when it
// is not a readable regular file or a read fails.
bool ReadFileInPieces(const QString& path, const std::function<void(QByteArrayView)>& piece);

std::optional<QByteArray> ReadWholeFile(const QString& path);

// reason: the system's words when it fails.
bool ReplaceFile(const QString& path, QByteArrayView bytes, QString* reason = nullptr);

}  // namespace platform
