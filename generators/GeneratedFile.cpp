#include "generators/GeneratedFile.h"

#include "platform/Captions.h"
#include "platform/FileContent.h"
#include "platform/TextCodec.h"
#include "platform/UserDialogs.h"
#include "settings/FileUtil.h"

namespace gen {

namespace {

bool ConfirmOverwrite(QObject* owner, const QString& path)
{
    const platform::MsgAnswer answer = platform::UserDialogs().Message(
        owner, path + QStringLiteral("はすでに存在します。\n上書きしますか？"), QStringLiteral("上書き確認"),
        platform::MsgIcon::Question, platform::MsgButtons::YesNo);
    return answer == platform::MsgAnswer::Yes;
}

// Writes beside the target and renames it into place, so that a failure
// leaves the old file (or none) rather than a part of the new one.
bool WriteReplacing(const QString& path, const QByteArray& bytes, QString& reason)
{
    return platform::ReplaceFile(path, bytes, &reason);
}

}  // namespace

bool SaveGeneratedFile(QObject* owner, const QString& path, const QString& text, const QString& shownName)
{
    if (settings::FileUtil::FileExists(path) && !ConfirmOverwrite(owner, path))
        return false;
    QString reason;
    if (!WriteReplacing(path, platform::EncodeFileText(text), reason)) {
        platform::ShowMessage(owner, path + QStringLiteral("を作成できませんでした。\n") + reason,
                              platform::kFileErrorCaption, platform::MsgIcon::Error);
        return false;
    }
    platform::ShowMessage(owner, shownName + QStringLiteral("を作成しました。"), QStringLiteral("作成確認"),
                          platform::MsgIcon::Information);
    return true;
}

}  // namespace gen
