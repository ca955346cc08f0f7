// Starting the JDK tools: captured runs that wait and show their output, and
// detached runs in a console window of their own.
#include "commands/ToolCommands.h"

#include "compiler/KeptCompiler.h"
#include "java/PackageRoot.h"
#include "output/FollowRun.h"
#include "platform/Captions.h"
#include "platform/CommandLine.h"
#include "platform/JdkFeatures.h"
#include "platform/JdkLocator.h"
#include "platform/Paths.h"
#include "platform/Terminal.h"
#include "platform/UserDialogs.h"
#include "runner/RunningTool.h"
#include "runner/ToolInvocation.h"
#include "settings/OptionModel.h"

#include <QFileInfo>
#include <QWidget>

namespace cmd {

QString ToolCommands::RunFolder(const QString& folder) const
{
    return folder.isEmpty() ? m_main.File().folder : folder;
}

runner::ToolOutcome ToolCommands::RunCaptured(const QString& tool, const QString& arguments, const QString& subject,
                                              bool force, const QString& folder, const QString& note)
{
    const platform::ProcessSpec request =
        runner::BuildInvocation(m_main.JdkFolder(), tool, arguments, RunFolder(folder));
    const bool keptMayRun = m_kept != nullptr && m_main.Options().IsKeepCompilerWarm();
    runner::RunningTool run;
    if (!run.Start(request, force, keptMayRun ? m_kept : nullptr)) {
        ReportStartFailure(request.program);
        return {};
    }
    const QString name = QFileInfo(request.program).fileName();
    // A program's own output may look like javac's messages; only the JDK's
    // compilers are counted.
    const QString toolName = platform::ToolNameOf(request.program);
    const bool compiler = toolName != QLatin1String("java");
    WatchRun(run, {name + QLatin1Char(' ') + subject, runner::DisplayCommandLine(request), request.program,
                   request.workingFolder, force, Hints(), compiler, m_main.File().folder, note});
    const runner::ToolOutcome& outcome = run.Outcome();
    if (toolName == QLatin1String("javac") && outcome.Succeeded() && !run.HasOutput()) {
        const QString done =
            QStringLiteral("コンパイルしました: %1（%2）").arg(subject, runner::ElapsedText(outcome.elapsedMs));
        m_main.ShowNotice(note.isEmpty() ? done : done + QLatin1Char('\n') + note);
    }
    // The next compile in this folder finds the JVM warm.
    if (keptMayRun && compiler::IsEligible(request))
        m_kept->Prepare(m_main.JdkFolder(), request.workingFolder);
    return outcome;
}

void ToolCommands::WarmCompiler()
{
    if (m_kept == nullptr)
        return;
    m_kept->SetEnabled(m_main.Options().IsKeepCompilerWarm());
    if (!m_main.JdkFolder().isEmpty() && !m_main.File().fileName.isEmpty())
        m_kept->Prepare(m_main.JdkFolder(), java::ResolveJavaTarget(m_main.File()).folder);
}

// What the hints under the output may know: the JDK's release from its
// release file, the current file's class and how many arguments the program gets.
output::HintContext ToolCommands::Hints() const
{
    output::HintContext hints;
    hints.jdkFeature = platform::FeatureRelease(platform::ReadJdkVersion(m_main.JdkFolder()).value_or(QString()));
    hints.fileName = m_main.File().fileName;
    hints.className = java::ResolveJavaTarget(m_main.File()).className;
    hints.programArguments = static_cast<int>(platform::SplitCommandLine(m_main.Options().JavaArgs()).size());
    return hints;
}

void ToolCommands::WatchRun(runner::RunningTool& run, const RunView& view)
{
    output::FollowRun(m_main.Window(), run, view,
                      [this](const QString& path, int line, int column) { OpenSourceAtLine(path, line, column); });
}

bool ToolCommands::RunToolDetached(const QString& tool, const QString& arguments, const QString& subject, bool keepOpen,
                                   const QString& folder)
{
    const platform::ProcessSpec request =
        runner::BuildInvocation(m_main.JdkFolder(), tool, arguments, RunFolder(folder));
    if (!platform::IsStartable(request.program)) {
        ReportStartFailure(request.program);
        return false;
    }
    const QString terminal = platform::FindTerminal(Environment());
    if (terminal.isEmpty())
        return RunWithoutTerminal(tool, arguments, subject, folder);
    const platform::ProcessSpec launch = platform::InTerminal(terminal, request, keepOpen);
    if (StartProgram(launch))
        return true;
    ReportStartFailure(launch.program);
    return false;
}

// Output with no window to go to would be lost: say so and capture it.
bool ToolCommands::RunWithoutTerminal(const QString& tool, const QString& arguments, const QString& subject,
                                      const QString& folder)
{
    platform::ShowMessage(m_main.Window(),
                          QStringLiteral("端末エミュレータが見つかりません（探したもの: %1）。\n"
                                         "プログラムの出力は出力ウィンドウに表示します。")
                              .arg(platform::TerminalCandidates(Environment()).join(QStringLiteral("、"))),
                          platform::kFileErrorCaption, platform::MsgIcon::Exclamation);
    RunCaptured(tool, arguments, subject, true, folder);
    return true;
}

bool ToolCommands::StartProgram(const platform::ProcessSpec& request) { return platform::StartDetached(request); }

platform::DesktopEnvironment ToolCommands::Environment() const { return platform::CurrentDesktopEnvironment(); }

}  // namespace cmd
