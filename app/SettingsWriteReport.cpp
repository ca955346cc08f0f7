#include "app/SettingsWriteReport.h"

#include "platform/UserDialogs.h"
#include "settings/CSettingFile.h"

void StartReportingSettingsWriteFailures()
{
    CSettingFile::SetWriteFailureHandler([reported = false](const QString& path, const QString& reason) mutable {
        if (reported)
            return;
        reported = true;
        ShowMessage(nullptr, QStringLiteral("設定を保存できません。\n") + path + QLatin1Char('\n') + reason,
                    QStringLiteral("設定エラー"), MsgIcon::Exclamation);
    });
}

void StopReportingSettingsWriteFailures() { CSettingFile::SetWriteFailureHandler({}); }
