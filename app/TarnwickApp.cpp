#include "app/TarnwickApp.h"

#include "app/FirstPaint.h"
#include "app/MainDialog.h"
#include "app/SettingsWriteReport.h"
#include "compiler/KeptCompiler.h"
#include "platform/EndSignals.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "platform/gui/DialogFocus.h"
#include "platform/gui/QtUserDialogs.h"
#include "settings/SettingsAdoption.h"

namespace app {

namespace {

// Leaves every event loop, the nested ones of a run and its window too: as
// they unwind, a run stops its tool and each window keeps its state, as
// when the user closes them. The status is the shell's for a signal.
int EndNow(int signal)
{
    const int status = 128 + signal;
    QCoreApplication::exit(status);
    return status;
}

}  // namespace

int TarnwickApp::InitInstance(const QStringList& names)
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
    int status = 0;
    {
        const platform::EndSignals endSignals;
        QObject::connect(&endSignals, &platform::EndSignals::Received,
                         [&status](int signal) { status = EndNow(signal); });
        compiler::KeptCompiler kept(platform::KeptToolsJar());
        MainDialog window;
        // In the background once the window shows: the first paint never waits for a JVM.
        // A turn later, so that a start-up measurement ends before it.
        FirstPaintHook::Install(*qApp, [&window, &kept] {
            QTimer::singleShot(0, &window, [&window, &kept] { window.KeepCompilerWarm(&kept); });
        });
        window.Start(names);
        window.exec();
    }
    StopReportingSettingsWriteFailures();
    platform::SetUserDialogs(nullptr);
    return status;
}

}  // namespace app
