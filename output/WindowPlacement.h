#pragma once
// Where a window with a stored outer rectangle goes on the screens there
// are now. Pure: the screens' available rectangles come in, most preferred
// first (the owner's screen).
#include <QList>
#include <QRect>

namespace output {

// At least minimum; no larger than the screen it goes on (the one it
// overlaps most, else the first); moved fully onto that screen when it lay
// off every screen or had to shrink. A position on a screen is kept.
QRect FitOnScreens(QRect stored, const QList<QRect>& screens, QSize minimum);

}  // namespace output
