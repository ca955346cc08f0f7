#include "settings/IniDocument.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {

QByteArray Bytes(const char* text) { return QByteArray(text); }

struct ReadCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected;  // nullptr: missing
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsValue)
{
    const ReadCase& c = GetParam();
    const auto value =
        IniDocument::FromBytes(Bytes(c.file)).Value(QString::fromUtf8(c.section), QString::fromUtf8(c.key));
    if (!c.expected) {
        EXPECT_FALSE(value.has_value()) << c.name;
        return;
    }
    ASSERT_TRUE(value.has_value()) << c.name;
    EXPECT_EQ(*value, QString::fromUtf8(c.expected)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    ::testing::Values(ReadCase{"plain", "[JDK]\r\nPath=/usr/bin\r\n", "JDK", "Path", "/usr/bin"},
                      ReadCase{"lf only", "[JDK]\nPath=/usr/bin\n", "JDK", "Path", "/usr/bin"},
                      ReadCase{"lone cr", "[JDK]\rPath=/x\r", "JDK", "Path", "/x"},
                      ReadCase{"names in any case", "[jdk]\r\nPATH=/a\r\n", "JDK", "Path", "/a"},
                      ReadCase{"blanks around", "  [ JDK ]  \r\n  Path  =  /a b  \r\n", "JDK", "Path", "/a b"},
                      ReadCase{"double quotes", "[S]\r\nK=\"  x  \"\r\n", "S", "K", "  x  "},
                      ReadCase{"single quotes", "[S]\r\nK='y'\r\n", "S", "K", "y"},
                      ReadCase{"unbalanced quote kept", "[S]\r\nK=\"y\r\n", "S", "K", "\"y"},
                      ReadCase{"empty value", "[S]\r\nK=\r\n", "S", "K", ""},
                      ReadCase{"value with equals", "[S]\r\nK=a=b\r\n", "S", "K", "a=b"},
                      ReadCase{"first key wins", "[S]\r\nK=1\r\nK=2\r\n", "S", "K", "1"},
                      ReadCase{"first section wins", "[S]\r\nK=1\r\n[S]\r\nK=2\r\n", "S", "K", "1"},
                      ReadCase{"repeated section is not read", "[S]\r\nA=1\r\n[s]\r\nK=2\r\n", "S", "K", nullptr},
                      ReadCase{"blanks and tabs around", "[S]\r\n \tK\t = \t x\t\r\n", "S", "K", "x"},
                      ReadCase{"full-width space kept", "[S]\r\nStrArg=\u3000abc\u3000\r\n", "S", "StrArg",
                               "\u3000abc\u3000"},
                      ReadCase{"full-width space is part of a name", "[S]\r\n\u3000K=1\r\n", "S", "K", nullptr},
                      ReadCase{"shared key names", "[Option]\r\nExtend=true\r\n[JavaOption]\r\nOption=false\r\n",
                               "JavaOption", "Option", "false"},
                      ReadCase{"other section", "[A]\r\nK=1\r\n[B]\r\n", "B", "K", nullptr},
                      ReadCase{"before any section", "K=1\r\n[S]\r\n", "S", "K", nullptr},
                      ReadCase{"no sections", "just text\nK=1\n", "S", "K", nullptr},
                      ReadCase{"empty file", "", "S", "K", nullptr},
                      ReadCase{"line without equals", "[S]\r\nK\r\n", "S", "K", nullptr},
                      ReadCase{"no final line end", "[S]\r\nK=v", "S", "K", "v"},
                      ReadCase{"utf-8 value", "[S]\r\nK=日本語\r\n", "S", "K", "日本語"}));

TEST(IniRead, Cp932FileIsDecoded)
{
    // "[S]\r\nK=ソース\r\n" in CP932: the bytes are not valid UTF-8.
    const QByteArray cp932 = QByteArray("[S]\r\nK=") + QByteArray::fromHex("835c815b8358") + "\r\n";
    const IniDocument doc = IniDocument::FromBytes(cp932);
    EXPECT_EQ(doc.Encoding(), IniEncoding::Cp932);
    EXPECT_EQ(doc.Value(QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("ソース"));
}

TEST(IniRead, BinaryBytesGiveNoValueAndNoCrash)
{
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(char((i * 131 + 7) % 256));
    const IniDocument doc = IniDocument::FromBytes(noise);
    EXPECT_FALSE(doc.Value(QStringLiteral("JDK"), QStringLiteral("Path")).has_value());
    EXPECT_EQ(doc.ToBytes(), noise);
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, ChangesOnlyTheWrittenLine)
{
    const WriteCase& c = GetParam();
    IniDocument doc = IniDocument::FromBytes(Bytes(c.before));
    doc.SetValue(QString::fromUtf8(c.section), QString::fromUtf8(c.key), QString::fromUtf8(c.value));
    EXPECT_EQ(doc.ToBytes(), Bytes(c.after)) << c.name;
    EXPECT_EQ(doc.Value(QString::fromUtf8(c.section), QString::fromUtf8(c.key)), QString::fromUtf8(c.value)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrite,
    ::testing::Values(
        WriteCase{"new file", "", "JDK", "Path", "/usr/bin", "[JDK]\r\nPath=/usr/bin\r\n"},
        WriteCase{"replace in place", "; note\n[S]\nA = 1\nK = old\nB=2\n", "S", "K", "new",
                  "; note\n[S]\nA = 1\nK=new\r\nB=2\n"},
        WriteCase{"replace keeps key case of caller", "[s]\r\nkey=1\r\n", "S", "Key", "2", "[s]\r\nKey=2\r\n"},
        WriteCase{"new key at end of its section", "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n", "A", "Z", "3",
                  "[A]\r\nX=1\r\nZ=3\r\n\r\n[B]\r\nY=2\r\n"},
        WriteCase{"new key in last section without line end", "[A]\r\nX=1", "A", "Z", "3", "[A]\r\nX=1\r\nZ=3\r\n"},
        WriteCase{"new key in empty section", "[A]\n[B]\n", "A", "K", "v", "[A]\nK=v\r\n[B]\n"},
        WriteCase{"first of repeated sections", "[S]\r\nA=1\r\n[s]\r\nK=2\r\n", "S", "K", "3",
                  "[S]\r\nA=1\r\nK=3\r\n[s]\r\nK=2\r\n"},
        WriteCase{"full-width space needs no quotes", "", "S", "K", "\u3000abc", "[S]\r\nK=\u3000abc\r\n"},
        WriteCase{"new section at end", "[A]\r\nX=1\r\n", "B", "K", "v", "[A]\r\nX=1\r\n[B]\r\nK=v\r\n"},
        WriteCase{"new section after text without line end", "garbage", "B", "K", "v", "garbage\r\n[B]\r\nK=v\r\n"},
        WriteCase{"negative integer", "", "MsgDlg", "Top", "-8", "[MsgDlg]\r\nTop=-8\r\n"},
        WriteCase{"quoted value round trip", "", "S", "K", "\"q\"", "[S]\r\nK=\"\"q\"\"\r\n"},
        WriteCase{"padded value round trip", "", "S", "K", " p ", "[S]\r\nK=\" p \"\r\n"},
        WriteCase{"long value kept whole", "", "S", "K",
                  "/a/very/long/class/path/entry/that/goes/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/"
                  "on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/x.jar",
                  "[S]\r\nK=/a/very/long/class/path/entry/that/goes/on/and/on/and/on/and/on/and/on/and/on/and/on/"
                  "and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/and/on/"
                  "and/on/and/on/x.jar\r\n"}));

TEST(IniWrite, LineBreaksInValueCannotSplitTheLine)
{
    IniDocument doc;
    doc.SetValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("a\r\nB=evil\nc"));
    EXPECT_EQ(doc.ToBytes(), QByteArray("[S]\r\nK=a B=evil c\r\n"));
    EXPECT_FALSE(doc.Value(QStringLiteral("S"), QStringLiteral("B")).has_value());
}

TEST(IniWrite, Cp932FileStaysCp932AndKeepsOtherBytes)
{
    const QByteArray sjis = QByteArray::fromHex("835c815b8358");  // ソース
    const QByteArray before = QByteArray("[S]\r\nA=") + sjis + "\r\n";
    IniDocument doc = IniDocument::FromBytes(before);
    doc.SetValue(QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("ファイル"));
    EXPECT_EQ(doc.ToBytes(), before + QByteArray("B=") + QByteArray::fromHex("837483408343838b") + "\r\n");
}

TEST(IniWrite, Cp932FileMovesToUtf8WhenItWouldBeMisread)
{
    // Only the replaced line held CP932 bytes; "ﾃ｣" in CP932 is valid UTF-8.
    const QByteArray before = QByteArray("[S]\r\nA=") + QByteArray::fromHex("835c") + "\r\nB=\xc3\xa9\r\n";
    IniDocument doc = IniDocument::FromBytes(before);
    ASSERT_EQ(doc.Encoding(), IniEncoding::Cp932);
    const QString otherText = *doc.Value(QStringLiteral("S"), QStringLiteral("B"));
    doc.SetValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("ﾃ｣"));
    const IniDocument reread = IniDocument::FromBytes(doc.ToBytes());
    EXPECT_EQ(reread.Value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("ﾃ｣"));
    EXPECT_EQ(reread.Value(QStringLiteral("S"), QStringLiteral("B")), otherText);
}

TEST(IniWrite, Cp932FileMovesToUtf8WhenTheValueNeedsIt)
{
    const QByteArray before = QByteArray("[S]\r\nA=") + QByteArray::fromHex("835c815b8358") + "\r\n";
    IniDocument doc = IniDocument::FromBytes(before);
    doc.SetValue(QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("😀"));
    const IniDocument reread = IniDocument::FromBytes(doc.ToBytes());
    EXPECT_EQ(reread.Encoding(), IniEncoding::Utf8);
    EXPECT_TRUE(doc.ToBytes().startsWith("[S]"));  // every line decoded: no mark needed
    EXPECT_EQ(reread.Value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("ソース"));
    EXPECT_EQ(reread.Value(QStringLiteral("S"), QStringLiteral("B")), QStringLiteral("😀"));
}

// Names that would not read back, or would add lines, are refused whole.
struct NameCase {
    const char* name;
    const char* section;
    const char* key;
};

class IniRefusedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(IniRefusedName, WritesNothing)
{
    const NameCase& c = GetParam();
    const QByteArray before("[S]\r\nK=1\r\n");
    IniDocument doc = IniDocument::FromBytes(before);
    doc.SetValue(QString::fromUtf8(c.section), QString::fromUtf8(c.key), QStringLiteral("v"));
    EXPECT_EQ(doc.ToBytes(), before) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRefusedName,
    ::testing::Values(NameCase{"line break in key", "S", "k\r\nx"}, NameCase{"lines in section", "A\nk=evil\n[B", "K"},
                      NameCase{"bracket in section", "A]B", "K"}, NameCase{"equals in key", "S", "a=b"},
                      NameCase{"key opening a section", "S", "[k"}, NameCase{"key as comment", "S", ";k"},
                      NameCase{"empty key", "S", ""}, NameCase{"blank before key", "S", " k"},
                      NameCase{"tab after section", "S\t", "K"}));

// Unusual names that do read back: a second write replaces the first.
class IniAcceptedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(IniAcceptedName, ReadsBackAndIsReplacedInPlace)
{
    const NameCase& c = GetParam();
    const QString section = QString::fromUtf8(c.section);
    const QString key = QString::fromUtf8(c.key);
    IniDocument once;
    once.SetValue(section, key, QStringLiteral("2"));
    IniDocument twice;
    twice.SetValue(section, key, QStringLiteral("1"));
    twice.SetValue(section, key, QStringLiteral("2"));
    EXPECT_EQ(twice.ToBytes(), once.ToBytes()) << c.name;
    EXPECT_EQ(IniDocument::FromBytes(twice.ToBytes()).Value(section, key), QStringLiteral("2")) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniAcceptedName,
                         ::testing::Values(NameCase{"bracket opening section", "[A", "K"},
                                           NameCase{"bracket in key", "S", "k]"},
                                           NameCase{"equals in section", "a=b", "K"},
                                           NameCase{"semicolon inside key", "S", "k;x"},
                                           NameCase{"quoted key", "S", "\"q\""},
                                           NameCase{"full-width space around key", "S", "\u3000k\u3000"},
                                           NameCase{"japanese names", "設定", "キー"}));

}  // namespace
