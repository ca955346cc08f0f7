#include "dialogs/JavaFileChoice.h"

#include "generators/GeneratedFile.h"
#include "generators/JavaName.h"
#include "platform/Captions.h"
#include "settings/PathParts.h"

#include <QDialog>
#include <QLineEdit>

namespace dialogs {

namespace {

platform::FileDialogSpec NewJavaFileSpec(const QString& folder)
{
    platform::FileDialogSpec request;
    request.mode = platform::FileDialogSpec::Mode::Save;
    request.title = QStringLiteral("Javaﾌｧｲﾙを作成");
    request.filter = QStringLiteral("javaｿｰｽﾌｧｲﾙ(*.java)|*.java|全てのﾌｧｲﾙ(*.*)|*.*||");
    request.initialFolder = folder;
    request.proposedName = QStringLiteral("*.java");
    request.defaultSuffix = QStringLiteral("java");
    request.confirmOverwrite = true;
    return request;
}

// The file's title becomes the class name, which javac takes only when it is
// a Java identifier and no keyword.
bool AcceptClassName(QDialog* owner, const QString& title)
{
    if (gen::IsJavaClassName(title))
        return true;
    platform::ShowMessage(
        owner,
        QStringLiteral("「%1」はクラス名に使えません。\n"
                       "ファイル名の .java の前がクラス名になります。\n"
                       "クラス名は英字（漢字・かなも可）、_ または $ で始め、英字・数字・_・$ だけで書きます。\n"
                       "空白や - などの記号は使えず、class や int などのキーワードも使えません。")
            .arg(title),
        platform::kQuestionCaption, platform::MsgIcon::Exclamation);
    return false;
}

}  // namespace

bool ChooseNewJavaFile(QDialog* owner, const QString& folder, QLineEdit* pathEdit, ChosenFile& file)
{
    const std::optional<QString> path = platform::UserDialogs().ChooseFile(owner, NewJavaFileSpec(folder));
    if (!path || path->isEmpty())
        return false;
    settings::PathParts parts;
    parts.Split(*path);
    if (!AcceptClassName(owner, parts.FileTitle()))
        return false;
    file = ChosenFile{*path, parts.FileName(), parts.FileTitle(), parts.FileExt()};
    pathEdit->setText(file.path);
    return true;
}

void GenerateJavaSource(QDialog& dialog, const QString& path, const std::function<QString()>& generate, bool openAfter,
                        bool& openRequested)
{
    if (path.isEmpty()) {
        dialog.reject();
        return;
    }
    if (!gen::SaveGeneratedFile(&dialog, path, generate(), path))
        return;
    if (openAfter)
        openRequested = true;
    dialog.accept();
}

}  // namespace dialogs
