#include "commands/HeadlessJudge.h"

#include "commands/JavaLaunch.h"
#include "commands/JudgeSettings.h"
#include "java/SourceSet.h"
#include "judge/CaseBatch.h"
#include "judge/CaseHints.h"
#include "platform/CommandLine.h"
#include "platform/EndSignals.h"
#include "platform/JdkLocator.h"
#include "platform/Paths.h"
#include "platform/Processes.h"
#include "platform/SourceEncoding.h"
#include "runner/RunningTool.h"
#include "runner/ToolInvocation.h"
#include "settings/OptionModel.h"
#include "settings/SettingFile.h"

#include <QEventLoop>
#include <QFileInfo>

#include <algorithm>

namespace cmd {

namespace {

QString Text(bool english, const char* japanese, const char* englishText)
{
    return english ? QString::fromUtf8(englishText) : QString::fromUtf8(japanese);
}

// "--name value" or "--name=value"; nothing, with an error, when the value is missing.
std::optional<QString> OptionValue(const QStringList& arguments, qsizetype& at, const QString& name, bool english,
                                   QString& error)
{
    const QString& argument = arguments[at];
    if (argument.startsWith(name + QLatin1Char('=')))
        return argument.mid(name.size() + 1);
    if (at + 1 < arguments.size())
        return arguments[++at];
    error = Text(english, "%1 に値を指定してください", "%1 needs a value").arg(name);
    return std::nullopt;
}

// Up to kExcerpt characters of a line around column (from 1), with "…"
// where it was cut, so that one long line cannot flood the terminal.
constexpr qsizetype kExcerpt = 60;
QString Excerpt(const QString& line, int column)
{
    if (line.size() <= kExcerpt)
        return judge::VisibleText(line);
    const qsizetype from = std::clamp<qsizetype>(column - 1 - kExcerpt / 3, 0, line.size() - kExcerpt);
    const QString ellipsis = QStringLiteral("…");
    return (from > 0 ? ellipsis : QString()) + judge::VisibleText(QStringView(line).mid(from, kExcerpt))
           + (from + kExcerpt < line.size() ? ellipsis : QString());
}

bool IsOption(const QString& argument, const QString& name)
{
    return argument == name || argument.startsWith(name + QLatin1Char('='));
}

}  // namespace

JudgeArguments ParseJudgeArguments(const QStringList& arguments, bool english)
{
    JudgeRequest request;
    QString error;
    for (qsizetype at = 0; at < arguments.size() && error.isEmpty(); ++at) {
        const QString& argument = arguments[at];
        std::optional<QString> value;
        if (IsOption(argument, QLatin1String(kJudgeOption))) {
            value = OptionValue(arguments, at, QLatin1String(kJudgeOption), english, error);
            if (value && !request.source.isEmpty())
                error = Text(english, "--judge に指定できる Java ファイルは一つです", "--judge takes one Java file");
            else if (value)
                request.source = *value;
        } else if (IsOption(argument, QStringLiteral("--cases"))) {
            value = OptionValue(arguments, at, QStringLiteral("--cases"), english, error);
            request.casesFolder = value.value_or(QString());
        } else if (IsOption(argument, QStringLiteral("--time-limit"))) {
            value = OptionValue(arguments, at, QStringLiteral("--time-limit"), english, error);
            if (value && !(request.timeLimitMs = judge::ParseTimeLimit(*value)))
                error = Text(english, "--time-limit は 0.1 から 600 までの秒数です: %1",
                             "--time-limit takes seconds from 0.1 to 600: %1")
                            .arg(*value);
        } else if (IsOption(argument, QStringLiteral("--compare"))) {
            value = OptionValue(arguments, at, QStringLiteral("--compare"), english, error);
            if (value && !(request.compare = judge::ParseCompareRule(*value)))
                error = Text(english, "--compare は lines、exact、float:誤差 のどれかです: %1",
                             "--compare takes lines, exact or float:EPS: %1")
                            .arg(*value);
        } else {
            error = Text(english, "--judge と使えない引数です: %1", "not an option of --judge: %1").arg(argument);
        }
    }
    if (error.isEmpty() && request.source.isEmpty())
        error = Text(english, "--judge に Java ファイルを指定してください", "--judge needs a Java file");
    if (!error.isEmpty())
        return {std::nullopt, error};
    return {request, {}};
}

QString CaseLine(const judge::TestCase& testCase, const judge::CaseResult& result, bool english)
{
    QString line = testCase.name + QLatin1String("  ") + judge::VerdictName(result.verdict, english);
    if (result.verdict == judge::Verdict::NotRun && english && testCase.expectedPath.isEmpty())
        return line + QLatin1String("  no expected output");
    if (result.verdict == judge::Verdict::NotRun || result.verdict == judge::Verdict::CompileError)
        return result.message.isEmpty() ? line : line + QLatin1String("  ") + result.message;
    line += QLatin1String("  ") + QString::number(result.elapsedMs / 1000.0, 'f', 2) + Text(english, " 秒", " s");
    const judge::Difference& diff = result.difference;
    if (result.verdict == judge::Verdict::WrongAnswer && !diff.same) {
        const QString none = Text(english, "（なし）", "(none)");
        const QString expected = diff.expectedMissing ? none : Excerpt(diff.expectedLine, diff.column);
        const QString actual = diff.actualMissing ? none : Excerpt(diff.actualLine, diff.column);
        line += Text(english, "  %1 行目: 期待 %2、出力 %3", "  line %1: expected %2, got %3")
                    .arg(QString::number(diff.line), expected, actual);
    }
    if (!result.message.isEmpty()) {
        line += QLatin1String("  ") + result.message;
    } else if (result.verdict == judge::Verdict::RuntimeError && !result.crashed) {
        line += Text(english, "  終了コード %1", "  exit code %1").arg(result.exitCode);
    }
    return line;
}

namespace {

// The stored JDK when it still holds java and javac, else the one found.
std::optional<QString> JudgeJdk()
{
    const QString stored = settings::SettingFile().ReadString(settings::ini::JDK::Path, {});
    if (!stored.isEmpty()) {
        const QString folder = platform::WithTrailingSeparator(stored);
        if (platform::IsStartable(folder + platform::ToolFileName(QStringLiteral("javac.exe")))
            && platform::HoldsJava(folder))
            return folder;
    }
    return platform::FindJdk();
}

// The cases named, else those beside the source, else the folder the user
// chose for it in the window.
judge::CaseFolder JudgeCases(const JudgeRequest& request, const QString& sourcePath)
{
    if (!request.casesFolder.isEmpty())
        return judge::CasesIn(platform::WithTrailingSeparator(QFileInfo(request.casesFolder).absoluteFilePath()));
    judge::CaseFolder found = judge::FindCases(QFileInfo(sourcePath).absolutePath() + QLatin1Char('/'));
    const QString remembered = RememberedCasesFolder(sourcePath);
    if (found.cases.isEmpty() && !remembered.isEmpty())
        found = judge::CasesIn(remembered);
    return found;
}

// "-encoding X " as Ctrl+C gives it, without its questions: nothing is converted.
QString EncodingOptions(const java::CurrentFile& file, const QString& javacOptions)
{
    if (platform::SplitCommandLine(javacOptions).contains(QLatin1String("-encoding")))
        return {};
    QStringList others = runner::JavaSourceNames(file.folder);
    others.removeAll(file.fileName);
    const java::SourcePlan plan = java::PlanSources(java::ExamineSources(file.folder, {file.fileName}),
                                                    java::ExamineSources(file.folder, others));
    return QStringLiteral("-encoding ") + platform::JavaCharsetName(plan.encoding) + QLatin1Char(' ');
}

// javac's messages go to standard error as they come; true when it compiled.
bool CompileQuietly(const java::CurrentFile& file, const QString& jdk, const settings::OptionModel& options,
                    bool english, QTextStream& err)
{
    const QString javacOptions = options.JavacOptions();
    const CompileRequest compile = CompileRequestFor(file, jdk, javacOptions, EncodingOptions(file, javacOptions));
    const platform::ProcessSpec javacRun =
        runner::BuildInvocation(jdk, QStringLiteral("javac.exe"), compile.arguments, compile.folder);
    runner::RunningTool javac;
    QObject::connect(&javac, &runner::RunningTool::TextArrived, [&err](const QString& lines, runner::Stream) {
        err << lines;
        err.flush();
    });
    if (!javac.Start(javacRun, false)) {
        err << Text(english, "tarnwick: %1 を起動できません", "tarnwick: cannot start %1").arg(javacRun.program)
            << Qt::endl;
        return false;
    }
    javac.WaitForEnd();
    return javac.Outcome().Succeeded();
}

// Prints each case's line in the cases' order as soon as it and those
// before it are judged; the signal that ended the runs early, else 0.
int RunBatch(judge::CaseBatch& batch, bool english, QTextStream& out)
{
    int printed = 0;
    const auto printReady = [&] {
        while (printed < batch.Cases().size() && batch.Result(printed).verdict != judge::Verdict::Pending) {
            out << CaseLine(batch.Cases()[printed], batch.Result(printed), english) << Qt::endl;
            ++printed;
        }
    };
    QEventLoop loop;
    int endedBy = 0;
    platform::EndSignals endSignals;
    QObject::connect(&endSignals, &platform::EndSignals::Received, &loop, [&](int signal) {
        endedBy = signal;
        batch.Abort();
        loop.quit();
    });
    QObject::connect(&batch, &judge::CaseBatch::caseFinished, &loop, printReady);
    QObject::connect(&batch, &judge::CaseBatch::finished, &loop, &QEventLoop::quit);
    batch.RunAll();
    if (batch.IsRunning())
        loop.exec();
    printReady();
    return endedBy;
}

}  // namespace

int RunHeadlessJudge(const JudgeRequest& request, bool english, QTextStream& out, QTextStream& err)
{
    const QFileInfo source(request.source);
    if (!source.isFile() || source.suffix().compare(QLatin1String("java"), Qt::CaseInsensitive) != 0) {
        err << Text(english, "tarnwick: Java ソースファイルではありません: %1", "tarnwick: not a Java source file: %1")
                   .arg(request.source)
            << Qt::endl;
        return kCannotJudge;
    }
    const std::optional<QString> jdk = JudgeJdk();
    if (!jdk) {
        err << Text(english, "tarnwick: java と javac のある JDK が見つかりません（探した場所: %1）",
                    "tarnwick: no JDK with java and javac was found (looked in: %1)")
                   .arg(platform::DescribeJdkSearch().join(QStringLiteral(", ")))
            << Qt::endl;
        return kCannotJudge;
    }
    const QString sourcePath = source.absoluteFilePath();
    const judge::CaseFolder cases = JudgeCases(request, sourcePath);
    if (cases.cases.isEmpty()) {
        err << Text(
                   english,
                   "tarnwick: ケースが見つかりません（%1）。NAME.in と NAME.out の組か、同じ名前のファイルを入れた "
                   "in/ と out/ を、ソースのフォルダかその test/、tests/、cases/ に置くか、--cases で指定してください。",
                   "tarnwick: no cases found (%1). Put pairs NAME.in and NAME.out, or folders in/ and out/ holding "
                   "files of the same names, beside the source or in its test/, tests/ or cases/, or name the "
                   "folder with --cases.")
                   .arg(request.casesFolder.isEmpty() ? source.absolutePath() : request.casesFolder)
            << Qt::endl;
        return kCannotJudge;
    }
    const judge::RulesFile rulesFile = judge::ReadRulesFile(cases.folder, StoredJudgeRules());
    for (const QString& problem : rulesFile.problems)
        err << cases.folder << QLatin1String(judge::kRulesFileName) << QStringLiteral(": ") << problem << Qt::endl;
    judge::JudgeRules rules = rulesFile.rules;
    rules.timeLimitMs = request.timeLimitMs.value_or(rules.timeLimitMs);
    rules.compare = request.compare.value_or(rules.compare);

    const java::CurrentFile file{source.fileName(), source.completeBaseName(), source.absolutePath() + QLatin1Char('/'),
                                 source.suffix().toLower()};
    const settings::OptionModel options;
    platform::ProcessSpec program;
    const bool compiled = CompileQuietly(file, *jdk, options, english, err);
    if (compiled) {
        const JavaLaunch launch = PlanJavaLaunch(file, options.JavaOptions(), options.JavaArgs());
        if (launch.problem != JavaLaunch::Problem::None) {
            err << QStringLiteral("tarnwick: ") << launch.message << Qt::endl;
            return kSomeFailed;
        }
        program = runner::BuildInvocation(*jdk, QStringLiteral("java.exe"), launch.run.arguments, launch.target.folder);
    }
    judge::CaseBatch batch(program, cases.cases, rules);
    int endedBy = 0;
    if (compiled)
        endedBy = RunBatch(batch, english, out);
    else {
        batch.MarkCompileError();
        for (int i = 0; i < batch.Cases().size(); ++i)
            out << CaseLine(batch.Cases()[i], batch.Result(i), english) << Qt::endl;
    }
    if (endedBy)
        return 128 + endedBy;
    out << judge::SummaryText(batch.AcceptedCount(), batch.JudgedCount(), english) << Qt::endl;
    return batch.AcceptedCount() == batch.Cases().size() ? kAllPassed : kSomeFailed;
}

}  // namespace cmd
