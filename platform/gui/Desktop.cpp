#include "platform/gui/Desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool OpenAddress(const QString& address) { return QDesktopServices::openUrl(QUrl(address)); }

bool OpenDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace platform
