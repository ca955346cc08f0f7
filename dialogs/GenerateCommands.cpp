#include "dialogs/GenerateCommands.h"

#include "commands/CommandIds.h"
#include "dialogs/AppletDialog.h"
#include "dialogs/ClassDialog.h"
#include "dialogs/HtmlDialog.h"
#include "dialogs/JarDialog.h"
#include "generators/HtmlGenerator.h"
#include "java/PackageRoot.h"

#include <QDir>

namespace dialogs {

namespace {

constexpr int kDefaultAppletWidth = 400;
constexpr int kDefaultAppletHeight = 300;

}  // namespace

void GenerateCommands::OnMakeHtml()
{
    const java::CurrentFile& file = m_main.File();
    HtmlDialog dialog(m_main.Window());
    dialog.SetPageDefaults(file.title, file.folder, file.title + QStringLiteral("Applet"), kDefaultAppletWidth,
                           kDefaultAppletHeight);
    // The page lies beside the source; an applet of a package is loaded by
    // its qualified name from the package root.
    if (const java::JavaTarget target = java::ResolveJavaTarget(file); !target.PackagePath().isEmpty())
        dialog.SetAppletClass(target.className, gen::PackageRootCodeBase(target.package));
    dialog.exec();
}

void GenerateCommands::OnMakeApplet()
{
    AppletDialog dialog(m_main.Window());
    dialog.SetStartFolder(m_main.File().folder);
    dialog.exec();
    OpenGenerated(dialog.IsOpenRequested(), dialog.PathName());
}

void GenerateCommands::OnMakeClass()
{
    ClassDialog dialog(m_main.Window());
    dialog.SetStartFolder(m_main.File().folder);
    dialog.exec();
    OpenGenerated(dialog.IsOpenRequested(), dialog.PathName());
}

void GenerateCommands::OpenGenerated(bool requested, const QString& path)
{
    if (!requested)
        return;
    m_main.SetCurrentFile(path);
    m_main.ExecuteCommand(cmd::EditSource);
}

void GenerateCommands::OnMakeJar()
{
    JarDialog dialog(m_main.Window());
    dialog.SetJdkFolder(m_main.JdkFolder());
    dialog.SetCurrentFile(m_main.File());
    dialog.exec();
    if (const QString archive = dialog.BuiltArchive(); !archive.isEmpty())
        m_main.ShowNotice(QDir::toNativeSeparators(archive) + QStringLiteral("を作成しました"));
}

}  // namespace dialogs
