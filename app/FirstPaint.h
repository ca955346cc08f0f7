#pragma once
// The program's first painted window: what that window does not show waits
// for it, and start-up measurements end there.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace app {

class FirstPaintHook : public QObject {
public:
    // Runs work on the turn of the event loop after the first paint of any
    // widget, once. Hooks installed later run first.
    static void Install(QApplication& app, std::function<void()> work)
    {
        app.installEventFilter(new FirstPaintHook(&app, std::move(work)));
    }

    // With TARNWICK_EXIT_AFTER_FIRST_PAINT set the program ends as soon as
    // its first window has been painted (for start-up measurements).
    // Installed last, it ends the program before deferred work runs.
    static void ExitIfRequested(QApplication& app)
    {
        if (qEnvironmentVariableIsSet("TARNWICK_EXIT_AFTER_FIRST_PAINT")) {
            Install(app, [] {
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QWidget*>(watched)) {
            qApp->removeEventFilter(this);
            // After the paint has reached the screen.
            QTimer::singleShot(0, this, [this] {
                m_work();
                deleteLater();
            });
        }
        return false;
    }

private:
    FirstPaintHook(QObject* parent, std::function<void()> work)
        : QObject(parent)
        , m_work(std::move(work))
    {}
    std::function<void()> m_work;
};

}  // namespace app
