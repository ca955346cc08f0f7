#include "app/CTarnwickApp.h"

#include "app/CMainDialog.h"
#include "app/FirstPaint.h"
#include "app/SettingsWriteReport.h"
#include "platform/UserDialogs.h"
#include "platform/gui/DialogFocus.h"
#include "platform/gui/QtUserDialogs.h"

namespace app {

int CTarnwickApp::InitInstance(const QStringList& names)
{
    platform::QtUserDialogs userDialogs;
    platform::SetUserDialogs(&userDialogs);
    platform::ReturnFocusToOpeners(*qApp);
    // The first window needs none of Qt's own texts; they load once it shows.
    FirstPaintHook::Install(*qApp, [&userDialogs] { userDialogs.LoadQtTexts(); });
    FirstPaintHook::ExitIfRequested(*qApp);
    StartReportingSettingsWriteFailures();
    {
        CMainDialog window;
        window.OnInitDialog(names);
        window.exec();
    }
    StopReportingSettingsWriteFailures();
    platform::SetUserDialogs(nullptr);
    return 0;
}

}  // namespace app
