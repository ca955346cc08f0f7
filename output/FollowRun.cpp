#include "output/FollowRun.h"

#include "output/OutputDialog.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

namespace output {

namespace {

// A run that may wait for input shows its window after this long without text.
constexpr int kInputWindowDelayMs = 500;

using Texts = QList<std::pair<QString, runner::Stream>>;

// Waits for the first text or the end of the run, at most limitMs when that
// is not negative. The main window keeps painting but takes no input.
Texts WaitForFirstText(runner::RunningTool& run, int limitMs)
{
    Texts early;
    QEventLoop loop;
    QObject::connect(&run, &runner::RunningTool::TextArrived, &loop, [&](const QString& text, runner::Stream stream) {
        early.append({text, stream});
        loop.quit();
    });
    QObject::connect(&run, &runner::RunningTool::Finished, &loop, &QEventLoop::quit);
    if (limitMs >= 0)
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::restoreOverrideCursor();
    return early;
}

}  // namespace

// A tool that ended silently and well shows nothing unless forced; a silent
// failure still says how it ended. The window is modal and stays until the
// user closes it.
void FollowRun(QWidget* owner, runner::RunningTool& run, const RunView& view, const LinkOpener& openLink)
{
    const Texts early =
        run.IsRunning() ? WaitForFirstText(run, run.AcceptsInput() ? kInputWindowDelayMs : -1) : Texts();
    const bool silentIsEnough = !view.force;
    if (!run.IsRunning() && !run.HasOutput() && silentIsEnough && run.Outcome().Succeeded())
        return;
    if (QWidget* window = owner ? owner->window() : nullptr) {
        window->raise();
        window->activateWindow();
    }
    OutputDialog dialog(owner);
    dialog.BeginRun(view.title, view.commandLine, run.AcceptsInput(), view.folder, view.hints, view.countsDiagnostics);
    dialog.SetSaveFolder(view.saveFolder);
    if (!view.note.isEmpty())
        dialog.AppendText(view.note + QLatin1Char('\n'), runner::Stream::Output);
    for (const auto& [text, stream] : early)
        dialog.AppendText(text, stream);
    QObject::connect(&run, &runner::RunningTool::TextArrived, &dialog, &OutputDialog::AppendText);
    QObject::connect(&run, &runner::RunningTool::Finished, &dialog, [&](const runner::ToolOutcome& outcome) {
        dialog.EndRun(outcome, view.program);
        if (!run.HasOutput() && silentIsEnough && outcome.Succeeded())
            dialog.done(QDialog::Accepted);
    });
    QObject::connect(&dialog, &OutputDialog::AbortRequested, &run, &runner::RunningTool::Abort);
    QObject::connect(&dialog, &OutputDialog::InputEntered, &run, &runner::RunningTool::SendInput);
    QObject::connect(&dialog, &OutputDialog::InputClosed, &run, &runner::RunningTool::CloseInput);
    if (openLink)
        QObject::connect(&dialog, &OutputDialog::LinkActivated, &dialog, openLink);
    if (!run.IsRunning())
        dialog.EndRun(run.Outcome(), view.program);
    dialog.exec();
    if (run.IsRunning()) {
        run.Abort();
        run.WaitForEnd();
    }
}

}  // namespace output
