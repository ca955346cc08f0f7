// ケース実行: the current source compiled as Ctrl+C does, then run as Ctrl+J
// runs it on each of its cases, the results in their own window.
#include "commands/JudgeSettings.h"
#include "commands/ToolCommands.h"
#include "judge/CaseBatch.h"
#include "platform/Captions.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "runner/ToolInvocation.h"
#include "settings/OptionModel.h"

#include <QWidget>

namespace cmd {

namespace {

const QString kCaseLayouts =
    QStringLiteral("ケースは、入力 NAME.in と期待する出力 NAME.out の組（例: sample-1.in と sample-1.out）か、"
                   "同じ名前のファイルを入れた in フォルダと out フォルダです。");

}  // namespace

void ToolCommands::OnRunCases()
{
    const java::CurrentFile& file = m_main.File();
    if (!CheckExists(file.folder + file.fileName))
        return;
    const std::optional<judge::CaseFolder> cases = LocateCases();
    if (!cases)
        return;
    const judge::JudgeRules rules = CaseRules(cases->folder);
    const runner::ToolOutcome compiled = Compile();
    if (compiled.status == runner::ToolOutcome::Status::NotStarted)
        return;
    const output::CaseResultsView view{file.fileName, cases->folder, java::ResolveJavaTarget(file).folder, Hints()};
    if (!compiled.Succeeded()) {
        judge::CaseBatch batch({}, cases->cases, rules);
        batch.MarkCompileError();
        return ShowCaseResults(batch, view);
    }
    const std::optional<JavaLaunch> launch = PrepareJavaRun();
    if (!launch)
        return;
    judge::CaseBatch batch(runner::BuildInvocation(m_main.JdkFolder(), QStringLiteral("java.exe"),
                                                   launch->run.arguments, launch->target.folder),
                           cases->cases, rules);
    batch.RunAll();
    ShowCaseResults(batch, view);
    batch.Abort();
}

std::optional<judge::CaseFolder> ToolCommands::LocateCases()
{
    const java::CurrentFile& file = m_main.File();
    const QString source = file.folder + file.fileName;
    const judge::CaseFolder found = judge::FindCases(file.folder);
    if (!found.cases.isEmpty())
        return found;
    const QString remembered = RememberedCasesFolder(source);
    if (!remembered.isEmpty()) {
        const judge::CaseFolder before = judge::CasesIn(remembered);
        if (!before.cases.isEmpty())
            return before;
    }
    const std::optional<QString> chosen = platform::UserDialogs().ChooseFolder(
        m_main.Window(), QStringLiteral("ケース（NAME.in と NAME.out）のフォルダを選択"),
        remembered.isEmpty() ? file.folder : remembered);
    if (!chosen)
        return std::nullopt;
    const QString folder = platform::WithTrailingSeparator(*chosen);
    const judge::CaseFolder picked = judge::CasesIn(folder);
    if (picked.cases.isEmpty()) {
        platform::ShowMessage(m_main.Window(), QStringLiteral("%1 にケースがありません。\n").arg(folder) + kCaseLayouts,
                              platform::kFileErrorCaption, platform::MsgIcon::Exclamation);
        return std::nullopt;
    }
    RememberCasesFolder(source, picked.folder);
    return picked;
}

judge::JudgeRules ToolCommands::CaseRules(const QString& casesFolder)
{
    const judge::RulesFile read = judge::ReadRulesFile(casesFolder, StoredJudgeRules());
    if (!read.problems.isEmpty())
        platform::ShowMessage(
            m_main.Window(),
            QStringLiteral("%1%2 の次の値は使いません:\n%3")
                .arg(casesFolder, QLatin1String(judge::kRulesFileName), read.problems.join(QLatin1Char('\n'))),
            platform::kFileErrorCaption, platform::MsgIcon::Exclamation);
    return read.rules;
}

// The rules the user changes in the window become the stored defaults.
void ToolCommands::ShowCaseResults(judge::CaseBatch& batch, const output::CaseResultsView& view)
{
    output::CaseResultsDialog dialog(
        batch, view, [this](const QString& path, int line, int column) { OpenSourceAtLine(path, line, column); },
        m_main.Window());
    judge::JudgeRules stored = batch.Rules();
    QObject::connect(&dialog, &output::CaseResultsDialog::rulesChanged, &dialog,
                     [&stored](const judge::JudgeRules& rules) {
                         if (StoreJudgeRules(rules, stored))
                             stored = rules;
                     });
    dialog.exec();
}

}  // namespace cmd
