#include "runner/CaptureFiles.h"
#include "runner/CapturedText.h"

#include "tests/runner/RunnerTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString RunShell(const CaptureFiles& capture, const char* script)
{
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({QStringLiteral("-c"), QString::fromUtf8(script)});
    capture.Attach(process);
    process.start();
    process.waitForFinished();
    return runner::ReadCapturedOutput(capture.OutputPath(), capture.ErrorPath()).text;
}

TEST(CaptureFiles, AreFreshPrivateFilesThatAreNeverCreatedAgainByName)
{
    TempDirSandbox tmp;
    CaptureFiles capture;
    ASSERT_TRUE(capture.Prepare());
    for (const QString& path : {capture.OutputPath(), capture.ErrorPath()}) {
        const QFileInfo info(path);
        EXPECT_EQ(info.absolutePath() + QLatin1Char('/'), tmp.Path());
        EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther), 0);
    }
    EXPECT_TRUE(QFileInfo(capture.OutputPath()).fileName().startsWith(QLatin1String("Out")));
    EXPECT_TRUE(QFileInfo(capture.ErrorPath()).fileName().startsWith(QLatin1String("Err")));
    // Standard input is empty, errors come after the output.
    EXPECT_EQ(RunShell(capture, "echo err >&2; echo out; read x || echo no-input"), QStringLiteral("out\nno-input\nerr\n"));

    const QString first = capture.OutputPath();
    ASSERT_TRUE(capture.Prepare());
    EXPECT_FALSE(QFile::exists(first)) << "files of an earlier run go first";
    QFile::remove(capture.OutputPath());
    RunShell(capture, "echo lost");
    EXPECT_FALSE(QFile::exists(capture.OutputPath())) << "a removed capture file stays removed";
    const QString output = capture.OutputPath();
    capture.Delete();
    EXPECT_EQ(capture.OutputPath(), output) << "the names stay";
    EXPECT_EQ(tmp.CaptureLeftovers(), QStringList());
}

struct ReadCase {
    QByteArray output;
    QByteArray error;
    QString text;
};

class ReadCapturedOutputTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadCapturedOutputTest, PutsOutputBeforeErrorsLineByLine)
{
    TempFolder folder;
    const runner::CapturedText captured = runner::ReadCapturedOutput(
        folder.Write(QStringLiteral("out"), GetParam().output), folder.Write(QStringLiteral("err"), GetParam().error));
    EXPECT_EQ(captured.text, GetParam().text);
    EXPECT_EQ(captured.hasOutput, !GetParam().output.isEmpty() || !GetParam().error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Streams, ReadCapturedOutputTest,
    ::testing::Values(ReadCase{"", "", QString()},
                      ReadCase{"", "A.java:1: error\r\n1 error\r\n", QStringLiteral("A.java:1: error\n1 error\n")},
                      ReadCase{"o1\no2", "e1\n", QStringLiteral("o1\no2\ne1\n")},
                      ReadCase{"a\rb\n\n", "", QStringLiteral("a\rb\n\n")},
                      ReadCase{QByteArray("日本\x83\xff\n"), "", QStringLiteral("日本\uFFFD\uFFFD\n")}));

struct BreakCase {
    QByteArray input;
    QByteArray expected;
};

class BreakLongLinesTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(BreakLongLinesTest, KeepsLinesWithinTheLimitAndCharactersWhole)
{
    QByteArray bytes = GetParam().input;
    EXPECT_EQ(runner::BreakLongLines(bytes, 3), GetParam().expected != GetParam().input);
    EXPECT_EQ(bytes, GetParam().expected);
}

// "あ" is three bytes: it is never cut.
INSTANTIATE_TEST_SUITE_P(Lines, BreakLongLinesTest,
                         ::testing::Values(BreakCase{"abc\nde\n", "abc\nde\n"}, BreakCase{"abcdefg\nxy", "abc\ndef\ng\nxy"},
                                           BreakCase{"aあいz\n", "a\nあ\nい\nz\n"}));

// A gigabyte without a line break is shortened and broken into lines, both
// with a notice, instead of taking all memory.
TEST(ReadCapturedOutput, CopesWithAGigabyteWithoutLineBreaks)
{
    TempFolder folder;
    QFile huge(folder.Path("out"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 30));
    huge.close();
    const QString err = folder.Write(QStringLiteral("err"), "e\n");
    const runner::CapturedText captured = runner::ReadCapturedOutput(huge.fileName(), err);
    EXPECT_TRUE(captured.shortened);
    const QStringList lines = captured.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), runner::kStreamLimit / runner::kLineLimit + 3);
    EXPECT_EQ(lines.first().size(), runner::kLineLimit);
    EXPECT_TRUE(lines[lines.size() - 3].contains(QStringLiteral("改行して表示")));
    EXPECT_TRUE(lines[lines.size() - 2].contains(QStringLiteral("打ち切りました")));
    EXPECT_EQ(lines.last(), QStringLiteral("e")) << "errors still follow";
}

}  // namespace
