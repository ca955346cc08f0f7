#include "commands/ToolCommands.h"

#include "commands/AppletViewerArguments.h"
#include "commands/DocumentFolder.h"
#include "commands/JavaLaunch.h"
#include "commands/ToolArguments.h"
#include "platform/Captions.h"
#include "platform/Paths.h"
#include "platform/Processes.h"
#include "platform/Terminal.h"
#include "platform/UserDialogs.h"
#include "runner/ToolInvocation.h"
#include "settings/FileUtil.h"
#include "settings/OptionModel.h"

#include <QFileInfo>
#include <QWidget>

namespace cmd {

void ToolCommands::OnCompile() { Compile(); }

runner::ToolOutcome ToolCommands::Compile()
{
    const java::CurrentFile& file = m_main.File();
    if (!CheckExists(file.folder + file.fileName))
        return {};
    const QString options = m_main.Options().JavacOptions();
    const std::optional<SourceReading> reading = SourceOptions({file.fileName}, options);
    if (!reading)
        return {};
    const CompileRequest request = CompileRequestFor(file, m_main.JdkFolder(), options, reading->options);
    return RunCaptured(QStringLiteral("javac.exe"), request.arguments, request.subject, false, request.folder,
                       reading->note);
}

void ToolCommands::OnRebuild()
{
    const QString options = m_main.Options().JavacOptions();
    const std::optional<SourceReading> reading = SourceOptions(runner::JavaSourceNames(m_main.File().folder), options);
    if (!reading)
        return;
    const java::JavaTarget target = java::ResolveJavaTarget(m_main.File());
    RunCaptured(QStringLiteral("javac.exe"),
                AppletApiOptions() + reading->options + cmd::RebuildArguments(options, target.PackagePath()),
                target.PackagePath() + QStringLiteral("*.java"), false, target.folder, reading->note);
}

void ToolCommands::OnRunJava()
{
    const std::optional<JavaLaunch> launch = PrepareJavaRun();
    if (!launch)
        return;
    const settings::OptionModel& options = m_main.Options();
    const QString java = QStringLiteral("java.exe");
    const QString folder = launch->target.folder;
    if (options.IsKeepDosPrompt())
        RunToolDetached(java, launch->run.arguments, launch->run.subject, true, folder);
    else if (options.IsCaptureOutput())
        RunCaptured(java, launch->run.arguments, launch->run.subject, true, folder);
    else
        RunToolDetached(java, launch->run.arguments, launch->run.subject, false, folder);
}

std::optional<JavaLaunch> ToolCommands::PrepareJavaRun()
{
    const settings::OptionModel& options = m_main.Options();
    const JavaLaunch launch = PlanJavaLaunch(m_main.File(), options.JavaOptions(), options.JavaArgs());
    if (launch.problem == JavaLaunch::Problem::None)
        return launch;
    platform::ShowMessage(m_main.Window(), launch.message, platform::kFileErrorCaption,
                          launch.problem == JavaLaunch::Problem::Misplaced ? platform::MsgIcon::Exclamation
                                                                           : platform::MsgIcon::Error);
    return std::nullopt;
}

// A JDK without appletviewer gets Tarnwick's own viewer, run by its java.
void ToolCommands::OnRunAppletViewer()
{
    const QString viewer = QStringLiteral("appletviewer.exe");
    const bool ownViewer = !HasTool(viewer);
    const QString viewerJar = platform::AppletViewerJar();
    if (ownViewer && !settings::FileUtil::FileExists(viewerJar))
        return ReportMissingOwnViewer(viewerJar);
    const QString page = ExistingPage();
    if (page.isEmpty())
        return;
    const QString title = m_main.File().title;
    const QString pageName = QFileInfo(page).fileName();
    if (ownViewer)
        RunWindowedTool(QStringLiteral("java.exe"), cmd::OwnAppletViewerArguments(viewerJar, AppletApiOptions(), title),
                        pageName);
    else
        RunWindowedTool(viewer, cmd::AppletViewerArguments(title), pageName);
}

// A viewer shows its own windows and messages: without a terminal it starts
// on its own rather than captured, so the main window stays free.
void ToolCommands::RunWindowedTool(const QString& tool, const QString& arguments, const QString& subject)
{
    if (!platform::FindTerminal(Environment()).isEmpty()) {
        RunToolDetached(tool, arguments, subject);
        return;
    }
    const platform::ProcessSpec request =
        runner::BuildInvocation(m_main.JdkFolder(), tool, arguments, m_main.File().folder);
    if (!platform::IsStartable(request.program) || !StartProgram(request))
        ReportStartFailure(request.program);
}

void ToolCommands::OnRunBrowser()
{
    const QString page = ExistingPage();
    if (page.isEmpty())
        return;
    const auto browser = m_main.Options().AppletBrowser();
    const bool opened = browser ? StartProgram({*browser, {page}, m_main.File().folder}) : OpenDocument(page);
    if (!opened)
        ReportCannotOpen(page);
}

void ToolCommands::OnMakeDocument()
{
    const QString fileName = m_main.File().fileName;
    RunJavadoc({fileName}, cmd::DocumentArguments(fileName), fileName);
}

void ToolCommands::OnMakeAllDocuments()
{
    RunJavadoc(runner::JavaSourceNames(m_main.File().folder), cmd::AllDocumentsArguments(), QStringLiteral("*.java"));
}

// Quiet: a clean run prints nothing, so no window opens; warnings and
// errors show in the output window, links and hints with them.
void ToolCommands::RunJavadoc(const QStringList& names, const QString& arguments, const QString& subject)
{
    if (!MayWriteDocuments())
        return;
    const std::optional<SourceReading> reading = SourceOptions(names);
    if (!reading)
        return;
    using Status = runner::ToolOutcome::Status;
    const runner::ToolOutcome outcome = RunCaptured(QStringLiteral("javadoc.exe"),
                                                    AppletApiOptions() + reading->options + cmd::Utf8PagesOptions()
                                                        + QStringLiteral("-quiet ") + arguments,
                                                    subject, false, {}, reading->note);
    if (outcome.Succeeded())
        m_main.ShowNotice(QStringLiteral("ドキュメントの出力先: %1%2/")
                              .arg(m_main.File().folder, QLatin1String(cmd::kDocumentFolder)));
    else if (outcome.status == Status::Finished || outcome.status == Status::Crashed)
        m_main.ShowNotice(QStringLiteral("ドキュメントを生成できませんでした: %1（%2）")
                              .arg(subject, outcome.status == Status::Crashed
                                                ? QStringLiteral("異常終了しました")
                                                : QStringLiteral("終了コード %1").arg(outcome.exitCode)));
}

bool ToolCommands::MayWriteDocuments()
{
    const cmd::DocumentFolder doc = cmd::InspectDocumentFolder(m_main.File().folder);
    switch (doc.kind) {
    case cmd::DocumentFolder::Kind::Free: return true;
    case cmd::DocumentFolder::Kind::LinkOutside:
        platform::ShowMessage(m_main.Window(),
                              QStringLiteral("%1 はソースのフォルダの外（%2）へのリンクです。\n"
                                             "リンク先のファイルを書き換えないよう、ドキュメントを生成しません。"
                                             "リンクを削除するか、名前を変えてください。")
                                  .arg(doc.path, doc.target.isEmpty() ? QStringLiteral("存在しない場所") : doc.target),
                              platform::kFileErrorCaption, platform::MsgIcon::Error);
        return false;
    case cmd::DocumentFolder::Kind::Foreign: break;
    }
    return platform::UserDialogs().Message(
               m_main.Window(),
               QStringLiteral("%1 には javadoc が作ったのではないファイルがあります。\n"
                              "javadoc は同じ名前のファイル（index.html など）を上書きします。"
                              "このフォルダに書き込みますか？")
                   .arg(doc.path),
               platform::kQuestionCaption, platform::MsgIcon::Question, platform::MsgButtons::YesNoDefaultNo)
           == platform::MsgAnswer::Yes;
}

void ToolCommands::OnJavah()
{
    const QString javah = QStringLiteral("javah.exe");
    if (!HasTool(javah)) {
        if (m_main.File().extension == QLatin1String("java"))
            MakeHeaderWithJavac();
        else
            ReportMissingTool(javah);
        return;
    }
    const QString title = m_main.File().title;
    if (!IsClassName(title, javah) || !EnsureClassFile())
        return;
    RunCaptured(javah, cmd::ClassToolArguments(m_main.Options().JavahOptions(), title), title, false);
}

void ToolCommands::OnRmic()
{
    const QString rmic = QStringLiteral("rmic.exe");
    if (!HasTool(rmic))
        return ReportMissingTool(rmic);
    const QString title = m_main.File().title;
    if (!IsClassName(title, rmic) || !EnsureClassFile())
        return;
    RunCaptured(rmic, cmd::ClassToolArguments(m_main.Options().RmicOptions(), title), title, false);
}

void ToolCommands::MakeHeaderWithJavac()
{
    const java::CurrentFile& file = m_main.File();
    if (!CheckExists(file.folder + file.fileName))
        return;
    const std::optional<SourceReading> reading = SourceOptions({file.fileName});
    if (!reading)
        return;
    RunCaptured(QStringLiteral("javac.exe"),
                reading->options + cmd::HeaderByJavacArguments(m_main.Options().Stored(), file.fileName), file.fileName,
                false, {}, reading->note);
}

bool ToolCommands::IsClassName(const QString& title, const QString& classicTool)
{
    if (cmd::IsJavaIdentifier(title))
        return true;
    platform::ShowMessage(
        m_main.Window(),
        QStringLiteral("%1 はクラス名（Java の識別子）ではないため、%2 に渡しません。\n"
                       "ファイル名をクラス名にしてください（文字・_・$ で始まり、文字・数字・_・$ が続く名前）。")
            .arg(title, platform::ToolFileName(classicTool)),
        platform::kFileErrorCaption, platform::MsgIcon::Error);
    return false;
}

bool ToolCommands::EnsureClassFile()
{
    const java::CurrentFile& file = m_main.File();
    const QString classFile = file.folder + file.title + QStringLiteral(".class");
    if (settings::FileUtil::FileExists(classFile))
        return true;
    if (file.extension == QLatin1String("java")) {
        Compile();
        if (settings::FileUtil::FileExists(classFile))
            return true;
    }
    CheckExists(classFile);
    return false;
}

QString ToolCommands::ToolPath(const QString& classicTool) const
{
    return m_main.JdkFolder() + platform::ToolFileName(classicTool);
}

QString ToolCommands::AppletApiOptions() const { return AppletApiOptionsFor(m_main.JdkFolder()); }

QString ToolCommands::ExistingPage()
{
    const java::CurrentFile& file = m_main.File();
    const QString page = file.folder + file.title + QStringLiteral(".html");
    return CheckExists(page) ? page : QString();
}

bool ToolCommands::HasTool(const QString& classicTool) const { return platform::IsStartable(ToolPath(classicTool)); }

bool ToolCommands::CheckExists(const QString& path, const QString& shownName, const QString& note)
{
    if (settings::FileUtil::FileExists(path))
        return true;
    platform::ShowMessage(m_main.Window(),
                          (shownName.isEmpty() ? path : shownName) + QStringLiteral("は存在しません") + note,
                          platform::kFileErrorCaption, platform::MsgIcon::Error);
    return false;
}

void ToolCommands::ReportMissingTool(const QString& classicTool)
{
    const QString tool = platform::ToolFileName(classicTool);
    platform::ShowMessage(m_main.Window(),
                          QStringLiteral("JDKフォルダ %1 に %2 がありません。\n"
                                         "%2 は新しいJDKでは削除されています。%2 を含むJDKを選択してください。")
                              .arg(m_main.JdkFolder(), tool),
                          platform::kFileErrorCaption, platform::MsgIcon::Error);
}

void ToolCommands::ReportMissingOwnViewer(const QString& viewerJar)
{
    platform::ShowMessage(
        m_main.Window(),
        QStringLiteral("JDKフォルダ %1 に appletviewer がなく、Tarnwick のアプレットビューア %2 も見つかりません。\n"
                       "Tarnwick を入れ直してください。")
            .arg(m_main.JdkFolder(), viewerJar),
        platform::kFileErrorCaption, platform::MsgIcon::Error);
}

void ToolCommands::ReportStartFailure(const QString& program)
{
    platform::ShowMessage(m_main.Window(), program + QStringLiteral("を起動できません"), platform::kFileErrorCaption,
                          platform::MsgIcon::Error);
}

void ToolCommands::ReportCannotOpen(const QString& path)
{
    platform::ShowMessage(m_main.Window(), QStringLiteral("%1を開けません").arg(path), platform::kFileErrorCaption,
                          platform::MsgIcon::Error);
}

}  // namespace cmd
