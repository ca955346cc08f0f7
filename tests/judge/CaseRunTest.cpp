// Cases run by the real java of JDK 17 and judged.
#include "judge/CaseRun.h"
#include "JudgeProgram.h"
#include "judge/CaseBatch.h"
#include "judge/CaseHints.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

using namespace judge;

namespace {

class CaseRunTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_program = new JudgeProgram; }
    static void TearDownTestSuite() { delete s_program; }
    void SetUp() override { ASSERT_TRUE(s_program->Compiled()); }

    static platform::ProcessSpec Program(const QStringList& arguments) { return s_program->Program(arguments); }

    // Runs the batch to its end (or a minute).
    static void RunToEnd(CaseBatch& batch)
    {
        QEventLoop loop;
        QObject::connect(&batch, &CaseBatch::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        batch.RunAll();
        if (batch.IsRunning())
            loop.exec();
    }

    static CaseResult RunToEnd(CaseRun& run)
    {
        QEventLoop loop;
        QObject::connect(&run, &CaseRun::Finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        if (run.IsRunning())
            loop.exec();
        return run.Result();
    }

    // The pids the program wrote once it had started its child.
    static QList<qint64> Pids(const TempFolder& folder)
    {
        const QDeadlineTimer deadline(20000);
        while (!folder.Exists("pids") || folder.Read("pids").isEmpty()) {
            if (deadline.hasExpired())
                return {};
            QThread::msleep(20);
        }
        QList<qint64> pids;
        for (const QByteArray& pid : folder.Read("pids").split(' '))
            pids << pid.toLongLong();
        return pids;
    }

    // A process that has ended but is not yet reaped counts as gone.
    static bool Gone(qint64 pid)
    {
        const QDeadlineTimer deadline(3000);
        while (!deadline.hasExpired()) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (!stat.open(QIODevice::ReadOnly))
                return true;
            const QByteArray text = stat.readAll();
            if (text.mid(text.lastIndexOf(')') + 2, 1) == "Z")
                return true;
            QThread::msleep(20);
        }
        return false;
    }

    static JudgeProgram* s_program;
};

JudgeProgram* CaseRunTest::s_program = nullptr;

TEST_F(CaseRunTest, VerdictsAndHints)
{
    struct Row {
        const char* mode;
        QByteArray input;
        const char* expected;
        Verdict verdict;
        const char* hint;  // a part of a hint, or empty
    };
    const Row rows[] = {
        {"sum", "1 2\n", "3\n", Verdict::Accepted, ""},
        {"sum-no-newline", "1 2\r\n", "3\n", Verdict::Accepted, ""},
        {"sum-full-width", "1 2\n", "3\n", Verdict::WrongAnswer, "全角の数字"},
        {"three", "1 2\n", "3\n", Verdict::RuntimeError, "入力が足りません"},
        {"thread-throws", "", "0\n", Verdict::RuntimeError, ""},
        // 20 MB that the program never reads: neither side may block.
        {"ignore-input", QByteArray(20 << 20, '7'), "ok\n", Verdict::Accepted, ""},
        {"read-then-spin", "1 2\n", "3\n", Verdict::TimeLimit, "入力をすべて読んだあとも"},
    };
    TempFolder cases;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        cases.Write("1.in", row.input);
        cases.Write("1.out", row.expected);
        CaseBatch batch(Program({row.mode}), CasesIn(cases.Path()).cases, JudgeRules{1500, {}});
        RunToEnd(batch);
        const CaseResult& result = batch.Result(0);
        EXPECT_EQ(result.verdict, row.verdict) << result.error.toStdString();
        const QString hints = CaseHints(result, QString::fromUtf8(row.expected)).join('\n');
        if (*row.hint) {
            EXPECT_TRUE(hints.contains(QString::fromUtf8(row.hint))) << hints.toStdString();
        } else {
            EXPECT_TRUE(hints.isEmpty()) << hints.toStdString();
        }
    }
}

