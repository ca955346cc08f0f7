// Which sources need a question, which encoding reads them, and the two rewrites of a source.
#include "runner/SourceSet.h"

#include "tests/support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace runner;

namespace {

using platform::SourceEncoding;

TEST(SourceSet, PlansOneEncodingForEverySourceJavacMayRead)
{
    constexpr auto kAscii = SourceEncoding::Ascii, kUtf8 = SourceEncoding::Utf8, kBom = SourceEncoding::Utf8Bom,
                   kSjis = SourceEncoding::ShiftJis, kEuc = SourceEncoding::EucJp, kUtf16 = SourceEncoding::Utf16Be;
    const struct {
        const char* name;
        QList<SourceFile> named, others;
        QStringList marked, foreign;
        SourceEncoding encoding;
    } cases[] = {
        {"ASCII reads as Shift_JIS", {{"A", kAscii}, {"B", kSjis}}, {}, {}, {}, kSjis},
        {"a marked file is UTF-8", {{"A", kBom}}, {{"B", kUtf8}, {"C", kBom}}, {"A"}, {}, kBom},
        {"rebuild of differing files", {{"A", kSjis}, {"B", kUtf8}, {"C", kEuc}}, {}, {}, {"A", "C"}, kUtf8},
        {"one file keeps its own", {{"A", kSjis}}, {{"B", kUtf8}, {"C", kAscii}}, {}, {"A"}, kSjis},
        {"a sibling in another encoding", {{"A", kBom}}, {{"B", kEuc}}, {"A"}, {"B"}, kBom},
        {"ASCII is not UTF-16", {{"A", kUtf16}}, {{"B", kAscii}}, {}, {"A"}, kUtf16},
        {"both UTF-16 byte orders", {{"A", kUtf16}, {"B", SourceEncoding::Utf16Le}}, {}, {}, {}, kUtf16},
    };
    for (const auto& c : cases) {
        const SourcePlan plan = PlanSources(c.named, c.others);
        QStringList foreign;
        for (const SourceFile& source : plan.foreign)
            foreign << source.name;
        EXPECT_EQ(plan.marked, c.marked) << c.name;
        EXPECT_EQ(foreign, c.foreign) << c.name;
        EXPECT_EQ(platform::JavaCharsetName(plan.encoding), platform::JavaCharsetName(c.encoding)) << c.name;
    }
}

// A reader of the old file keeps all of it; a conversion keeps the original under a free name, and
// refuses bytes that do not decode.
TEST(SourceSet, RewritesReplaceTheFileWholeAndKeepEveryOtherByte)
{
    TempFolder folder;
    static const char kRest[] = "// \xe6\x97\xa5\r\nclass A { String s = \"\xef\xbb\xbf\"; }\0\n";
    const QByteArray rest(kRest, sizeof kRest - 1);
    const QString path = folder.Write("A.java", "\xef\xbb\xbf" + rest);
    QFile reader(path);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    ASSERT_TRUE(DropByteOrderMark(path));
    EXPECT_EQ(folder.Read("A.java"), rest);
    EXPECT_EQ(reader.readAll(), "\xef\xbb\xbf" + rest);
    EXPECT_FALSE(DropByteOrderMark(path)) << "no mark left to remove";

    const QByteArray sjis = "// \x93\xfa\x96\x7b\x8c\xea\r\n";  // 日本語
    folder.Write("B.java", sjis);
    folder.Write("B.java.sjis", "older");
    EXPECT_EQ(ConvertToUtf8(folder.Path("B.java"), SourceEncoding::ShiftJis), "");
    EXPECT_EQ(folder.Read("B.java"), "// \xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\r\n");
    EXPECT_EQ(folder.Read("B.java.sjis.2"), sjis);
    EXPECT_EQ(folder.Read("B.java.sjis"), "older");
    folder.Write("C.java", "// \x82\xa0\x82");
    EXPECT_EQ(ConvertToUtf8(folder.Path("C.java"), SourceEncoding::ShiftJis),
              "Shift_JIS として読めないバイトがあります");
    EXPECT_EQ(folder.Read("C.java"), "// \x82\xa0\x82");
    EXPECT_FALSE(folder.Exists("C.java.sjis"));
}

}  // namespace
