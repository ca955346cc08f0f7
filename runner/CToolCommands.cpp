#include "runner/CToolCommands.h"

#include "platform/JdkFeatures.h"
#include "platform/Paths.h"
#include "platform/Terminal.h"
#include "platform/UserDialogs.h"
#include "runner/AppletViewerArguments.h"
#include "runner/ToolArguments.h"
#include "runner/ToolInvocation.h"
#include "settings/CFileUtil.h"
#include "settings/COptionModel.h"

#include <QWidget>

namespace {

const QString kFileError = QStringLiteral("ファイルエラー");

}  // namespace

void CToolCommands::OnCompile()
{
    const CurrentFile& file = m_main.File();
    if (!CheckExists(file.folder + file.fileName))
        return;
    const QString options = m_main.Options().GetJavacOptions();
    const std::optional<QString> encoding = SourceOptions({file.fileName}, options);
    if (!encoding)
        return;
    RunCaptured(QStringLiteral("javac.exe"),
                AppletApiOptions() + *encoding + runner::CompileArguments(options, file.fileName), false);
}

void CToolCommands::OnRebuild()
{
    const QString options = m_main.Options().GetJavacOptions();
    const std::optional<QString> encoding = SourceOptions(runner::JavaSourceNames(m_main.File().folder), options);
    if (!encoding)
        return;
    RunCaptured(QStringLiteral("javac.exe"), AppletApiOptions() + *encoding + runner::RebuildArguments(options), false);
}

void CToolCommands::OnRunJava()
{
    const CurrentFile& file = m_main.File();
    const COptionModel& options = m_main.Options();
    const runner::JavaRun run = runner::RunJavaArguments(options.GetJavaOptions(), options.GetJavaArgs(), file.fileName,
                                                         file.title, file.extension);
    if (!CheckExists(file.folder + run.fileToTest, run.fileToTest))
        return;
    const QString java = QStringLiteral("java.exe");
    if (options.IsKeepDosPrompt())
        RunToolDetached(java, run.arguments, true);
    else if (options.IsCaptureOutput())
        RunCaptured(java, run.arguments, true);
    else
        RunToolDetached(java, run.arguments);
}

// A JDK without appletviewer gets Tarnwick's own viewer, run by its java.
void CToolCommands::OnRunAppletViewer()
{
    const QString viewer = QStringLiteral("appletviewer.exe");
    const bool ownViewer = !HasTool(viewer);
    const QString viewerJar = platform::AppletViewerJar();
    if (ownViewer && !CFileUtil::FileExists(viewerJar))
        return ReportMissingOwnViewer(viewerJar);
    const CurrentFile& file = m_main.File();
    const QString page = file.title + QStringLiteral(".html");
    if (!CheckExists(file.folder + page))
        return;
    if (ownViewer)
        RunWindowedTool(QStringLiteral("java.exe"),
                        runner::OwnAppletViewerArguments(viewerJar, AppletApiOptions(), file.title));
    else
        RunWindowedTool(viewer, runner::AppletViewerArguments(file.title));
}

// A viewer shows its own windows and messages: without a terminal it starts
// on its own rather than captured, so the main window stays free.
void CToolCommands::RunWindowedTool(const QString& tool, const QString& arguments)
{
    if (!platform::FindTerminal(Environment()).isEmpty()) {
        RunToolDetached(tool, arguments);
        return;
    }
    const platform::ProcessSpec request =
        runner::BuildInvocation(m_main.JdkFolder(), tool, arguments, m_main.File().folder);
    if (!platform::IsStartable(request.program) || !StartProgram(request))
        ReportStartFailure(request.program);
}

void CToolCommands::OnRunBrowser()
{
    const CurrentFile& file = m_main.File();
    const QString page = file.folder + file.title + QStringLiteral(".html");
    if (!CheckExists(page))
        return;
    QString browser;
    const bool opened =
        m_main.Options().GetAppletBrowser(browser) ? StartProgram({browser, {page}, file.folder}) : OpenDocument(page);
    if (!opened)
        ReportCannotOpen(page);
}

void CToolCommands::OnMakeDocument()
{
    const std::optional<QString> encoding = SourceOptions({m_main.File().fileName});
    if (!encoding)
        return;
    RunToolDetached(QStringLiteral("javadoc.exe"), AppletApiOptions() + *encoding + runner::Utf8PagesOptions()
                                                       + runner::DocumentArguments(m_main.File().fileName));
}

