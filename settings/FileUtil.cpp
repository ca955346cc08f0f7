#include "settings/FileUtil.h"

#include "platform/Paths.h"
#include "platform/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace settings {

bool FileUtil::FileExists(const QString& path)
{
    const QString trimmed = platform::WithoutTrailingSeparator(path);
    if (trimmed.isEmpty())
        return false;
    const qsizetype sep = trimmed.lastIndexOf(platform::kSeparator);
    const QString name = trimmed.mid(sep + 1);
    if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?')))
        return QFileInfo::exists(trimmed);
    const QString folder = sep < 0 ? QStringLiteral(".") : (sep == 0 ? QStringLiteral("/") : trimmed.left(sep));
    const QDir dir(folder);
    return !dir.entryList({name}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).isEmpty();
}

std::optional<QString> FileUtil::BrowseForFolder(QObject* owner, const QString& initialFolder) const
{
    return platform::UserDialogs().ChooseFolder(owner, QStringLiteral("フォルダを選択してください"),
                                                platform::WithoutTrailingSeparator(initialFolder));
}

}  // namespace settings
