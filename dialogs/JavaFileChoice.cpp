#include "dialogs/JavaFileChoice.h"

#include "generators/GeneratedFile.h"
#include "settings/CPathParts.h"

#include <QDialog>

FileDialogSpec NewJavaFileSpec()
{
    FileDialogSpec spec;
    spec.mode = FileDialogSpec::Mode::Save;
    spec.title = QStringLiteral("Javaﾌｧｲﾙを作成");
    spec.filter = QStringLiteral("javaｿｰｽﾌｧｲﾙ(*.java)|*.java|全てのﾌｧｲﾙ(*.*)|*.*||");
    spec.proposedName = QStringLiteral("*.java");
    spec.defaultSuffix = QStringLiteral("java");
    spec.confirmOverwrite = true;
    return spec;
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
