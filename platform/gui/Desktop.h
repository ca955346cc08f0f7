#pragma once
#include <QString>
#include <QStringList>

class QMimeData;

namespace platform {

// Open an address with its scheme's handler (the browser) or a file with the
// default application for its type; false when nothing will show it
// (platform::OpenWithDesktop).
bool OpenAddress(const QString& address);
bool OpenDocument(const QString& path);

// The local files and folders of a drop, in the order of the drop.
QStringList DroppedLocalPaths(const QMimeData* data);

}  // namespace platform
