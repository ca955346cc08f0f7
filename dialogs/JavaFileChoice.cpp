#include "dialogs/JavaFileChoice.h"

#include "generators/GeneratedFile.h"
#include "settings/CPathParts.h"

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

}  // namespace

bool ChooseNewJavaFile(QDialog* owner, const QString& folder, QLineEdit* pathEdit, ChosenFile& file)
{
    const std::optional<QString> path = platform::UserDialogs().ChooseFile(owner, NewJavaFileSpec(folder));
    if (!path || path->isEmpty())
        return false;
    settings::CPathParts parts;
    parts.Split(*path);
    file = ChosenFile{*path, parts.GetFileName(), parts.GetFileTitle(), parts.GetFileExt()};
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
