#include "runner/FollowRun.h"

#include "runner/COutputDialog.h"

#include <QEventLoop>
#include <QTimer>

namespace runner {

namespace {

// The window shows with the first text, or after this long without any.
constexpr int kWindowDelayMs = 500;

}  // namespace

// Until the first text or a moment has passed, the main window keeps painting
// but takes no input; then the output window follows the run, modal, and
// stays until the user closes it. A tool that ended silently and well shows
// nothing unless forced; a silent failure still says how it ended.
void FollowRun(QWidget* owner, RunningTool& run, const RunView& view, const LinkOpener& openLink)
{
    QList<std::pair<QString, Stream>> early;
    if (run.IsRunning()) {
        QEventLoop loop;
        QObject::connect(&run, &RunningTool::TextArrived, &loop, [&](const QString& text, Stream stream) {
            early.append({text, stream});
            loop.quit();
        });
        QObject::connect(&run, &RunningTool::Finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(kWindowDelayMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const bool silentIsEnough = !view.force;
    if (!run.IsRunning() && !run.HasOutput() && silentIsEnough && run.Outcome().Succeeded())
        return;
    if (QWidget* window = owner ? owner->window() : nullptr) {
        window->raise();
        window->activateWindow();
    }
    COutputDialog dialog(owner);
    dialog.BeginRun(view.title, view.commandLine, run.AcceptsInput(), view.folder);
    for (const auto& [text, stream] : early)
        dialog.AppendText(text, stream);
    QObject::connect(&run, &RunningTool::TextArrived, &dialog, &COutputDialog::AppendText);
    QObject::connect(&run, &RunningTool::Finished, &dialog, [&](const ToolOutcome& outcome) {
        dialog.EndRun(outcome, view.program);
        if (!run.HasOutput() && silentIsEnough && outcome.Succeeded())
            dialog.done(QDialog::Accepted);
    });
    QObject::connect(&dialog, &COutputDialog::AbortRequested, &run, &RunningTool::Abort);
    QObject::connect(&dialog, &COutputDialog::InputEntered, &run, &RunningTool::SendInput);
    QObject::connect(&dialog, &COutputDialog::InputClosed, &run, &RunningTool::CloseInput);
    if (openLink)
        QObject::connect(&dialog, &COutputDialog::LinkActivated, &dialog, openLink);
    if (!run.IsRunning())
        dialog.EndRun(run.Outcome(), view.program);
    dialog.exec();
    if (run.IsRunning()) {
        run.Abort();
        run.WaitForEnd();
    }
}

}  // namespace runner
