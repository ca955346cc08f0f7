// Which sources need a question, which encoding reads them, and the two rewrites of a source.
#include "java/SourceSet.h"

#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace java;

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

SourceFile Examined(const TempFolder& folder, const QString& name)
{
    return ExamineSources(folder.Path(), {name}).value(0);
}

// A reader of the old file keeps all of it; a conversion keeps the original under a free name named after the
// encoding it read, and refuses bytes that do not decode.
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

    const QByteArray sjis = "// \x83\x65\x83\x58\x83\x67\r\n";  // テスト: valid EUC-JP to other decoders
    folder.Write("B.java", sjis);
    folder.Write("B.java.sjis", "older");
    EXPECT_EQ(ConvertToUtf8(folder.Path("B.java"), Examined(folder, "B.java")), "");
    EXPECT_EQ(folder.Read("B.java"), "// \xe3\x83\x86\xe3\x82\xb9\xe3\x83\x88\r\n");
    EXPECT_EQ(folder.Read("B.java.sjis.2"), sjis);
    EXPECT_EQ(folder.Read("B.java.sjis"), "older");
    folder.Write("C.java", "// \x82\xa0\x82");
    EXPECT_EQ(ConvertToUtf8(folder.Path("C.java"), Examined(folder, "C.java")),
              "Shift_JIS として読めないバイトがあります");
    EXPECT_EQ(folder.Read("C.java"), "// \x82\xa0\x82");
    EXPECT_FALSE(folder.Exists("C.java.sjis"));
}

// Saved again by an editor while the question was open, as UTF-8 or in place; a write that fails (a full disk)
// leaves the file and no copy; the file keeps its permissions and owner.
TEST(SourceSet, ConversionRefusesAChangedFileAndLeavesNothingBehindAFailedWrite)
{
    TempFolder folder;
    const QByteArray euc = "// \xa4\xb3\xa4\xf3\xa4\xcb\xa4\xc1\xa4\xcf\n";  // こんにちは
    const QByteArray utf8 = "// \xe3\x81\x93\xe3\x82\x93\xe3\x81\xab\xe3\x81\xa1\xe3\x81\xaf\n";
    for (const QByteArray& savedAgain : {utf8, QByteArray(euc).replace("\xcf", "\xe4")}) {
        folder.Write("D.java", euc);
        const SourceFile examined = Examined(folder, "D.java");
        ASSERT_EQ(examined.encoding, SourceEncoding::EucJp);
        folder.Write("D.java", savedAgain);
        EXPECT_EQ(ConvertToUtf8(folder.Path("D.java"), examined),
                  "確認のあとでファイルが変わりました。もう一度実行してください");
        EXPECT_EQ(folder.Read("D.java"), savedAgain);
        EXPECT_FALSE(folder.Exists("D.java.eucjp"));
    }

    const QString path = folder.Write("E.java", euc);
    ASSERT_EQ(::chmod(QFile::encodeName(path), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(path), 65534, 65534), 0);
    }
    const SourceFile examined = Examined(folder, "E.java");
    {
        const auto noSignal = ::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit full = old;
        full.rlim_cur = rlim_t(euc.size());  // the copy fits, the longer UTF-8 does not
        ::setrlimit(RLIMIT_FSIZE, &full);
        EXPECT_EQ(ConvertToUtf8(path, examined), "書き込めません");
        ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, noSignal);
    }
    EXPECT_EQ(QDir(folder.Path()).entryList({"E.java*"}, QDir::Files), QStringList{"E.java"});
    EXPECT_EQ(ConvertToUtf8(path, examined), "");
    EXPECT_EQ(folder.Read("E.java"), utf8);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(std::pair(st.st_uid, st.st_gid), std::pair(uid_t(65534), gid_t(65534)));
    }
}

// A FIFO named like a source is never opened (its open would wait for a writer).
TEST(SourceSet, OnlyRegularFilesAreExaminedAndNamedInTheNote)
{
    TempFolder folder;
    folder.Write("A.java", "// \x95\x5c\x8e\xa6\n");  // 表示
    folder.Write("B.java", "class B { }\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.Path("F.java")), 0600), 0);
    const QList<SourceFile> sources = ExamineSources(folder.Path(), {"A.java", "B.java", "F.java"});
    ASSERT_EQ(sources.size(), 2);
    const SourcePlan plan = PlanSources(sources, {});
    EXPECT_EQ(ReadingNote(plan, sources), "A.java を Shift_JIS として読みました");
    EXPECT_EQ(ReadingNote(PlanSources({sources[1]}, {}), {sources[1]}), "");
}

}  // namespace
