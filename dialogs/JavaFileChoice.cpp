#include "dialogs/JavaFileChoice.h"

#include "generators/GeneratedFile.h"
#include "settings/CPathParts.h"

#include <QDialog>

FileDialogSpec NewJavaFileSpec()
{
    FileDialogSpec request;
    request.mode = FileDialogSpec::Mode::Save;
    request.title = QStringLiteral("Javaﾌｧｲﾙを作成");
    request.filter = QStringLiteral("javaｿｰｽﾌｧｲﾙ(*.java)|*.java|全てのﾌｧｲﾙ(*.*)|*.*||");
    request.proposedName = QStringLiteral("*.java");
    request.defaultSuffix = QStringLiteral("java");
    request.confirmOverwrite = true;
    return request;
}

std::optional<ChosenFile> ChooseNewJavaFile(QObject* owner)
{
    const std::optional<QString> path = UserDialogs().ChooseFile(owner, NewJavaFileSpec());
    if (!path || path->isEmpty())
        return std::nullopt;
    CPathParts parts;
    parts.Split(*path);
    return ChosenFile{*path, parts.GetFileName(), parts.GetFileTitle(), parts.GetFileExt()};
}

void GenerateJavaSource(QDialog& dialog, const QString& path, const std::function<QString()>& generate, bool openAfter,
                        bool& openRequested)
{
    if (path.isEmpty()) {
        dialog.reject();
        return;
    }
    if (!SaveGeneratedFile(&dialog, path, generate(), path))
        return;
    if (openAfter)
        openRequested = true;
    dialog.accept();
}
