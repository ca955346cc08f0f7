#pragma once
// A main window stand-in, commands that record their windows, starts and opens, and a fixture on "my src/".
#include "commands/IMainContext.h"
#include "commands/ToolCommands.h"
#include "judge/CaseBatch.h"
#include "platform/JdkLocator.h"
#include "runner/RunningTool.h"
#include "settings/OptionModel.h"

#include "tests/runner/RunnerTestSupport.h"
#include "tests/support/FakeUserDialogs.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QWidget>
#include <gtest/gtest.h>

class FakeMainContext : public cmd::IMainContext {
public:
    QWidget window;
    java::CurrentFile file;
    QString jdk;
    settings::OptionModel options;

    QWidget* Window() override { return &window; }
    const java::CurrentFile& File() const override { return file; }
    QString JdkFolder() const override { return jdk; }
    settings::OptionModel& Options() override { return options; }
    void SetCurrentFile(const QString& path) override
    {
        const QFileInfo info(path);
        file = {info.fileName(), info.completeBaseName(), info.absolutePath() + '/', info.suffix().toLower()};
    }
    void ExecuteCommand(int) override {}
    void RefreshJavaDocumentCommand() override { ++refreshes; }
    void ShowNotice(const QString& text) override { notices << text; }
    QStringList notices;
    int refreshes = 0;
};

class RecordingCommands : public cmd::ToolCommands {
public:
    using cmd::ToolCommands::ToolCommands;

    QStringList shown;   // the text of each run whose window would show
    QStringList titles;  // the title of each captured run's window
    QList<output::HintContext> hints;
    QList<runner::ToolOutcome> outcomes;
    bool live = false;           // runs show the real output window
    QList<QStringList> started;  // {working folder, program, arguments...}
    QList<bool> startedUtf8;     // whether each started under a UTF-8 locale
    QStringList opened;
    bool startSucceeds = true;
    bool openSucceeds = true;
    bool realOpen = false;             // open through the desktop with env
    platform::DesktopEnvironment env;  // no terminal, no editors
    QString terminal;                  // when set, record what runs inside it

    // A fake terminal on the searched path, so detached tools start in it.
    void UseTerminal(const TempFolder& bin)
    {
        terminal = WriteScript(bin, "xterm");
        env.path = {bin.Path()};
    }

    // Each results window's view, and its cases' verdicts once their runs ended.
    QList<output::CaseResultsView> caseViews;
    QList<QList<judge::Verdict>> verdicts;
    judge::JudgeRules caseRules;

protected:
    void ShowCaseResults(judge::CaseBatch& batch, const output::CaseResultsView& view) override
    {
        caseViews << view;
        caseRules = batch.Rules();
        if (batch.IsRunning()) {
            QEventLoop loop;
            QObject::connect(&batch, &judge::CaseBatch::finished, &loop, &QEventLoop::quit);
            loop.exec();
        }
        if (!batch.CanRun()) {  // the user presses re-run after a compile error
            batch.RunAll();
            batch.RunOne(0);
        }
        QList<judge::Verdict> shown;
        for (int i = 0; i < batch.Cases().size(); ++i)
            shown << batch.Result(i).verdict;
        verdicts << shown;
    }
    void WatchRun(runner::RunningTool& run, const RunView& view) override
    {
        titles << view.title;
        hints << view.hints;
        if (live)
            return cmd::ToolCommands::WatchRun(run, view);
        QString text;
        const auto keep = QObject::connect(&run, &runner::RunningTool::TextArrived,
                                           [&](const QString& lines, runner::Stream) { text += lines; });
        run.CloseInput();
        run.WaitForEnd();
        QObject::disconnect(keep);
        outcomes << run.Outcome();
        if (run.HasOutput() || view.force)
            shown << text;
    }
    bool StartProgram(const platform::ProcessSpec& request) override
    {
        QStringList command = QStringList{request.program} + request.arguments;
        if (!terminal.isEmpty() && request.program == terminal)
            command = request.arguments.mid(request.arguments.indexOf("-e") + 1);
        started << QStringList{request.workingFolder} + command;
        startedUtf8 << request.utf8Locale;
        return startSucceeds;
    }
    bool OpenDocument(const QString& path) override
    {
        opened << path;
        return realOpen ? cmd::ToolCommands::OpenDocument(path) : openSucceeds;
    }
    platform::DesktopEnvironment Environment() const override { return env; }
};

class CommandsTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    TempDirSandbox tmp;
    TempFolder root;
    FakeUserDialogs dialogs;
    FakeMainContext main;
    RecordingCommands commands{main};
    const QString src = root.Path("my src/");

    CommandsTest() { main.SetCurrentFile(src + "Hello.java"); }
    ~CommandsTest() override { EXPECT_EQ(tmp.CaptureLeftovers(), QStringList()) << "capture files are deleted"; }

    void Options(const QByteArray& ini)
    {
        settings.WriteIni(ini);
        main.options.Load();
    }
    // The installed JDK as the current one; false without one.
    bool UseFoundJdk()
    {
        const std::optional<QString> jdk = platform::FindJdk();
        main.jdk = jdk.value_or(QString());
        return jdk.has_value();
    }
    void Compile(const QString& name, const QByteArray& text)
    {
        main.SetCurrentFile(root.Write("my src/" + name, text));
        commands.OnCompile();
    }
    QString Src(const QString& name) const { return root.Write("my src/" + name); }
    QStringList Messages() const
    {
        QStringList texts;
        for (const RecordedMessage& m : dialogs.messages)
            texts << m.text;
        return texts;
    }
};
