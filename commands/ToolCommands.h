#pragma once
// The main window's commands that run JDK tools or hand files to other
// programs, and the options command.
#include "commands/CommandRow.h"
#include "commands/IMainContext.h"
#include "commands/JavaLaunch.h"
#include "judge/CaseFinder.h"
#include "output/CaseResultsDialog.h"
#include "platform/DesktopEnvironment.h"
#include "platform/Processes.h"

#include <optional>

#include "output/FollowRun.h"

namespace compiler {
class KeptCompiler;
}

namespace cmd {

class ToolCommands {
public:
    explicit ToolCommands(cmd::IMainContext& main)
        : m_main(main)
    {}
    virtual ~ToolCommands() = default;

    void OnCompile();
    void OnRebuild();
    void OnRunJava();
    void OnRunCases();
    void OnRunAppletViewer();
    void OnRunBrowser();
    void OnMakeDocument();
    void OnMakeAllDocuments();
    void OnJavah();
    void OnRmic();

    void OnEditSource();
    void OnEditSourceWith();
    void OnEditHtml();
    void OnHelp();
    void OnJavaDocument();

    void OnOptions();

    // javac, javadoc and jar go to kept when it is ready and the options
    // allow it; without one every tool runs as a command.
    void SetKeptCompiler(compiler::KeptCompiler* kept) { m_kept = kept; }
    // Starts (or keeps) the kept JVM for the JDK and the current source's
    // compile folder, or ends it when the options turn it off.
    void WarmCompiler();

    // Opens a source file in the editor that editing uses, told the line
    // (from 1), and the column where it takes one, when the editor's way of
    // taking it is known; line 0, or an editor that cannot be told, opens
    // the file alone. Links of the output window come here.
    void OpenSourceAtLine(const QString& path, int line, int column = 0);

    using RunView = output::RunView;

protected:
    // Shows the run's text as it arrives and returns when the run has ended
    // and its window was closed; tests replace it.
    virtual void WatchRun(runner::RunningTool& run, const RunView& view);
    // Shows the results of the batch's cases, whose runs have started, and
    // returns when the window was closed; tests replace it.
    virtual void ShowCaseResults(judge::CaseBatch& batch, const output::CaseResultsView& view);
    // What the commands hand to the desktop; tests replace them.
    virtual bool StartProgram(const platform::ProcessSpec& request);
    virtual bool OpenDocument(const QString& path);
    virtual platform::DesktopEnvironment Environment() const;

private:
    // javac on the current source as Ctrl+C runs it; NotStarted when the
    // command stopped before (after its message).
    runner::ToolOutcome Compile();
    // java's run of the current file, or nothing after the message that says
    // why it cannot run.
    std::optional<JavaLaunch> PrepareJavaRun();
    // The current source's cases: found beside it, else in the folder chosen
    // for it before, else in a folder the user chooses now (remembered when
    // it holds cases). Nothing after a message or a cancel.
    std::optional<judge::CaseFolder> LocateCases();
    // The user's stored rules, changed by the cases' judge.ini.
    judge::JudgeRules CaseRules(const QString& casesFolder);

    // The captured form: the output window follows the run, titled with the
    // tool and its subject (the file or class given to it); a program run
    // (force) always shows it and takes input. Tools run in folder, by
    // default the current file's. A note goes before the tool's output, or
    // after a clean compile's notice. How the run ended (NotStarted after the
    // message that it could not start).
    runner::ToolOutcome RunCaptured(const QString& tool, const QString& arguments, const QString& subject, bool force,
                                    const QString& folder = {}, const QString& note = {});
    // The detached form: in a console window of its own, not waited for.
    bool RunToolDetached(const QString& tool, const QString& arguments, const QString& subject, bool keepOpen = false,
                         const QString& folder = {});
    // Without a terminal: a message, then the captured form.
    bool RunWithoutTerminal(const QString& tool, const QString& arguments, const QString& subject,
                            const QString& folder);
    QString RunFolder(const QString& folder) const;
    output::HintContext Hints() const;
    // A tool with windows of its own: in a terminal when there is one, else
    // started directly.
    void RunWindowedTool(const QString& tool, const QString& arguments, const QString& subject);
    // javadoc into its own folder beside the sources, captured, so that its
    // messages stay and a notice says whether it made the pages.
    void RunJavadoc(const QStringList& names, const QString& arguments, const QString& subject);
    // False, after a message, when javadoc must not write into "doc": a link
    // out of the source folder, or a folder javadoc did not make that the
    // user does not want overwritten.
    bool MayWriteDocuments();
    // False, after a message, when javah or rmic would be given a title that
    // is no class name.
    bool IsClassName(const QString& title, const QString& classicTool);

