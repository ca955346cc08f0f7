#pragma once
// A window's outer rectangle and show state kept in a section of the
// settings file ("Top", "Bottom", "Left", "Right", "Max"). The frame around
// a window is known only once the window manager has put it around the
// shown window: until then the last measured one is taken, and the window
// is fitted to the stored rectangle when the real one is known, so the size
// never creeps from one showing (or one start) to the next.
#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace output {

class SavedPlacement : public QObject {
public:
    SavedPlacement(QWidget* window, QString section);

    // Before the first show: the stored rectangle, fitted onto the screens.
    void Restore();
    // On showing; the outer rectangle becomes exactly the stored one as soon
    // as the real frame is known.
    void Shown();
    // On closing; a window that never showed stores nothing.
    void Store();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitFrame();
    void Write(const QRect& outer, int showState) const;

    QWidget* m_window;
    QString m_section;
    QSize m_frame;     // frame size used to restore the stored rectangle
    QRect m_restored;  // the stored outer rectangle, when there was one
    bool m_shown = false;
    bool m_fitted = false;  // the real frame was measured
};

}  // namespace output
