#include "runner/CToolCommands.h"

#include "dialogs/CJarDialog.h"
#include "settings/COptionDialog.h"

#include <QDir>

void CToolCommands::OnOptions()
{
    COptionDialog dialog(m_main.Options(), m_main.Window());
    if (dialog.exec() == QDialog::Accepted)
        m_main.RefreshJavaDocumentCommand();
}

void CToolCommands::OnMakeJar()
{
    CJarDialog dialog(m_main.Window());
    dialog.SetJdkFolder(m_main.JdkFolder());
    dialog.exec();
    if (const QString archive = dialog.BuiltArchive(); !archive.isEmpty())
        m_main.ShowNotice(QDir::toNativeSeparators(archive) + QStringLiteral("を作成しました"));
}
