// A tool's output as it arrives: lines however the bytes are cut, and how a
// run ends.
#include "platform/EditorLines.h"
#include "runner/LineAssembler.h"
#include "runner/RunningTool.h"

#include "tests/runner/RunnerTestSupport.h"

#include <QEventLoop>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using runner::LineAssembler;
using runner::Stream;
using runner::ToolOutcome;

QString Assemble(LineAssembler& lines, const QList<QByteArray>& chunks)
{
    QString text;
    for (const QByteArray& chunk : chunks)
        text += lines.Push(chunk);
    return text + lines.Flush();
}

// CR LF, a lone CR, a character of 3 and one of 4 bytes, an invalid byte, a
// line longer than the limit of 8, and a last line without its LF.
const QByteArray kSample = "ab\r\nc\rd\n\nあいうえお\n😀😀😀x\n\xff"
                           "z\n0123456789ab\r\nend";
const QString kLines = "ab\nc\rd\n\nあい\nうえ\nお\n😀😀\n😀x\n\uFFFDz\n01234567\n89ab\nend\n"
                       "【8 バイトを超える行は、途中で改行して表示しています。】\n";

TEST(LineAssembler, GivesTheSameLinesWhereverTheBytesAreCut)
{
    LineAssembler whole(8);
    ASSERT_EQ(Assemble(whole, {kSample}), kLines);
    for (qsizetype at = 0; at <= kSample.size(); ++at) {
        LineAssembler two(8);
        EXPECT_EQ(Assemble(two, {kSample.left(at), kSample.mid(at)}), kLines) << "cut at " << at;
    }
    LineAssembler bytes(8);
    QList<QByteArray> single;
    for (const char byte : kSample)
        single << QByteArray(1, byte);
    EXPECT_EQ(Assemble(bytes, single), kLines);
}

// Only whole lines leave the assembler, so links and colours see whole lines.
TEST(LineAssembler, HoldsBackTheUnfinishedLineAndAnOverLongOneInPieces)
{
    LineAssembler lines(32);
    EXPECT_EQ(lines.Push("Hello.java:5: \xe3\x82"), "");
    EXPECT_EQ(lines.Push("\xa8\n"), "Hello.java:5: エ\n");
    EXPECT_EQ(lines.Push(QByteArray(70, 'x')), QString(2, 'x').repeated(16) + "\n" + QString(32, 'x') + "\n")
        << "a line without an end cannot grow forever";
    // Bytes 0x80-0xBF with no character start nearby: cut at the limit.
    LineAssembler odd(8);
    EXPECT_EQ(odd.Push(QByteArray(10, '\x80') + "\n"),
              QString(8, QChar(0xFFFD)) + "\n" + QString(2, QChar(0xFFFD)) + "\n");
}

// A prompt shows before its line ends; half a character waits for the rest.
TEST(LineAssembler, GivesAnUnfinishedLineUpToItsLastWholeCharacter)
{
    LineAssembler lines;
    EXPECT_EQ(lines.Push("数は\xef\xbc"), "");
    EXPECT_EQ(lines.TakeUnfinished(), "数は");
    EXPECT_EQ(lines.Push("\x9f\r"), "");
    EXPECT_EQ(lines.TakeUnfinished(), "？") << "a CR may be the start of CR LF";
    EXPECT_EQ(lines.Push("\n12\n"), "\n12\n");
    EXPECT_EQ(lines.TakeUnfinished(), "");
}

TEST(LineAssembler, CutsAStreamAfterTheLimitAndSaysHowLongItWas)
{
    LineAssembler lines(8, 10);
    const QString text = Assemble(lines, {"1234\n5678", "9\nlost\n", QByteArray(3 << 20, 'y')});
    EXPECT_TRUE(text.startsWith("1234\n【出力が長すぎるため")) << text.toStdString();
    EXPECT_TRUE(text.contains("全体 3.0 MB")) << "the bytes after the limit are still counted";
    EXPECT_TRUE(lines.Cut());
    // An over-long line that the limit cuts gives the same pieces however it arrived.
    const QByteArray longLine = "ab\n" + QByteArray(40, 'x');
    QList<QByteArray> single;
    for (const char byte : longLine)
        single << QByteArray(1, byte);
    LineAssembler whole(8, 30);
    LineAssembler bytes(8, 30);
    EXPECT_EQ(Assemble(whole, {longLine}), Assemble(bytes, single));
}

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
        EXPECT_EQ(runner::OutcomeLine(outcome, "/jdk/java"), line);
}

