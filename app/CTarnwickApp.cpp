#include "app/CTarnwickApp.h"

#include "app/CMainDialog.h"
#include "app/FirstPaint.h"
#include "app/SettingsWriteReport.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "platform/gui/DialogFocus.h"
#include "platform/gui/QtUserDialogs.h"
#include "settings/SettingsAdoption.h"

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
    // Before the main window reads any setting.
    const QString adopted =
        settings::AdoptProgramSettings(platform::BypassedProgramFolder(), platform::SettingsFolder());
    if (!adopted.isEmpty())
        platform::ShowMessage(nullptr, adopted, QStringLiteral("設定"), platform::MsgIcon::Information);
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
