// The encodings of a settings file: decided once per file, kept by writes,
// and no byte of an unchanged line lost.
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

struct Utf16Case {
    const char* name;
    QStringEncoder::Encoding encoding;
    const char* bom;
};

class IniUtf16 : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(IniUtf16, ReadsAndWritesInItsOwnEncoding)
{
    const Utf16Case& c = GetParam();
    const QByteArray bom = QByteArray::fromHex(c.bom);
    const QString text = QStringLiteral("[JDK]\r\nPath=/opt/jdk\r\n[S]\r\nK = 日本語\r\n");
    IniDocument doc = IniDocument::FromBytes(bom + Encoded(c.encoding, text));
    EXPECT_EQ(doc.Value(QStringLiteral("JDK"), QStringLiteral("Path")), QStringLiteral("/opt/jdk")) << c.name;
    EXPECT_EQ(doc.Value(S, QStringLiteral("K")), QStringLiteral("日本語")) << c.name;
    doc.SetValue(S, QStringLiteral("New"), QStringLiteral("値"));
    doc.SetValue(QStringLiteral("Added"), QStringLiteral("K"), QStringLiteral("😀"));
    EXPECT_EQ(doc.ToBytes(), bom + Encoded(c.encoding, text + QStringLiteral("New=値\r\n[Added]\r\nK=😀\r\n")))
        << c.name;
}

TEST_P(IniUtf16, HalfCharacterAtTheEndStaysBrokenAndAligned)
{
    const Utf16Case& c = GetParam();
    const QByteArray before = QByteArray::fromHex(c.bom) + Encoded(c.encoding, QStringLiteral("[S]\r\nK=1")) + "A";
    IniDocument doc = IniDocument::FromBytes(before);
    EXPECT_EQ(doc.ToBytes(), before);
    EXPECT_EQ(doc.Value(S, QStringLiteral("K")), QStringLiteral("1\uFFFD"));
    doc.SetValue(S, QStringLiteral("J"), QStringLiteral("2"));
    const IniDocument reread = IniDocument::FromBytes(doc.ToBytes());
    const QByteArray after = doc.ToBytes();
    EXPECT_TRUE(after.startsWith(before.chopped(1)));
    EXPECT_TRUE(after.mid(before.size() - 1, 2).contains('A'));  // the half unit keeps its byte
    EXPECT_EQ(after.size() % 2, 0);
    EXPECT_EQ(reread.Value(S, QStringLiteral("K")), QStringLiteral("1\uFFFD"));
    EXPECT_EQ(reread.Value(S, QStringLiteral("J")), QStringLiteral("2"));
}

INSTANTIATE_TEST_SUITE_P(Orders, IniUtf16,
                         ::testing::Values(Utf16Case{"little endian", QStringEncoder::Utf16LE, "fffe"},
                                           Utf16Case{"big endian", QStringEncoder::Utf16BE, "feff"}),
                         [](const auto& info) { return info.param.encoding == QStringEncoder::Utf16LE ? "LE" : "BE"; });

TEST(IniUtf8Bom, DecidesTheEncodingWhateverFollows)
{
    const QByteArray before = QByteArray("\xef\xbb\xbf[S]\r\nK=v\r\nJ=") + kSource + "\r\n";
    IniDocument doc = IniDocument::FromBytes(before);
    EXPECT_EQ(doc.Value(S, QStringLiteral("K")), QStringLiteral("v"));
    doc.SetValue(S, QStringLiteral("N"), QStringLiteral("ソ"));
    EXPECT_EQ(doc.ToBytes(), before + "N=\xe3\x82\xbd\r\n");
}

TEST(IniCp932, LoneLeadByteReadsAsReplacementAndSurvivesTheMoveToUtf8)
{
    const QByteArray before = QByteArray("[S]\r\nk=\x95\r\nA=") + kSource + "\r\n";
    IniDocument doc = IniDocument::FromBytes(before);
    EXPECT_EQ(doc.Value(S, QStringLiteral("k")), QStringLiteral("\uFFFD"));
    doc.SetValue(S, QStringLiteral("E"), QStringLiteral("😀"));  // not in CP932: the file moves to UTF-8
    const QByteArray after = doc.ToBytes();
    EXPECT_TRUE(after.contains("\r\nk=\x95\r\n"));
    const IniDocument reread = IniDocument::FromBytes(after);
    EXPECT_EQ(reread.Value(S, QStringLiteral("A")), QStringLiteral("ソース"));
    EXPECT_EQ(reread.Value(S, QStringLiteral("E")), QStringLiteral("😀"));
    EXPECT_EQ(reread.Value(S, QStringLiteral("k")), QStringLiteral("\uFFFD"));
}

}  // namespace
