#include "platform/gui/Desktop.h"

#include <QDesktopServices>
#include <QMimeData>
#include <QUrl>

namespace platform {

bool OpenAddress(const QString& address) { return QDesktopServices::openUrl(QUrl(address)); }

bool OpenDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

QStringList DroppedLocalPaths(const QMimeData* data)
{
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

}  // namespace platform