TEST_F(CaseRunTest, TimeLimitEndsTheProgramAndItsChildInTime)
{
    TempFolder work;
    CaseRun run;
    ASSERT_TRUE(run.Start(Program({"spin-with-child", work.Path("pids")}), "", RunLimits{1500, runner::kStreamLimit}));
    const CaseResult result = RunToEnd(run);
    EXPECT_EQ(result.verdict, Verdict::TimeLimit);
    EXPECT_GE(result.elapsedMs, 1500);
    EXPECT_LE(result.elapsedMs, 1600);
    const QList<qint64> pids = Pids(work);
    ASSERT_EQ(pids.size(), 2);
    for (const qint64 pid : pids)
        EXPECT_TRUE(Gone(pid)) << pid;
}

TEST_F(CaseRunTest, NothingIsLeftRunning)
{
    enum class End { Aborted, Destroyed, ByItself };
    for (const End end : {End::Aborted, End::Destroyed, End::ByItself}) {
        SCOPED_TRACE(int(end));
        TempFolder work;
        auto run = std::make_unique<CaseRun>();
        const char* mode = end == End::ByItself ? "exit-leaving-child" : "spin-with-child";
        ASSERT_TRUE(run->Start(Program({mode, work.Path("pids")}), "", RunLimits{60000, runner::kStreamLimit}));
        const QList<qint64> pids = Pids(work);
        ASSERT_EQ(pids.size(), 2);
        if (end == End::Destroyed) {
            run.reset();
        } else {
            if (end == End::Aborted)
                run->Abort();
            EXPECT_EQ(RunToEnd(*run).verdict, Verdict::Pending);  // not judged: ended by us, or left to compare
        }
        for (const qint64 pid : pids)
            EXPECT_TRUE(Gone(pid)) << pid;
    }
}

TEST_F(CaseRunTest, OutputBeyondTheLimitStopsTheProgram)
{
    CaseRun run;
    ASSERT_TRUE(run.Start(Program({"flood"}), "", RunLimits{20000, 1 << 20}));
    const CaseResult result = RunToEnd(run);
    EXPECT_TRUE(result.outputCut);
    EXPECT_EQ(result.verdict, Verdict::WrongAnswer);
    EXPECT_EQ(result.output.size(), 1 << 20);
    EXPECT_EQ(result.message, "出力が 1 MiB を超えたので止めました");
    EXPECT_LT(result.elapsedMs, 20000);
}

TEST_F(CaseRunTest, BatchRunsAFolderInParallelAndInOrder)
{
    TempFolder folder;
    for (const int i : {1, 2, 10})
        folder.Write(QStringLiteral("tests/sample-%1.in").arg(i), QByteArray::number(i) + " 1\n");
    folder.Write("tests/sample-1.out", "2\n");
    folder.Write("tests/sample-2.out", "4\n");  // wrong on purpose
    folder.Write("tests/judge.ini", "[Judge]\nTimeLimit=5\n");
    const CaseFolder found = FindCases(folder.Path());
    const RulesFile rules = ReadRulesFile(found.folder, {});
    EXPECT_EQ(rules.rules.timeLimitMs, 5000);

    CaseBatch batch(Program({"sum"}), found.cases, rules.rules, 2);
    int finishedCases = 0;
    QObject::connect(&batch, &CaseBatch::caseFinished, [&] { ++finishedCases; });
    RunToEnd(batch);
    EXPECT_EQ(finishedCases, 3);
    EXPECT_EQ(batch.Result(0).verdict, Verdict::Accepted);
    EXPECT_EQ(batch.Result(1).verdict, Verdict::WrongAnswer);
    EXPECT_EQ(batch.Result(1).difference.actualLine, "3");
    EXPECT_EQ(batch.Result(2).verdict, Verdict::NotRun);  // sample-10 has no .out
    EXPECT_TRUE(batch.Result(2).message.contains("sample-10.out"));
    EXPECT_EQ(SummaryText(batch.AcceptedCount(), batch.JudgedCount()), "1/2 正解");

    batch.RunOne(1);
    EXPECT_EQ(batch.Result(1).verdict, Verdict::Pending);
    QEventLoop loop;
    QObject::connect(&batch, &CaseBatch::finished, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(batch.Result(1).verdict, Verdict::WrongAnswer);
    EXPECT_EQ(batch.Result(0).verdict, Verdict::Accepted);  // untouched

    batch.MarkCompileError();
    EXPECT_EQ(batch.Result(0).verdict, Verdict::CompileError);
    EXPECT_EQ(batch.Result(2).verdict, Verdict::NotRun);
}

}  // namespace