// Editors take a line and a column in different ways; an unknown one opens
// the file, one that takes no column opens the line.
TEST(AtLine, TellsEachKnownEditorTheLineAndTheColumn)
{
    const QString file = "/w/my src/A.java";
    const std::tuple<QString, QStringList, int, QStringList> cases[] = {
        {"/usr/bin/gedit", {file}, 0, {"+7", file}},
        {"/usr/bin/gedit", {file}, 9, {"+7:9", file}},
        {"/usr/bin/kate", {file}, 0, {"-l", "7", file}},
        {"/usr/bin/kwrite", {file}, 9, {"--line", "7", "--column", "9", file}},
        {"/usr/bin/code", {"--new-window", file}, 9, {"--new-window", "-g", file + ":7:9"}},
        {"/opt/sublime_text/sublime_text", {file}, 0, {file + ":7"}},
        {"/usr/bin/xterm", {"-e", "/usr/bin/nvim", "-p", file}, 0, {"-e", "/usr/bin/nvim", "-p", "+7", file}},
        {"/usr/bin/xterm", {"-e", "vim", file}, 9, {"-e", "vim", "+call\tcursor(7,9)", file}},
        {"/usr/bin/nano", {file}, 9, {"+7,9", file}},
        {"/usr/bin/geany", {"file:///w/my%20src/A.java"}, 9, {"+7", file}},
        {"/usr/bin/leafpad", {file}, 9, {file}},
        {"/usr/bin/gedit", {"/w/other.java"}, 0, {"/w/other.java"}}};
    for (const auto& [program, given, column, arguments] : cases)
        EXPECT_EQ(platform::AtLine({program, given, {}}, file, 7, column).arguments, arguments)
            << program.toStdString() << " " << column;
}

// A fake tool that alternates its streams, each time waiting for a line of
// input, so the order in which they arrive is fixed.
class RunningToolTest : public ::testing::Test {
protected:
    TempFolder folder;
    runner::RunningTool tool;
    QList<std::pair<QString, Stream>> arrived;

    RunningToolTest()
    {
        QObject::connect(&tool, &runner::RunningTool::TextArrived, [this](const QString& text, Stream stream) {
            arrived.append({text, stream});
        });
    }
    ToolOutcome Run(const QByteArray& script, bool input = false)
    {
        EXPECT_TRUE(tool.Start({WriteScript(folder, "tool", script), {}, folder.Path()}, input));
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
    QObject::connect(&tool, &runner::RunningTool::TextArrived, [this] { tool.SendInput("go"); });
    const ToolOutcome outcome =
        Run("echo out1; read a; echo err1 >&2; read a; echo out2; read a; echo err2 >&2; read a; exit 3\n", true);
    EXPECT_EQ(outcome.status, ToolOutcome::Status::Finished);
    EXPECT_EQ(outcome.exitCode, 3);
    EXPECT_EQ(arrived, (QList<std::pair<QString, Stream>>{{"out1\n", Stream::Output},
                                                          {"err1\n", Stream::Error},
                                                          {"out2\n", Stream::Output},
                                                          {"err2\n", Stream::Error}}));
}

TEST_F(RunningToolTest, APromptWithoutLineEndShowsWhileTheToolWaits)
{
    QObject::connect(&tool, &runner::RunningTool::TextArrived, [this](const QString& text) {
        if (text.endsWith("? "))
            tool.SendInput("42");
    });
    Run("printf 'a? '; read a; echo \"got $a\"\n", true);
    EXPECT_EQ(Text(), "a? got 42\n");
}

TEST_F(RunningToolTest, InputIsReadLineByLineUntilClosed)
{
    EXPECT_TRUE(
        tool.Start({WriteScript(folder, "tool", "while read a; do echo \"<$a>\"; done; echo end\n"), {}, {}}, true));
    tool.SendInput("一 2");
    tool.SendInput("");
    tool.CloseInput();
    EXPECT_FALSE(tool.AcceptsInput());
    tool.WaitForEnd();
    EXPECT_EQ(Text(), "<一 2>\n<>\nend\n");
}

TEST_F(RunningToolTest, NamesEveryEnd)
{
    EXPECT_EQ(Run("read a || echo no-input\n").status, ToolOutcome::Status::Finished);
    EXPECT_EQ(Text(), "no-input\n") << "without input the tool reads the null device";
    EXPECT_EQ(Run("kill -SEGV $$\n").status, ToolOutcome::Status::Crashed);
    QObject::connect(&tool, &runner::RunningTool::TextArrived, &tool, &runner::RunningTool::Abort);
    const ToolOutcome aborted = Run("echo started; sleep 30\n");
    EXPECT_EQ(aborted.status, ToolOutcome::Status::Aborted);
    EXPECT_LT(aborted.elapsedMs, 30000);
    runner::RunningTool missing;
    EXPECT_FALSE(missing.Start({folder.Path("no such tool"), {}, {}}, false));
    EXPECT_EQ(missing.Outcome().status, ToolOutcome::Status::NotStarted);
}

}  // namespace
