#include "app/SettingsWriteReport.h"

#include "platform/Captions.h"
#include "platform/UserDialogs.h"
#include "settings/SettingFile.h"

namespace app {

void StartReportingSettingsWriteFailures()
{
    settings::SettingFile::SetWriteFailureHandler([reported = false](const QString& path,
                                                                     const QString& reason) mutable {
        if (reported)
            return;
        reported = true;
        platform::ShowMessage(nullptr, QStringLiteral("設定を保存できません。\n") + path + QLatin1Char('\n') + reason,
                              platform::kSettingsErrorCaption, platform::MsgIcon::Exclamation);
    });
}

void StopReportingSettingsWriteFailures() { settings::SettingFile::SetWriteFailureHandler({}); }

}  // namespace app
