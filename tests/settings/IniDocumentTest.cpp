#include "settings/IniDocument.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>
#include <span>

using namespace settings;

namespace {

TEST(IniRead, FindsTheValue)
{
    const struct {
        const char *name, *file, *section, *key, *expected;  // expected nullptr: missing
    } cases[] = {{"plain", "[JDK]\r\nPath=/usr/bin\r\n", "JDK", "Path", "/usr/bin"},
                 {"lf only", "[JDK]\nPath=/usr/bin\n", "JDK", "Path", "/usr/bin"},
                 {"lone cr", "[JDK]\rPath=/x\r", "JDK", "Path", "/x"},
                 {"names in any case", "[jdk]\r\nPATH=/a\r\n", "JDK", "Path", "/a"},
                 {"blanks around", "  [ JDK ]  \r\n  Path  =  /a b  \r\n", "JDK", "Path", "/a b"},
                 {"double quotes", "[S]\r\nK=\"  x  \"\r\n", "S", "K", "  x  "},
                 {"single quotes", "[S]\r\nK='y'\r\n", "S", "K", "y"},
                 {"unbalanced quote kept", "[S]\r\nK=\"y\r\n", "S", "K", "\"y"},
                 {"empty value", "[S]\r\nK=\r\n", "S", "K", ""},
                 {"value with equals", "[S]\r\nK=a=b\r\n", "S", "K", "a=b"},
                 {"first key wins", "[S]\r\nK=1\r\nK=2\r\n", "S", "K", "1"},
                 {"first section wins", "[S]\r\nK=1\r\n[S]\r\nK=2\r\n", "S", "K", "1"},
                 {"repeated section is not read", "[S]\r\nA=1\r\n[s]\r\nK=2\r\n", "S", "K", nullptr},
                 {"blanks and tabs around", "[S]\r\n \tK\t = \t x\t\r\n", "S", "K", "x"},
                 {"full-width space kept", "[S]\r\nStrArg=\u3000abc\u3000\r\n", "S", "StrArg", "\u3000abc\u3000"},
                 {"full-width space is part of a name", "[S]\r\n\u3000K=1\r\n", "S", "K", nullptr},
                 {"shared key names", "[Option]\r\nExtend=true\r\n[JavaOption]\r\nOption=false\r\n", "JavaOption",
                  "Option", "false"},
                 {"other section", "[A]\r\nK=1\r\n[B]\r\n", "B", "K", nullptr},
                 {"before any section", "K=1\r\n[S]\r\n", "S", "K", nullptr},
                 {"no sections", "just text\nK=1\n", "S", "K", nullptr},
                 {"empty file", "", "S", "K", nullptr},
                 {"line without equals", "[S]\r\nK\r\n", "S", "K", nullptr},
                 {"no final line end", "[S]\r\nK=v", "S", "K", "v"},
                 {"utf-8 value", "[S]\r\nK=日本語\r\n", "S", "K", "日本語"}};
    for (const auto& c : cases) {
        const auto value = IniDocument::FromBytes(c.file).Value(c.section, c.key);
        EXPECT_EQ(value, c.expected ? std::optional(QString::fromUtf8(c.expected)) : std::nullopt) << c.name;
    }
}

TEST(IniWrite, ChangesOnlyTheWrittenLine)
{
    const struct {
        const char *name, *before, *section, *key, *value, *after;
    } cases[] = {{"new file", "", "JDK", "Path", "/usr/bin", "[JDK]\r\nPath=/usr/bin\r\n"},
                 {"replace in place", "; note\n[S]\nA = 1\nK = old\nB=2\n", "S", "K", "new",
                  "; note\n[S]\nA = 1\nK=new\r\nB=2\n"},
                 {"replace keeps key case of caller", "[s]\r\nkey=1\r\n", "S", "Key", "2", "[s]\r\nKey=2\r\n"},
                 {"new key at end of its section", "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n", "A", "Z", "3",
                  "[A]\r\nX=1\r\nZ=3\r\n\r\n[B]\r\nY=2\r\n"},
                 {"new key in last section without line end", "[A]\r\nX=1", "A", "Z", "3", "[A]\r\nX=1\r\nZ=3\r\n"},
                 {"new key in empty section", "[A]\n[B]\n", "A", "K", "v", "[A]\nK=v\r\n[B]\n"},
                 {"first of repeated sections", "[S]\r\nA=1\r\n[s]\r\nK=2\r\n", "S", "K", "3",
                  "[S]\r\nA=1\r\nK=3\r\n[s]\r\nK=2\r\n"},
                 {"full-width space needs no quotes", "", "S", "K", "\u3000abc", "[S]\r\nK=\u3000abc\r\n"},
                 {"new section at end", "[A]\r\nX=1\r\n", "B", "K", "v", "[A]\r\nX=1\r\n[B]\r\nK=v\r\n"},
                 {"new section after text without line end", "garbage", "B", "K", "v", "garbage\r\n[B]\r\nK=v\r\n"},
                 {"negative integer", "", "MsgDlg", "Top", "-8", "[MsgDlg]\r\nTop=-8\r\n"},
                 {"quoted value round trip", "", "S", "K", "\"q\"", "[S]\r\nK=\"\"q\"\"\r\n"},
                 {"padded value round trip", "", "S", "K", " p ", "[S]\r\nK=\" p \"\r\n"}};
    for (const auto& c : cases) {
        IniDocument doc = IniDocument::FromBytes(c.before);
        doc.SetValue(c.section, c.key, QString::fromUtf8(c.value));
        EXPECT_EQ(doc.ToBytes(), QByteArray(c.after)) << c.name;
        EXPECT_EQ(doc.Value(c.section, c.key), QString::fromUtf8(c.value)) << c.name;
    }
}

TEST(IniWrite, LineBreaksInValueCannotSplitTheLine)
{
    IniDocument doc;
    doc.SetValue("S", "K", QStringLiteral("a\r\nB=evil\nc"));
    EXPECT_EQ(doc.ToBytes(), QByteArray("[S]\r\nK=a B=evil c\r\n"));
    EXPECT_FALSE(doc.Value("S", "B").has_value());
}

// A CP932 file stays so, keeping other lines' bytes, unless a written value would be misread there.
TEST(IniWrite, Cp932FileStaysCp932UnlessAValueWouldBeMisread)
{
    const QByteArray before = QByteArray("[S]\r\nA=") + QByteArray::fromHex("835c") + "\r\nB=\xc3\xa9\r\n";
    IniDocument doc = IniDocument::FromBytes(before);
    ASSERT_EQ(doc.Encoding(), IniEncoding::Cp932);
    doc.SetValue("S", "C", QStringLiteral("ファイル"));
    EXPECT_EQ(doc.ToBytes(), before + QByteArray("C=") + QByteArray::fromHex("837483408343838b") + "\r\n");
    const QString otherText = *doc.Value("S", "B");
    doc.SetValue("S", "A", QStringLiteral("ﾃ｣"));  // valid UTF-8 when written in CP932
    const IniDocument reread = IniDocument::FromBytes(doc.ToBytes());
    EXPECT_TRUE(doc.ToBytes().startsWith("[S]"));  // every line decoded: no mark needed
    EXPECT_EQ(reread.Value("S", "A"), QStringLiteral("ﾃ｣"));
    EXPECT_EQ(reread.Value("S", "B"), otherText);
    EXPECT_EQ(reread.Value("S", "C"), QStringLiteral("ファイル"));
}

// Names that would not read back, or would add lines, are refused whole; unusual names that do read back are replaced
// in place by a second write.
TEST(IniWrite, RefusesNamesThatWouldNotReadBack)
{
    using Name = std::pair<const char*, const char*>;
    const Name refused[] = {{"S", "k\r\nx"}, {"A\nk=evil\n[B", "K"},
                            {"A]B", "K"},    {"S", "a=b"},
                            {"S", "[k"},     {"S", ";k"},
                            {"S", ""},       {"S", " k"},
                            {"S\t", "K"}};
    const Name accepted[] = {
        {"[A", "K"}, {"S", "k]"}, {"a=b", "K"}, {"S", "k;x"}, {"S", "\"q\""}, {"S", "\u3000k\u3000"}, {"設定", "キー"}};
    const QByteArray before("[S]\r\nK=1\r\n");
    for (const auto& [names, isRefused] :
         {std::pair(std::span<const Name>(refused), true), std::pair(std::span<const Name>(accepted), false)}) {
        for (const auto& [section, key] : names) {
            IniDocument once = IniDocument::FromBytes(before);
            IniDocument twice = once;
            once.SetValue(section, key, "2");
            twice.SetValue(section, key, "1");
            twice.SetValue(section, key, "2");
            EXPECT_EQ(twice.ToBytes(), once.ToBytes()) << section << "|" << key;
            EXPECT_EQ(once.ToBytes() == before, isRefused) << section << "|" << key;
            if (!isRefused) {
                EXPECT_EQ(IniDocument::FromBytes(once.ToBytes()).Value(section, key), "2") << key;
            }
        }
    }
}

}  // namespace
