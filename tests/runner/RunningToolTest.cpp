// A running tool's streams as they arrive, its input, and how a run ends.
#include "runner/RunningTool.h"
#include "runner/ToolOutcome.h"

#include "tests/runner/RunnerTestSupport.h"

#include <gtest/gtest.h>

using namespace runner;

namespace {

TEST(OutcomeLine, WordsEveryEnd)
{
    using S = ToolOutcome::Status;
    const std::pair<ToolOutcome, QString> cases[] = {
        {{S::Finished, 0, 1234}, "【終了しました（終了コード 0、1.2 秒）】"},
        {{S::Finished, 3, 50}, "【終了しました（終了コード 3、0.1 秒）】"},
        {{S::Crashed, 11, 2000}, "【異常終了しました（2.0 秒）】"},
        {{S::Aborted, 9, 600}, "【中止しました（0.6 秒）】"},
        {{S::NotStarted, 0, 0}, "【/jdk/javaを起動できません】"}};
    for (const auto& [outcome, line] : cases)
        EXPECT_EQ(OutcomeLine(outcome, "/jdk/java"), line);
}

// A fake tool that alternates its streams, each time waiting for a line of
// input, so the order in which they arrive is fixed.
class RunningToolTest : public ::testing::Test {
protected:
    TempFolder folder;
    RunningTool tool;
    QList<std::pair<QString, Stream>> arrived;

    RunningToolTest()
    {
        QObject::connect(&tool, &RunningTool::TextArrived, [this](const QString& text, Stream stream) {
            arrived.append({text, stream});
        });
    }
    ToolOutcome Run(const QStringList& steps, bool input = false)
    {
        EXPECT_TRUE(tool.Start({QStringLiteral(TW_FAKE_TOOL), steps, folder.Path()}, input));
        tool.WaitForEnd();
        return tool.Outcome();
    }
    QString Text() const
    {
        QString text;
        for (const auto& [part, stream] : arrived)
            text += part;
        return text;
    }
};

TEST_F(RunningToolTest, KeepsTheOrderInWhichTheStreamsArrive)
{
    QObject::connect(&tool, &RunningTool::TextArrived, [this] { tool.SendInput("一 2"); });
    const ToolOutcome outcome =
        Run({"out:out1", "read", "err:<$line>", "read", "out:out2", "read", "err:err2", "read", "exit:3"}, true);
    EXPECT_EQ(outcome.status, ToolOutcome::Status::Finished);
    EXPECT_EQ(outcome.exitCode, 3);
    EXPECT_EQ(arrived, (QList<std::pair<QString, Stream>>{{"out1\n", Stream::Output},
                                                          {"<一 2>\n", Stream::Error},
                                                          {"out2\n", Stream::Output},
                                                          {"err2\n", Stream::Error}}));
}

TEST_F(RunningToolTest, SendsEmptyLinesAndEndsInputWhenClosed)
{
    EXPECT_TRUE(tool.Start({QStringLiteral(TW_FAKE_TOOL), {"echo-lines", "out:end"}, {}}, true));
    tool.SendInput("");
    tool.CloseInput();
    EXPECT_FALSE(tool.AcceptsInput());
    tool.WaitForEnd();
    EXPECT_EQ(Text(), "<>\nend\n");
}

TEST_F(RunningToolTest, NamesEveryEnd)
{
    EXPECT_EQ(Run({"read-or:no-input"}).status, ToolOutcome::Status::Finished);
    EXPECT_EQ(Text(), "no-input\n") << "without input the tool reads the null device";
    EXPECT_EQ(Run({"crash"}).status, ToolOutcome::Status::Crashed);
    QObject::connect(&tool, &RunningTool::TextArrived, &tool, &RunningTool::Abort);
    const ToolOutcome aborted = Run({"out:started", "sleep:30"});
    EXPECT_EQ(aborted.status, ToolOutcome::Status::Aborted);
    EXPECT_LT(aborted.elapsedMs, 30000);
    RunningTool missing;
    EXPECT_FALSE(missing.Start({folder.Path("no such tool"), {}, {}}, false));
    EXPECT_EQ(missing.Outcome().status, ToolOutcome::Status::NotStarted);
}

}  // namespace
