// A tool's bytes become lines however they are cut.
#include "runner/LineAssembler.h"

#include <QList>
#include <gtest/gtest.h>

using namespace runner;

namespace {

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

}  // namespace
