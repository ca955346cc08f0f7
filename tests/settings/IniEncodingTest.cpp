// The encodings of a settings file: decided once per file, kept by writes, and no byte of an unchanged line lost.
#include "settings/IniDocument.h"

#include "tests/support/QtPrinters.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace settings;

namespace {

const QString S = QStringLiteral("S");
const QByteArray kSource = QByteArray::fromHex("835c815b8358");  // "ソース" in CP932

QByteArray Encoded(QStringEncoder::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

// Both byte orders: the text reads, writes keep the order and its mark, and a half character at the end keeps its byte
// and the units their alignment.
TEST(IniUtf16, ReadsAndWritesInItsOwnEncodingAndKeepsAHalfCharacter)
{
    for (const auto& [encoding, bom] : {std::pair(QStringEncoder::Utf16LE, QByteArray::fromHex("fffe")),
                                        std::pair(QStringEncoder::Utf16BE, QByteArray::fromHex("feff"))}) {
        const QString text = QStringLiteral("[JDK]\r\nPath=/opt/jdk\r\n[S]\r\nK = 日本語\r\n");
        IniDocument doc = IniDocument::FromBytes(bom + Encoded(encoding, text));
        EXPECT_EQ(doc.Value("JDK", "Path"), "/opt/jdk");
        EXPECT_EQ(doc.Value(S, "K"), QStringLiteral("日本語"));
        doc.SetValue(S, "New", QStringLiteral("値"));
        doc.SetValue("Added", "K", QStringLiteral("😀"));
        EXPECT_EQ(doc.ToBytes(), bom + Encoded(encoding, text + QStringLiteral("New=値\r\n[Added]\r\nK=😀\r\n")));

        const QByteArray before = bom + Encoded(encoding, QStringLiteral("[S]\r\nK=1")) + "A";
        IniDocument half = IniDocument::FromBytes(before);
        EXPECT_EQ(half.ToBytes(), before);
        EXPECT_EQ(half.Value(S, "K"), QStringLiteral("1\uFFFD"));
        half.SetValue(S, "J", "2");
        const QByteArray after = half.ToBytes();
        EXPECT_TRUE(after.startsWith(before.chopped(1)));
        EXPECT_TRUE(after.mid(before.size() - 1, 2).contains('A'));  // the half unit keeps its byte
        EXPECT_EQ(after.size() % 2, 0);
        const IniDocument reread = IniDocument::FromBytes(after);
        EXPECT_EQ(reread.Value(S, "K"), QStringLiteral("1\uFFFD"));
        EXPECT_EQ(reread.Value(S, "J"), "2");
    }
}

TEST(IniUtf8Bom, DecidesTheEncodingWhateverFollows)
{
    const QByteArray before = QByteArray("\xef\xbb\xbf[S]\r\nK=v\r\nJ=") + kSource + "\r\n";
    IniDocument doc = IniDocument::FromBytes(before);
    EXPECT_EQ(doc.Value(S, "K"), "v");
    doc.SetValue(S, "N", QStringLiteral("ソ"));
    EXPECT_EQ(doc.ToBytes(), before + "N=\xe3\x82\xbd\r\n");
}

TEST(IniCp932, LoneLeadByteReadsAsReplacementAndSurvivesTheMoveToUtf8)
{
    const QByteArray before = QByteArray("[S]\r\nk=\x95\r\nA=") + kSource + "\r\n";
    IniDocument doc = IniDocument::FromBytes(before);
    EXPECT_EQ(doc.Value(S, "k"), QStringLiteral("\uFFFD"));
    doc.SetValue(S, "E", QStringLiteral("😀"));  // not in CP932: the file moves to UTF-8
    const QByteArray after = doc.ToBytes();
    EXPECT_TRUE(after.contains("\r\nk=\x95\r\n"));
    const IniDocument reread = IniDocument::FromBytes(after);
    EXPECT_EQ(reread.Value(S, "A"), QStringLiteral("ソース"));
    EXPECT_EQ(reread.Value(S, "E"), QStringLiteral("😀"));
    EXPECT_EQ(reread.Value(S, "k"), QStringLiteral("\uFFFD"));
}

}  // namespace
