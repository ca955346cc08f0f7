#include "app/CTarnwickApp.h"

#include "app/CMainDialog.h"
#include "app/SettingsWriteReport.h"
#include "platform/UserDialogs.h"
#include "platform/gui/QtUserDialogs.h"

int CTarnwickApp::InitInstance(const QStringList& names)
{
    QtUserDialogs dialogs;
    SetUserDialogs(&dialogs);
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
