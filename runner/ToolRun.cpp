// Starting the JDK tools: captured runs that wait and show their output, and
// detached runs in a console window of their own.
#include "runner/CToolCommands.h"

#include "platform/Terminal.h"
#include "platform/UserDialogs.h"
#include "runner/COutputDialog.h"
#include "runner/RunningTool.h"
#include "runner/ToolInvocation.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

namespace {

// The window shows with the first text, or after this long without any.
constexpr int kWindowDelayMs = 500;

}  // namespace

void CToolCommands::RunCaptured(const QString& tool, const QString& arguments, bool force)
{
    const CurrentFile& file = m_main.File();
    const platform::ProcessSpec request = runner::BuildInvocation(m_main.JdkFolder(), tool, arguments, file.folder);
    runner::RunningTool run;
    if (!run.Start(request, force)) {
        ReportStartFailure(request.program);
        return;
    }
    const QString name = QFileInfo(request.program).fileName();
    WatchRun(run, {name + QLatin1Char(' ') + file.fileName, runner::DisplayCommandLine(request), request.program,
                   file.folder, force});
    const runner::ToolOutcome& outcome = run.Outcome();
    if (name == QLatin1String("javac") && outcome.Succeeded() && !run.HasOutput())
        m_main.ShowNotice(
            QStringLiteral("コンパイルしました: %1（%2）").arg(file.fileName, runner::ElapsedText(outcome.elapsedMs)));
}

// Until the first text or a moment has passed, the main window keeps painting
// but takes no input; then the output window follows the run, modal, and
// stays until the user closes it. A tool that ended silently and well shows
// nothing unless forced; a silent failure still says how it ended.
void CToolCommands::WatchRun(runner::RunningTool& run, const RunView& view)
{
    QList<std::pair<QString, runner::Stream>> early;
    if (run.IsRunning()) {
        QEventLoop loop;
        QObject::connect(&run, &runner::RunningTool::TextArrived, &loop,
                         [&](const QString& text, runner::Stream stream) {
                             early.append({text, stream});
                             loop.quit();
                         });
        QObject::connect(&run, &runner::RunningTool::Finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(kWindowDelayMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const bool silentIsEnough = !view.force;
    if (!run.IsRunning() && !run.HasOutput() && silentIsEnough && run.Outcome().Succeeded())
        return;
    if (QWidget* window = m_main.Window()) {
        window->raise();
        window->activateWindow();
    }
    COutputDialog dialog(m_main.Window());
    dialog.BeginRun(view.title, view.commandLine, run.AcceptsInput(), view.folder);
    for (const auto& [text, stream] : early)
        dialog.AppendText(text, stream);
    QObject::connect(&run, &runner::RunningTool::TextArrived, &dialog, &COutputDialog::AppendText);
    QObject::connect(&run, &runner::RunningTool::Finished, &dialog, [&](const runner::ToolOutcome& outcome) {
        dialog.EndRun(outcome, view.program);
        if (!run.HasOutput() && silentIsEnough && outcome.Succeeded())
            dialog.done(QDialog::Accepted);
    });
    QObject::connect(&dialog, &COutputDialog::AbortRequested, &run, &runner::RunningTool::Abort);
    QObject::connect(&dialog, &COutputDialog::InputEntered, &run, &runner::RunningTool::SendInput);
    QObject::connect(&dialog, &COutputDialog::InputClosed, &run, &runner::RunningTool::CloseInput);
    QObject::connect(&dialog, &COutputDialog::LinkActivated, &dialog,
                     [this](const QString& path, int line) { OpenSourceAtLine(path, line); });
    if (!run.IsRunning())
        dialog.EndRun(run.Outcome(), view.program);
    dialog.exec();
    if (run.IsRunning()) {
        run.Abort();
        run.WaitForEnd();
    }
}

bool CToolCommands::RunToolDetached(const QString& tool, const QString& arguments, bool keepOpen)
{
    const platform::ProcessSpec request =
        runner::BuildInvocation(m_main.JdkFolder(), tool, arguments, m_main.File().folder);
    if (!platform::IsStartable(request.program)) {
        ReportStartFailure(request.program);
        return false;
    }
    const platform::ProcessSpec launch =
        platform::ForConsoleWindow(platform::FindTerminal(Environment()), request, keepOpen);
    if (StartProgram(launch))
        return true;
    ReportStartFailure(launch.program);
    return false;
}

bool CToolCommands::StartProgram(const platform::ProcessSpec& request) { return platform::StartDetached(request); }

platform::DesktopEnvironment CToolCommands::Environment() const { return platform::CurrentDesktopEnvironment(); }
