#include "app/CTarnwickApp.h"

#include "app/CMainDialog.h"
#include "platform/UserDialogs.h"
#include "platform/gui/QtUserDialogs.h"
#include "settings/CSettingFile.h"

int CTarnwickApp::InitInstance(const QStringList& names)
{
    QtUserDialogs dialogs;
    SetUserDialogs(&dialogs);
    bool reported = false;
    // A settings write that fails is told once per run; the old file stays.
    CSettingFile::SetWriteFailureHandler([&reported](const QString& path, const QString& reason) {
        if (reported)
            return;
        reported = true;
        ShowMessage(nullptr, QStringLiteral("設定を保存できません。\n") + path + QLatin1Char('\n') + reason,
                    QStringLiteral("設定エラー"), MsgIcon::Exclamation);
    });
    {
        CMainDialog window;
        window.OnInitDialog(names);
        window.exec();
    }
    CSettingFile::SetWriteFailureHandler({});
    SetUserDialogs(nullptr);
    return 0;
}
