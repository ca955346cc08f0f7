#pragma once
// A window's outer rectangle and show state kept in a section of the
// settings file ("Top", "Bottom", "Left", "Right", "Max"). The frame around
// a window is known only once it shows: until then the last measured one is
// taken, so the size never creeps from one showing to the next.
#include <QRect>
#include <QString>

class QWidget;

namespace runner {

class SavedPlacement {
public:
    SavedPlacement(QWidget* window, QString section);

    // Before the first show: the stored rectangle, fitted onto the screens.
    void Restore();
    // On showing; the outer rectangle becomes exactly the stored one as soon
    // as the real frame is known.
    void Shown();
    // On closing; a window that never showed stores nothing.
    void Store();

private:
    void FitFrame();

    QWidget* m_window;
    QString m_section;
    QSize m_frame;     // frame size used to restore the stored rectangle
    QRect m_restored;  // the stored outer rectangle, when there was one
    bool m_shown = false;
};

}  // namespace runner
