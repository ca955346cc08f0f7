#pragma once
// For start-up measurements: with TARNWICK_EXIT_AFTER_FIRST_PAINT set, the
// program ends as soon as its first window has been painted.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

class FirstPaintExit : public QObject {
public:
    static void InstallIfRequested(QApplication& app)
    {
        if (qEnvironmentVariableIsSet("TARNWICK_EXIT_AFTER_FIRST_PAINT"))
            app.installEventFilter(new FirstPaintExit(&app));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && qobject_cast<QWidget*>(watched)) {
            m_seen = true;
            // After the paint has reached the screen.
            QTimer::singleShot(0, [] {
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    explicit FirstPaintExit(QObject* parent)
        : QObject(parent)
    {}
    bool m_seen = false;
};
