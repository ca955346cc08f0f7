// The commands that hand a file to another application: the editors, the
// help page and the Java documentation. None of them waits.
#include "commands/ToolCommands.h"

#include "platform/CommandLine.h"
#include "platform/DesktopOpen.h"
#include "platform/EditorLines.h"
#include "platform/Paths.h"
#include "platform/Processes.h"
#include "platform/TextEditors.h"
#include "platform/UserDialogs.h"
#include "settings/OptionModel.h"
#include "settings/SettingFile.h"

#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace cmd {

namespace {

platform::FileDialogSpec ApplicationDialog(const QString& folder, const QString& name)
{
    platform::FileDialogSpec request;
    request.mode = platform::FileDialogSpec::Mode::Open;
    request.title = QStringLiteral("アプリケーションを選択");
    request.defaultSuffix = platform::ProgramSuffix();
    // Where programs have no extension every file is offered.
    request.filter = request.defaultSuffix.isEmpty()
                         ? QStringLiteral("全てのﾌｧｲﾙ(*.*)|*||")
                         : QStringLiteral("エディター(*.%1)|*.%1|全てのﾌｧｲﾙ(*.*)|*.*||").arg(request.defaultSuffix);
    request.initialFolder = folder;
    request.proposedName = name;
    return request;
}

}  // namespace

void ToolCommands::OnEditSource()
{
    const java::CurrentFile& file = m_main.File();
    const QString path = file.folder + file.fileName;
    if (CheckExists(path))
        OpenSourceAtLine(path, 0);
}

void ToolCommands::OnEditSourceWith()
{
    const java::CurrentFile& file = m_main.File();
    if (!CheckExists(file.folder + file.fileName))
        return;
    settings::SettingFile settings;
    const QString folder = settings.ReadString(settings::ini::EditApp::Path, {});
    const QString name = settings.ReadString(settings::ini::EditApp::FileName, {});
    const std::optional<QString> chosen =
        platform::UserDialogs().ChooseFile(m_main.Window(), ApplicationDialog(folder, name));
    if (!chosen)
        return;
    // The folder is the chosen path's own, so a name that recurs in it stays.
    const QFileInfo info(*chosen);
    settings.WriteString(settings::ini::EditApp::FileName, info.fileName());
    settings.WriteString(settings::ini::EditApp::Path, platform::WithTrailingSeparator(info.path()));
    if (!StartProgram({*chosen, {platform::AsFileArgument(file.fileName)}, file.folder}))
        ReportStartFailure(*chosen);
}

void ToolCommands::OnEditHtml()
{
    const QString page = ExistingPage();
    if (page.isEmpty())
        return;
    if (const auto editor = m_main.Options().HtmlEditor()) {
        if (!StartProgram({*editor, {page}, m_main.File().folder}))
            ReportStartFailure(*editor);
        return;
    }
    if (const auto textEditor = TextEditor(page, true); !textEditor || !StartProgram(*textEditor))
        ReportCannotOpen(page);
}

void ToolCommands::OnHelp()
{
    const QString page = platform::HelpPagePath();
    if (!OpenDocument(page))
        ReportCannotOpen(page);
}

void ToolCommands::OnJavaDocument()
{
    if (const auto document = m_main.Options().JavaDocument(); document && !OpenDocument(*document))
        ReportCannotOpen(*document);
}

std::optional<platform::ProcessSpec> ToolCommands::TextEditor(const QString& path, bool preferTextDefault) const
{
    const platform::DesktopEnvironment env = Environment();
    std::optional<platform::ProcessSpec> request;
    if (preferTextDefault)
        request = platform::DefaultApplicationFor(QStringLiteral("text/plain"), path, env);
    if (!request)
        request = platform::FallbackEditor(path, env);
    if (request)
        request->workingFolder = m_main.File().folder;
    return request;
}

// Editing and the links of the output window take the same editor; when only
// the desktop's opener knows it, the file opens without the line.
void ToolCommands::OpenSourceAtLine(const QString& path, int line, int column)
{
    const auto atLine = [&](const platform::ProcessSpec& editor) {
        return line > 0 ? platform::AtLine(editor, path, line, column) : editor;
    };
    if (const auto editor = SourceEditor(path)) {
        if (StartProgram(atLine(*editor)))
            return;
    } else if (OpenDocument(path)) {
        return;
    }
    if (const auto fallback = TextEditor(path, false); !fallback || !StartProgram(atLine(*fallback)))
        ReportCannotOpen(path);
}

std::optional<platform::ProcessSpec> ToolCommands::SourceEditor(const QString& path) const
{
    const QString folder = m_main.File().folder;
    if (const auto editor = m_main.Options().JavaEditor())
        return platform::ProcessSpec{*editor, {path}, folder};
    std::optional<platform::ProcessSpec> request =
        platform::DesktopApplicationFor(QUrl::fromLocalFile(path), Environment());
    if (request)
        request->workingFolder = folder;
    return request;
}

bool ToolCommands::OpenDocument(const QString& path)
{
    return platform::OpenWithDesktop(QUrl::fromLocalFile(path), Environment());
}

}  // namespace cmd
