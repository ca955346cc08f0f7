#include "app/CTarnwickApp.h"

#include "app/CMainDialog.h"
#include "app/FirstPaint.h"
#include "app/SettingsWriteReport.h"
#include "platform/UserDialogs.h"
#include "platform/gui/QtUserDialogs.h"

int CTarnwickApp::InitInstance(const QStringList& names)
{
    QtUserDialogs dialogs;
    SetUserDialogs(&dialogs);
    // The first window needs none of Qt's own texts; they load once it shows.
    FirstPaintHook::Install(*qApp, [&dialogs] { dialogs.LoadQtTexts(); });
    FirstPaintHook::ExitIfRequested(*qApp);
    StartReportingSettingsWriteFailures();
    {
        CMainDialog window;
        window.OnInitDialog(names);
        window.exec();
    }
    StopReportingSettingsWriteFailures();
    SetUserDialogs(nullptr);
    return 0;
}
