#pragma once
#include <QString>
#include <QStringList>

class QMimeData;

namespace platform {

// Opens a web address with the user's browser; false when nothing could open it.
bool OpenAddress(const QString& address);

// Opens a file with the desktop's default application for its type.
bool OpenDocument(const QString& path);

// The local files and folders of a drop, in the order of the drop.
QStringList DroppedLocalPaths(const QMimeData* data);

}  // namespace platform
