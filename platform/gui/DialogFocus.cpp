#include "platform/gui/DialogFocus.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace platform {

namespace {

// True when candidate is the window or one of the windows that opened it.
bool InChainOf(const QWidget* candidate, QWidget* window)
{
    for (QWidget* w = window; w != nullptr; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (w == candidate)
            return true;
    }
    return false;
}

class OpenerActivation final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Hide || event->spontaneous())
            return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow() || window->windowType() != Qt::Dialog || !window->parentWidget())
            return false;
        // Another window that the user went to keeps the focus; the window
        // system may still name the dialog or one of its openers, or none.
        QWidget* active = QApplication::activeWindow();
        QWidget* opener = window->parentWidget()->window();
        if ((active == nullptr || InChainOf(active, window)) && opener->isVisible())
            opener->activateWindow();
        return false;
    }
};

}  // namespace

void ReturnFocusToOpeners(QApplication& application)
{
    application.installEventFilter(new OpenerActivation(&application));
}

}  // namespace platform
