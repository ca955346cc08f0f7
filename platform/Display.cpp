#include "platform/Display.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>

namespace platform {

#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
namespace {

bool HasWayland()
{
    const QByteArray display = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty())
        return false;
    if (display.startsWith('/'))
        return QFileInfo::exists(QString::fromLocal8Bit(display));
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QString::fromLocal8Bit(runtime + '/' + display));
}

bool HasX11()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return false;
    if (!display.startsWith(':'))
        return true;  // a remote or forwarded display: let Qt try it
    const QByteArray number = display.mid(1).split('.').first();
    return QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + QString::fromLatin1(number));
}

}  // namespace
#endif

bool HasDisplay()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (!qgetenv("QT_QPA_PLATFORM").isEmpty())
        return true;
    return HasWayland() || HasX11();
#else
    return true;
#endif
}

}  // namespace platform
