#include "settings/SettingsAdoption.h"

#include "platform/FileStatus.h"
#include "platform/Paths.h"
#include "settings/SettingKeys.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace settings {

QString AdoptProgramSettings(const QString& programFolder, const QString& settingsFolder)
{
    if (programFolder.isEmpty())
        return {};
    const QString source = platform::WithTrailingSeparator(programFolder) + ini::FileName;
    const QString target = platform::WithTrailingSeparator(settingsFolder) + ini::FileName;
    if (platform::StatusOf(source).kind != platform::FileKind::Regular
        || platform::StatusOf(target).kind != platform::FileKind::Missing)
        return {};
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    // The bytes as they are: IniText reads a CP932 or UTF-16 file as well.
    const QByteArray bytes = in.readAll();
    QSaveFile out(target);
    if (!QDir().mkpath(settingsFolder) || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()
        || !out.commit())
        return {};
    return QStringLiteral("設定は %1 に保存します（プログラムのフォルダには保存しません）。\n"
                          "最初の設定として %2 の内容を引き継ぎました。")
        .arg(target, source);
}

}  // namespace settings
