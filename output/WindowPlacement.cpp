#include "output/WindowPlacement.h"

namespace output {

namespace {

qint64 Area(const QRect& rect) { return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height(); }

const QRect* ScreenFor(const QRect& window, const QList<QRect>& screens)
{
    const QRect* best = screens.isEmpty() ? nullptr : &screens.first();
    qint64 most = 0;
    for (const QRect& screen : screens) {
        if (const qint64 shared = Area(screen & window); shared > most) {
            most = shared;
            best = &screen;
        }
    }
    return best;
}

// Moves the rectangle inside area, as far as it fits.
QRect Inside(QRect rect, const QRect& area)
{
    rect.moveLeft(qMax(area.left(), qMin(rect.left(), area.right() - rect.width() + 1)));
    rect.moveTop(qMax(area.top(), qMin(rect.top(), area.bottom() - rect.height() + 1)));
    return rect;
}

}  // namespace

QRect FitOnScreens(QRect stored, const QList<QRect>& screens, QSize minimum)
{
    stored.setSize(stored.size().expandedTo(minimum).expandedTo(QSize(0, 0)));
    const QRect* screen = ScreenFor(stored, screens);
    if (!screen)
        return stored;
    const QSize fitting = stored.size().boundedTo(screen->size()).expandedTo(minimum);
    const bool shrunk = fitting != stored.size();
    stored.setSize(fitting);
    if (shrunk || !screen->intersects(stored))
        stored = Inside(stored, *screen);
    return stored;
}

}  // namespace output
