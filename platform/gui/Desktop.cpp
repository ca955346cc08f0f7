#include "platform/gui/Desktop.h"

#include "platform/DesktopOpen.h"

#include <QMimeData>
#include <QUrl>

namespace platform {

bool OpenAddress(const QString& address) { return OpenWithDesktop(QUrl(address), CurrentDesktopEnvironment()); }

bool OpenDocument(const QString& path)
{
    return OpenWithDesktop(QUrl::fromLocalFile(path), CurrentDesktopEnvironment());
}

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
