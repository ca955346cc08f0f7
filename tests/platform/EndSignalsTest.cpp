// The signals that end the program, caught in this process.
#include "platform/EndSignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <gtest/gtest.h>

using namespace platform;

namespace {

sighandler_t Disposition(int signal)
{
    struct sigaction current = {};
    ::sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

// Each arrives once in the event loop; a second of its kind would end the program at once; afterwards the program's
// own handling is back.
TEST(EndSignals, EachArrivesInTheEventLoopOnceThenEndsTheProgram)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const sighandler_t before = Disposition(signal);
        QList<int> received;
        {
            const EndSignals signals;
            QObject::connect(&signals, &EndSignals::Received, [&received](int s) { received << s; });
            EXPECT_NE(Disposition(signal), before);
            ASSERT_EQ(::raise(signal), 0);
            QElapsedTimer clock;
            clock.start();
            while (received.isEmpty() && clock.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
            EXPECT_EQ(Disposition(signal), SIG_DFL) << "a second one ends the program";
        }
        EXPECT_EQ(received, QList<int>{signal});
        EXPECT_EQ(Disposition(signal), before);
    }
}

}  // namespace
