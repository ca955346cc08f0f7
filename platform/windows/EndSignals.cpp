// Windows: Ctrl+C, Ctrl+Break and the closing of the console Tarnwick was
// started from, a logoff and a shutdown arrive through a console handler
// (on its own thread) as SIGINT and SIGTERM.
#include "platform/EndSignals.h"

#include <QMetaObject>
#include <QPointer>

#include <csignal>
#include <windows.h>

namespace platform {

namespace {

QPointer<EndSignals> s_receiver;
int s_received = 0;

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    const int signal = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? SIGINT : SIGTERM;
    if (s_received++ > 0 || s_receiver.isNull())
        return FALSE;  // the second one ends the program at once
    QMetaObject::invokeMethod(s_receiver.data(), "Received", Qt::QueuedConnection, Q_ARG(int, signal));
    // A closing console ends the program when the handler returns: give the
    // event loop a moment to end the tools.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        ::Sleep(2000);
    return TRUE;
}

}  // namespace

EndSignals::EndSignals(QObject* parent)
    : QObject(parent)
{
    s_receiver = this;
    s_received = 0;
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

EndSignals::~EndSignals()
{
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    s_receiver = nullptr;
}

void EndSignals::Drain() {}

}  // namespace platform