    // The program that edits a source: the options' Java editor, else the
    // desktop's application for its type; none when only the desktop's
    // opener knows.
    std::optional<platform::ProcessSpec> SourceEditor(const QString& path) const;
    // The page named after the current file, beside it; empty after the
    // missing-file message.
    QString ExistingPage();

    // javah and rmic need the class file: a missing one is compiled from the
    // source first, and reported when it is still missing.
    bool EnsureClassFile();
    bool HasTool(const QString& classicTool) const;
    // The options that add the Applet API for javac, javadoc and the viewer
    // when the JDK no longer has it; empty otherwise.
    QString AppletApiOptions() const;
    void MakeHeaderWithJavac();
    // "-encoding X " for javac or javadoc reading these sources of the current
    // folder, after asking to remove byte-order marks and to convert sources
    // in differing encodings to UTF-8, with a line that tells the user which
    // sources are not read as UTF-8; empty when userOptions name an
    // encoding; nothing when the command stops.
    struct SourceReading {
        QString options;
        QString note;
    };
    std::optional<SourceReading> SourceOptions(const QStringList& names, const QString& userOptions = {});

    // The desktop's application for plain text (when asked), else $VISUAL
    // or $EDITOR in a terminal, else an installed text editor.
    std::optional<platform::ProcessSpec> TextEditor(const QString& path, bool preferTextDefault) const;

    // Messages: false when the file is missing (and the message, with note
    // after it, was shown).
    bool CheckExists(const QString& path, const QString& shownName = {}, const QString& note = {});
    void ReportMissingTool(const QString& classicTool);
    void ReportMissingOwnViewer(const QString& viewerJar);
    void ReportStartFailure(const QString& program);
    void ReportCannotOpen(const QString& path);

    QString ToolPath(const QString& classicTool) const;

    cmd::IMainContext& m_main;
    compiler::KeptCompiler* m_kept = nullptr;
};

// The menu commands this class answers.
inline constexpr CommandRow<ToolCommands> kToolCommandRows[] = {
    {EditSource, CommandRule::NeedsSource, &ToolCommands::OnEditSource},
    {EditSourceWith, CommandRule::NeedsSource, &ToolCommands::OnEditSourceWith},
    {EditHtml, CommandRule::NeedsFile, &ToolCommands::OnEditHtml},
    {Compile, CommandRule::NeedsSource, &ToolCommands::OnCompile},
    {Rebuild, CommandRule::NeedsSource, &ToolCommands::OnRebuild},
    {Javah, CommandRule::NeedsSource, &ToolCommands::OnJavah},
    {Rmic, CommandRule::NeedsSource, &ToolCommands::OnRmic},
    {RunJava, CommandRule::NeedsFile, &ToolCommands::OnRunJava},
    {RunCases, CommandRule::NeedsSource, &ToolCommands::OnRunCases},
    {RunAppletViewer, CommandRule::NeedsFile, &ToolCommands::OnRunAppletViewer},
    {RunBrowser, CommandRule::NeedsFile, &ToolCommands::OnRunBrowser},
    {MakeDocument, CommandRule::NeedsSource, &ToolCommands::OnMakeDocument},
    {MakeAllDocuments, CommandRule::NeedsSource, &ToolCommands::OnMakeAllDocuments},
    {Options, CommandRule::Free, &ToolCommands::OnOptions},
    {Help, CommandRule::Free, &ToolCommands::OnHelp},
    {JavaDocument, CommandRule::JavaDocument, &ToolCommands::OnJavaDocument},
};

}  // namespace cmd
