#pragma once
// Turns a dialog template into child widgets of a host widget. Positions and
// sizes are in dialog units, converted with the dialog font's metrics:
// x * average character width / 4, y * character height / 8.
#include "resources/FormTemplate.h"

#include <QFont>
#include <QHash>
#include <QWidget>

namespace resources {

// "ＭＳ Ｐゴシック" at 9 points where installed, else an installed Japanese
// sans-serif font (IPAPGothic first: its metrics match), found by any of its
// names, so the choice does not depend on the locale.
QFont DialogFont();

struct DialogUnits {
    int baseX = 4;  // average character width in pixels
    int baseY = 8;  // character height in pixels
    static DialogUnits For(const QFont& font);
    int X(int du) const { return (du * baseX + 2) / 4; }
    int Y(int du) const { return (du * baseY + 4) / 8; }
    QRect Map(const QRect& du) const;
};

class Form {
public:
    // Creates every control of the template as a child of host, sets the
    // host's font and window title; the host's size is left to the caller.
    void Build(QWidget* host, const FormTemplate& form);

    QWidget* Control(int id) const { return m_controls.value(id); }
    template <class T>
    T* Get(int id) const
    {
        return qobject_cast<T*>(Control(id));
    }

    // The template's size in pixels.
    QSize ClientSize() const { return m_clientSize; }
    const DialogUnits& Units() const { return m_units; }

private:
    QHash<int, QWidget*> m_controls;
    DialogUnits m_units;
    QSize m_clientSize;
};

// Object name under which a control with an id can be found: "id1139".
QString ControlObjectName(int id);

// The program's own icon, drawn once.
const QIcon& AppIcon();

}  // namespace resources