void CToolCommands::OnMakeAllDocuments()
{
    const std::optional<QString> encoding = SourceOptions(runner::JavaSourceNames(m_main.File().folder));
    if (!encoding)
        return;
    RunToolDetached(QStringLiteral("javadoc.exe"),
                    AppletApiOptions() + *encoding + runner::Utf8PagesOptions() + runner::AllDocumentsArguments());
}

void CToolCommands::OnJavah()
{
    const QString javah = QStringLiteral("javah.exe");
    if (!HasTool(javah)) {
        if (m_main.File().extension == QLatin1String("java"))
            MakeHeaderWithJavac();
        else
            ReportMissingTool(javah);
        return;
    }
    if (!EnsureClassFile())
        return;
    RunCaptured(javah, runner::ClassToolArguments(m_main.Options().GetJavahOptions(), m_main.File().title), false);
}

void CToolCommands::OnRmic()
{
    const QString rmic = QStringLiteral("rmic.exe");
    if (!HasTool(rmic))
        return ReportMissingTool(rmic);
    if (!EnsureClassFile())
        return;
    RunCaptured(rmic, runner::ClassToolArguments(m_main.Options().GetRmicOptions(), m_main.File().title), false);
}

void CToolCommands::MakeHeaderWithJavac()
{
    const CurrentFile& file = m_main.File();
    if (!CheckExists(file.folder + file.fileName))
        return;
    const std::optional<QString> encoding = SourceOptions({file.fileName});
    if (!encoding)
        return;
    RunCaptured(QStringLiteral("javac.exe"),
                *encoding + runner::HeaderByJavacArguments(m_main.Options().Stored(), file.fileName), false);
}

bool CToolCommands::EnsureClassFile()
{
    const CurrentFile& file = m_main.File();
    const QString classFile = file.folder + file.title + QStringLiteral(".class");
    if (CFileUtil::FileExists(classFile))
        return true;
    if (file.extension == QLatin1String("java")) {
        OnCompile();
        if (CFileUtil::FileExists(classFile))
            return true;
    }
    CheckExists(classFile);
    return false;
}

QString CToolCommands::ToolPath(const QString& classicTool) const
{
    return m_main.JdkFolder() + platform::ToolFileName(classicTool);
}

QString CToolCommands::AppletApiOptions() const
{
    const QString apiJar = platform::AppletApiJar();
    if (!platform::LacksAppletApi(m_main.JdkFolder()) || !CFileUtil::FileExists(apiJar))
        return {};
    return runner::AppletApiOptions(apiJar);
}

bool CToolCommands::HasTool(const QString& classicTool) const { return platform::IsStartable(ToolPath(classicTool)); }

bool CToolCommands::CheckExists(const QString& path, const QString& shownName)
{
    if (CFileUtil::FileExists(path))
        return true;
    ShowMessage(m_main.Window(), (shownName.isEmpty() ? path : shownName) + QStringLiteral("は存在しません"),
                kFileError, MsgIcon::Error);
    return false;
}

void CToolCommands::ReportMissingTool(const QString& classicTool)
{
    const QString tool = platform::ToolFileName(classicTool);
    ShowMessage(m_main.Window(),
                QStringLiteral("JDKフォルダ %1 に %2 がありません。\n"
                               "%2 は新しいJDKでは削除されています。%2 を含むJDKを選択してください。")
                    .arg(m_main.JdkFolder(), tool),
                kFileError, MsgIcon::Error);
}

void CToolCommands::ReportMissingOwnViewer(const QString& viewerJar)
{
    ShowMessage(
        m_main.Window(),
        QStringLiteral("JDKフォルダ %1 に appletviewer がなく、Tarnwick のアプレットビューア %2 も見つかりません。\n"
                       "Tarnwick を入れ直してください。")
            .arg(m_main.JdkFolder(), viewerJar),
        kFileError, MsgIcon::Error);
}

void CToolCommands::ReportStartFailure(const QString& program)
{
    ShowMessage(m_main.Window(), program + QStringLiteral("を起動できません"), kFileError, MsgIcon::Error);
}

void CToolCommands::ReportCannotOpen(const QString& path)
{
    ShowMessage(m_main.Window(), QStringLiteral("%1を開けません").arg(path), kFileError, MsgIcon::Error);
}
