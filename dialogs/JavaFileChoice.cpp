#include "dialogs/JavaFileChoice.h"

#include "settings/CPathParts.h"

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
