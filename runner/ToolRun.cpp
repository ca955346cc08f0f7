// Starting the JDK tools: captured runs that wait and show their output, and
// detached runs in a console window of their own.
#include "runner/CToolCommands.h"

#include "platform/Paths.h"
#include "platform/Terminal.h"
#include "platform/UserDialogs.h"
#include "runner/COutputDialog.h"
#include "runner/CRunningDialog.h"
#include "runner/CapturedText.h"
#include "runner/ToolInvocation.h"

#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QWidget>

namespace {

// A tool that ends sooner never shows the running window.
constexpr int kRunningWindowDelayMs = 500;

}  // namespace

void CToolCommands::RunCaptured(const QString& tool, const QString& arguments, bool force)
{
    if (!PrepareCaptureFiles())
        return;
    if (RunTool(tool, arguments))
        ShowCapturedOutput(force);
    DeleteCaptureFiles();
}

bool CToolCommands::PrepareCaptureFiles()
{
    if (m_capture.Prepare())
        return true;
    ShowMessage(m_main.Window(),
                QStringLiteral("出力を受け取る一時ファイルを%1に作成できません")
                    .arg(QDir::toNativeSeparators(platform::TemporaryFolder())),
                QStringLiteral("ファイルエラー"), MsgIcon::Error);
    return false;
}

void CToolCommands::DeleteCaptureFiles() { m_capture.Delete(); }

bool CToolCommands::RunTool(const QString& tool, const QString& arguments)
{
    const platform::ProcessSpec request =
        runner::BuildInvocation(m_main.JdkFolder(), tool, arguments, m_main.File().folder);
    QProcess process;
    platform::Configure(process, request);
    m_capture.Attach(process);
    process.start();
    if (!process.waitForStarted(-1)) {
        ReportStartFailure(request.program);
        return false;
    }
    WaitForTool(process, runner::DisplayCommandLine(request));
    return true;
}

// The main window keeps painting but takes no input; after a moment the
// running window offers to end the tool.
void CToolCommands::WaitForTool(QProcess& process, const QString& commandLine)
{
    {
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(kRunningWindowDelayMs, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (process.state() != QProcess::NotRunning) {
        CRunningDialog running(commandLine, m_main.Window());
        QObject::connect(&process, &QProcess::finished, &running, &QDialog::accept);
        QObject::connect(&running, &CRunningDialog::Aborted, &process, &QProcess::kill);
        if (process.state() != QProcess::NotRunning)
            running.exec();
    }
    process.waitForFinished(-1);
}

void CToolCommands::ShowCapturedOutput(bool force)
{
    runner::CapturedText captured = runner::ReadCapturedOutput(m_capture.OutputPath(), m_capture.ErrorPath());
    if (!captured.hasOutput && !force)
        return;
    if (QWidget* window = m_main.Window()) {
        window->raise();
        window->activateWindow();
    }
    ShowOutputWindow(std::move(captured.text));
}

void CToolCommands::ShowOutputWindow(QString text)
{
    COutputDialog dialog(m_main.Window());
    dialog.SetText(std::move(text));
    dialog.exec();
}

bool CToolCommands::RunToolDetached(const QString& tool, const QString& arguments, bool keepOpen)
{
    const platform::ProcessSpec request =
        runner::BuildInvocation(m_main.JdkFolder(), tool, arguments, m_main.File().folder);
    if (!platform::IsStartable(request.program)) {
        ReportStartFailure(request.program);
        return false;
    }
    const QString terminal = platform::FindTerminal(Environment());
    if (terminal.isEmpty())
        return RunWithoutTerminal(tool, arguments);
    const platform::ProcessSpec launch = platform::InTerminal(terminal, request, keepOpen);
    if (StartProgram(launch))
        return true;
    ReportStartFailure(launch.program);
    return false;
}

// Output with no window to go to would be lost: say so and capture it.
bool CToolCommands::RunWithoutTerminal(const QString& tool, const QString& arguments)
{
    ShowMessage(m_main.Window(),
                QStringLiteral("端末エミュレータが見つかりません（探したもの: %1）。\n"
                               "プログラムの出力は、終了後に出力ウィンドウに表示します。")
                    .arg(platform::TerminalCandidates(Environment()).join(QStringLiteral("、"))),
                QStringLiteral("ファイルエラー"), MsgIcon::Exclamation);
    RunCaptured(tool, arguments, true);
    return true;
}

bool CToolCommands::StartProgram(const platform::ProcessSpec& request) { return platform::StartDetached(request); }

platform::DesktopEnvironment CToolCommands::Environment() const { return platform::CurrentDesktopEnvironment(); }
