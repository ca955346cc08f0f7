#pragma once
// The signals that ask the program to end: SIGTERM (a logout or a shutdown),
// SIGHUP (its terminal went away) and SIGINT (Ctrl+C in that terminal). They
// arrive in the event loop as a Qt signal, so that the program can stop the
// tools it runs and keep its windows' state before it goes.
#include <QObject>

class QSocketNotifier;

namespace platform {

class EndSignals : public QObject {
    Q_OBJECT
public:
    // Catches the three signals until destroyed; one object at a time. A
    // second signal of the same kind ends the program at once, so a stuck
    // ending can still be stopped.
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

Q_SIGNALS:
    void Received(int signal);

private:
    void Drain();

    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace platform
