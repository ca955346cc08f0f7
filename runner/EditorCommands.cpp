// The commands that hand a file to another application: the editors, the
// help page and the Java documentation. None of them waits.
#include "runner/CToolCommands.h"

#include "platform/DesktopOpen.h"
#include "platform/EditorLines.h"
#include "platform/Paths.h"
#include "platform/Processes.h"
#include "platform/TextEditors.h"
#include "platform/UserDialogs.h"
#include "settings/COptionModel.h"
#include "settings/CSettingFile.h"

#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace {

const QString kEditApp = QStringLiteral("EditApp");

FileDialogSpec ApplicationDialog(const QString& folder, const QString& name)
{
    FileDialogSpec request;
    request.mode = FileDialogSpec::Mode::Open;
    request.title = QStringLiteral("アプリケーションを選択");
#ifdef Q_OS_WIN
    request.filter = QStringLiteral("エディター(*.exe)|*.exe|全てのﾌｧｲﾙ(*.*)|*.*||");
    request.defaultSuffix = QStringLiteral("exe");
#else
    // Programs have no extension here.
    request.filter = QStringLiteral("全てのﾌｧｲﾙ(*.*)|*||");
#endif
    request.initialFolder = folder;
    request.proposedName = name;
    return request;
}

}  // namespace

void CToolCommands::OnEditSource()
{
    const CurrentFile& file = m_main.File();
    const QString path = file.folder + file.fileName;
    if (!CheckExists(path))
        return;
    QString editor;
    const bool started =
        m_main.Options().GetJavaEditor(editor) ? StartProgram({editor, {path}, file.folder}) : OpenDocument(path);
    if (!started && !StartTextEditor(path, false))
        ReportCannotOpen(path);
}

void CToolCommands::OnEditSourceWith()
{
    const CurrentFile& file = m_main.File();
    if (!CheckExists(file.folder + file.fileName))
        return;
    CSettingFile settings;
    const QString folder = settings.GetString(kEditApp, QStringLiteral("Path"), {});
    const QString name = settings.GetString(kEditApp, QStringLiteral("FileName"), {});
    const std::optional<QString> chosen = UserDialogs().ChooseFile(m_main.Window(), ApplicationDialog(folder, name));
    if (!chosen)
        return;
    // The folder is the chosen path's own, so a name that recurs in it stays.
    const QFileInfo info(*chosen);
    settings.WriteString(kEditApp, QStringLiteral("FileName"), info.fileName());
    settings.WriteString(kEditApp, QStringLiteral("Path"), platform::WithTrailingSeparator(info.path()));
    if (!StartProgram({*chosen, {file.fileName}, file.folder}))
        ReportStartFailure(*chosen);
}

void CToolCommands::OnEditHtml()
{
    const CurrentFile& file = m_main.File();
    const QString page = file.folder + file.title + QStringLiteral(".html");
    if (!CheckExists(page))
        return;
    QString editor;
    if (m_main.Options().GetHtmlEditor(editor)) {
        if (!StartProgram({editor, {page}, file.folder}))
            ReportStartFailure(editor);
        return;
    }
    if (!StartTextEditor(page, true))
        ReportCannotOpen(page);
}

void CToolCommands::OnHelp()
{
    const QString page = platform::HelpPagePath();
    if (!OpenDocument(page))
        ReportCannotOpen(page);
}

void CToolCommands::OnJavaDocument()
{
    QString document;
    if (m_main.Options().GetJavaDocument(document) && !OpenDocument(document))
        ReportCannotOpen(document);
}

// The desktop's application for plain text (when asked), else $VISUAL or
// $EDITOR in a terminal, else an installed text editor.
bool CToolCommands::StartTextEditor(const QString& path, bool preferTextDefault)
{
    const platform::DesktopEnvironment env = Environment();
    std::optional<platform::ProcessSpec> request;
    if (preferTextDefault)
        request = platform::DefaultApplicationFor(QStringLiteral("text/plain"), path, env);
    if (!request)
        request = platform::FallbackEditor(path, env);
    if (!request)
        return false;
    request->workingFolder = m_main.File().folder;
    return StartProgram(*request);
}

void CToolCommands::OpenSourceAtLine(const QString& path, int line)
{
    if (const std::optional<platform::ProcessSpec> editor = SourceEditor(path);
        editor && StartProgram(platform::AtLine(*editor, path, line)))
        return;
    if (!OpenDocument(path))
        ReportCannotOpen(path);
}

// The Java editor of the options, else the application chosen last to edit
// with, else the desktop's application for Java or plain text, else a text editor.
std::optional<platform::ProcessSpec> CToolCommands::SourceEditor(const QString& path) const
{
    const QString folder = m_main.File().folder;
    QString editor;
    if (m_main.Options().GetJavaEditor(editor))
        return platform::ProcessSpec{editor, {path}, folder};
    const CSettingFile settings;
    const QString chosen = settings.GetString(kEditApp, QStringLiteral("FileName"), {});
    const QString application = settings.GetString(kEditApp, QStringLiteral("Path"), {}) + chosen;
    if (!chosen.isEmpty() && platform::IsStartable(application))
        return platform::ProcessSpec{application, {path}, folder};
    const platform::DesktopEnvironment env = Environment();
    std::optional<platform::ProcessSpec> request =
        platform::DefaultApplicationFor(QStringLiteral("text/x-java"), path, env);
    if (!request)
        request = platform::DefaultApplicationFor(QStringLiteral("text/plain"), path, env);
    if (!request)
        request = platform::FallbackEditor(path, env);
    if (request)
        request->workingFolder = folder;
    return request;
}

bool CToolCommands::OpenDocument(const QString& path)
{
    return platform::OpenWithDesktop(QUrl::fromLocalFile(path), Environment());
}
