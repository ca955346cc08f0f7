#include "runner/CaptureFiles.h"
#include "runner/CapturedText.h"

#include "tests/runner/RunnerTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(CaptureFiles, AreFreshOwnerOnlyFilesInTheTemporaryFolder)
{
    TempDirSandbox tmp;
    CaptureFiles capture;
    ASSERT_TRUE(capture.Prepare());
    for (const QString& path : {capture.OutputPath(), capture.ErrorPath()}) {
        const QFileInfo info(path);
        EXPECT_TRUE(info.exists()) << path.toStdString();
        EXPECT_EQ(info.absolutePath() + QLatin1Char('/'), tmp.Path());
        EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther), 0);
    }
    EXPECT_TRUE(QFileInfo(capture.OutputPath()).fileName().startsWith(QLatin1String("Out")));
    EXPECT_TRUE(QFileInfo(capture.ErrorPath()).fileName().startsWith(QLatin1String("Err")));

    const QString firstOutput = capture.OutputPath();
    ASSERT_TRUE(capture.Prepare());
    EXPECT_NE(capture.OutputPath(), firstOutput);
    EXPECT_FALSE(QFile::exists(firstOutput)) << "files of the earlier run are deleted";
    EXPECT_EQ(tmp.CaptureLeftovers().size(), 2);

    const QString output = capture.OutputPath();
    capture.Delete();
    EXPECT_EQ(capture.OutputPath(), output) << "the names stay after deleting";
    EXPECT_TRUE(tmp.CaptureLeftovers().isEmpty());
}

TEST(CaptureFiles, ReceiveBothStreamsAndAreNeverCreatedAgainByName)
{
    TempDirSandbox tmp;
    CaptureFiles capture;
    ASSERT_TRUE(capture.Prepare());
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({QStringLiteral("-c"), QStringLiteral("echo err >&2; echo out; read x || echo no-input")});
    capture.Attach(process);
    process.start();
    ASSERT_TRUE(process.waitForFinished());
    const runner::CapturedText captured = runner::ReadCapturedOutput(capture.OutputPath(), capture.ErrorPath());
    EXPECT_EQ(captured.text, QStringLiteral("out\nno-input\nerr\n"));

    // A capture file removed behind the program's back stays removed.
    ASSERT_TRUE(capture.Prepare());
    QFile::remove(capture.OutputPath());
    QProcess again;
    again.setProgram(QStringLiteral("/bin/echo"));
    again.setArguments({QStringLiteral("lost")});
    capture.Attach(again);
    again.start();
    ASSERT_TRUE(again.waitForFinished());
    EXPECT_FALSE(QFile::exists(capture.OutputPath()));
    capture.Delete();
    EXPECT_TRUE(tmp.CaptureLeftovers().isEmpty());
}

struct ReadCase {
    const char* name;
    QByteArray output;
    QByteArray error;
    QString text;
    bool hasOutput;
};

class ReadCapturedOutputTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadCapturedOutputTest, PutsOutputBeforeErrorsLineByLine)
{
    const ReadCase& c = GetParam();
    TempFolder folder;
    const runner::CapturedText captured = runner::ReadCapturedOutput(
        folder.Write(QStringLiteral("out"), c.output), folder.Write(QStringLiteral("err"), c.error));
    EXPECT_EQ(captured.text, c.text);
    EXPECT_EQ(captured.hasOutput, c.hasOutput);
    EXPECT_FALSE(captured.shortened);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, ReadCapturedOutputTest,
    ::testing::Values(
        ReadCase{"nothing", "", "", QString(), false},
        ReadCase{"only errors", "", "A.java:1: error\r\n1 error\r\n", QStringLiteral("A.java:1: error\n1 error\n"), true},
        ReadCase{"both", "o1\no2", "e1\n", QStringLiteral("o1\no2\ne1\n"), true},
        ReadCase{"lone CR stays for the window", "a\rb\n", "", QStringLiteral("a\rb\n"), true},
        ReadCase{"blank line", "\n", "", QStringLiteral("\n"), true},
        ReadCase{"UTF-8", "日本語\n", "", QStringLiteral("日本語\n"), true},
        ReadCase{"invalid bytes", QByteArray("ok\x83\xff\n", 5), "", QStringLiteral("ok\uFFFD\uFFFD\n"), true}),
    [](const auto& info) {
        QString name = QString::fromUtf8(info.param.name);
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        return name.toStdString();
    });

TEST(ReadCapturedOutput, MissingFilesAddNothing)
{
    TempFolder folder;
    const QString out = folder.Write(QStringLiteral("out"), "x\n");
    EXPECT_EQ(runner::ReadCapturedOutput(out, folder.Path("gone")).text, QStringLiteral("x\n"));
    EXPECT_FALSE(runner::ReadCapturedOutput({}, {}).hasOutput);
}

TEST(ReadCapturedOutput, ShortensAnOverlongStreamWithANotice)
{
    TempFolder folder;
    const QString out = folder.Write(QStringLiteral("out"), "line one\nline two\nline three\n");
    const QString err = folder.Write(QStringLiteral("err"), "e\n");
    const runner::CapturedText captured = runner::ReadCapturedOutput(out, err, 22);
    EXPECT_TRUE(captured.shortened);
    const QStringList lines = captured.text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("line one"));
    EXPECT_EQ(lines[1], QStringLiteral("line two")) << "whole lines only";
    EXPECT_TRUE(lines[2].contains(QStringLiteral("打ち切りました"))) << lines[2].toStdString();
    EXPECT_EQ(lines[3], QStringLiteral("e")) << "errors still follow";
}

struct BreakCase {
    const char* name;
    QByteArray input;
    qsizetype limit;
    QByteArray expected;
};

class BreakLongLinesTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(BreakLongLinesTest, KeepsLinesWithinTheLimitAndCharactersWhole)
{
    const BreakCase& c = GetParam();
    QByteArray bytes = c.input;
    EXPECT_EQ(runner::BreakLongLines(bytes, c.limit), c.expected != c.input);
    EXPECT_EQ(bytes, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BreakLongLinesTest,
    ::testing::Values(BreakCase{"short", "abc\nde\n", 3, "abc\nde\n"},
                      BreakCase{"long", "abcdefg\nxy\n", 3, "abc\ndef\ng\nxy\n"},
                      BreakCase{"last line without end", "abcdefg", 3, "abc\ndef\ng"},
                      // "あ" is three bytes: never cut inside it.
                      BreakCase{"multibyte", "aあいz\n", 3, "a\nあ\nい\nz\n"}),
    [](const auto& info) {
        QString name = QString::fromUtf8(info.param.name);
        name.replace(QLatin1Char(' '), QLatin1Char('_'));
        return name.toStdString();
    });

// A gigabyte without a single line break is shortened and broken into
// lines, both with a notice, instead of taking all memory.
TEST(ReadCapturedOutput, CopesWithAGigabyteWithoutLineBreaks)
{
    TempFolder folder;
    QFile huge(folder.Path("out"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(1) << 30));
    huge.close();
    const runner::CapturedText captured = runner::ReadCapturedOutput(huge.fileName(), {});
    EXPECT_TRUE(captured.shortened);
    EXPECT_LT(captured.text.size(), runner::kStreamLimit + runner::kStreamLimit / runner::kLineLimit + 1000);
    const QStringList lines = captured.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.first().size(), runner::kLineLimit);
    EXPECT_TRUE(lines.last().contains(QStringLiteral("打ち切りました")));
    EXPECT_TRUE(lines[lines.size() - 2].contains(QStringLiteral("改行して表示")));
}

}  // namespace
