#include "runner/CaptureFiles.h"
#include "runner/CapturedText.h"

#include "tests/runner/RunnerTestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace runner;

namespace {

QString RunShell(const CaptureFiles& capture, const char* script)
{
    QProcess process;
    capture.Attach(process);
    process.start("/bin/sh", {"-c", script});
    process.waitForFinished();
    return ReadCapturedOutput(capture.OutputPath(), capture.ErrorPath()).text;
}

TEST(CaptureFiles, AreFreshPrivateFilesThatAreNeverCreatedAgainByName)
{
    TempDirSandbox tmp;
    CaptureFiles capture;
    ASSERT_TRUE(capture.Prepare());
    for (const auto& [path, prefix] : {std::pair{capture.OutputPath(), "Out"}, {capture.ErrorPath(), "Err"}}) {
        const QFileInfo info(path);
        EXPECT_EQ(info.absolutePath() + '/', tmp.Path());
        EXPECT_TRUE(info.fileName().startsWith(prefix));
        EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                  0);
    }
    // Standard input is empty, errors come after the output.
    EXPECT_EQ(RunShell(capture, "echo err >&2; echo out; read x || echo no-input"), "out\nno-input\nerr\n");

    const QString first = capture.OutputPath();
    ASSERT_TRUE(capture.Prepare());
    EXPECT_FALSE(QFile::exists(first)) << "files of an earlier run go first";
    QFile::remove(capture.OutputPath());
    RunShell(capture, "echo lost");
    EXPECT_FALSE(QFile::exists(capture.OutputPath())) << "a removed capture file stays removed";
    capture.Delete();
    EXPECT_EQ(tmp.CaptureLeftovers(), QStringList());
}

TEST(CaptureFiles, FallBackToTmpWhenTheTemporaryFolderIsUnusable)
{
    TempFolder folder;
    QStringList unusable{folder.Path("missing"), folder.Write("a file")};
    if (::geteuid() != 0) {  // root writes anywhere
        unusable << folder.Path("read only");
        QDir().mkdir(unusable.last());
        QFile::setPermissions(unusable.last(), QFile::ReadOwner | QFile::ExeOwner);
    }
    for (const QString& temporary : unusable) {
        const ScopedEnv tmpdir("TMPDIR", QFile::encodeName(temporary));
        CaptureFiles capture;
        ASSERT_TRUE(capture.Prepare()) << temporary.toStdString();
        for (const QString& path : {capture.OutputPath(), capture.ErrorPath()})
            EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo("/tmp").canonicalFilePath()) << path.toStdString();
        capture.Delete();
    }
}

TEST(ReadCapturedOutput, PutsOutputBeforeErrorsOneLfPerLine)
{
    const std::tuple<QByteArray, QByteArray, QString> cases[] = {
        {"", "", ""},
        {"", "A.java:1: error\r\n1 error\r\n", "A.java:1: error\n1 error\n"},
        {"o1\no2", "e1\n", "o1\no2\ne1\n"},
        {"a\rb\n\n", "", "a\rb\n\n"},
        {"日本\x83\xff\n", "", "日本\uFFFD\uFFFD\n"}};
    TempFolder folder;
    for (const auto& [output, error, text] : cases) {
        const CapturedText captured = ReadCapturedOutput(folder.Write("out", output), folder.Write("err", error));
        EXPECT_EQ(captured.text, text);
        EXPECT_EQ(captured.hasOutput, !text.isEmpty());
    }
}

TEST(LinePieceLength, NeverSplitsACharacterAndCutsStrayBytesAtTheLimit)
{
    constexpr qsizetype kLimit = 8;
    for (const QByteArray& character : {QByteArray("é"), QByteArray("あ"), QByteArray("𝄞")}) {
        for (qsizetype offset = 0; offset <= kLimit; ++offset) {
            const QByteArray line = QByteArray(offset, 'x') + character + QByteArray(kLimit, 'y');
            const qsizetype piece = LinePieceLength(line, kLimit);
            EXPECT_TRUE(piece == offset || piece >= offset + character.size())
                << character.size() << "-byte character at " << offset << " cut at " << piece;
            EXPECT_TRUE(piece > 0 && piece <= kLimit);
        }
    }
    const std::pair<QByteArray, qsizetype> cases[] = {
        {"short", 5},
        {QByteArray(20, '\x80'), kLimit},
        {"abcdef" + QByteArray(20, '\x80'), kLimit},
        {"\xE3" + QByteArray(20, '\x80'), kLimit},  // longer than any character
        {"abcdef\xE3\x81\x82", 6}};
    for (const auto& [line, piece] : cases)
        EXPECT_EQ(LinePieceLength(line, kLimit), piece) << line.toHex().toStdString();
}

TEST(ReadCapturedOutput, CopesWithAGigabyteWithoutLineBreaks)
{
    TempFolder folder;
    QFile huge(folder.Path("out"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 30));
    huge.close();
    const CapturedText captured = ReadCapturedOutput(huge.fileName(), folder.Write("err", "e\n"));
    EXPECT_TRUE(captured.shortened);
    const QStringList lines = captured.text.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), kStreamLimit / kLineLimit + 3);
    EXPECT_EQ(lines.first().size(), kLineLimit);
    EXPECT_TRUE(lines[lines.size() - 3].contains("改行して表示"));
    EXPECT_TRUE(lines[lines.size() - 2].contains("打ち切りました"));
    EXPECT_EQ(lines.last(), "e") << "errors still follow";
}

}  // namespace
