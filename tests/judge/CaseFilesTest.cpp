// Finding cases, reading their files and the rules kept beside them.
#include "judge/CaseFinder.h"
#include "judge/CaseText.h"
#include "judge/JudgeRules.h"
#include "tests/support/TempFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace judge;

namespace {

QStringList Names(const CaseFolder& found)
{
    QStringList names;
    for (const TestCase& c : found.cases)
        names << c.name;
    return names;
}

TEST(CaseFinderTest, PairsFoldersAndWhatIsLeftOut)
{
    TempFolder folder;
    for (const char* name : {"sample-10", "sample-2", "sample-1", "two words", "入力例 1"}) {
        folder.Write(QString::fromUtf8(name) + ".in", "1\n");
        folder.Write(QString::fromUtf8(name) + ".out", "1\n");
    }
    folder.Write("lonely.in", "1\n");   // listed without expected output
    folder.Write("orphan.out", "1\n");  // no input: no case
    folder.Write(".hidden.in", "1\n");
    folder.Write("in/01.txt", "1\n");
    folder.Write("out/01.txt", "1\n");
    folder.Write("in/02.in", "1\n");
    folder.Write("out/02.out", "1\n");
    QFile::link(folder.Path("sample-1.in"), folder.Path("linked.in"));
    QFile::link(folder.Path("loop.in"), folder.Path("loop.in"));  // a link to itself
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.Path("fifo.in")).constData(), 0600), 0);
    folder.Write("dir.in/x", "");

    const CaseFolder found = FindCases(folder.Path());
    EXPECT_EQ(found.folder, folder.Path());
    EXPECT_EQ(Names(found), QStringList({"in/01.txt", "in/02", "linked", "lonely", "sample-1", "sample-2", "sample-10",
                                         "two words", "入力例 1"}));
    for (const TestCase& c : found.cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(c.expectedPath.isEmpty(), c.name == "lonely" || c.name == "linked");
        if (c.name == "in/02") {
            EXPECT_EQ(c.expectedPath, folder.Path("out/02.out"));
        }
    }
}

TEST(CaseFinderTest, SubFoldersAreLookedAtInTurn)
{
    TempFolder folder;
    EXPECT_TRUE(FindCases(folder.Path()).cases.isEmpty());
    folder.Write("manual.in");  // kept for a manual run: no expected output
    EXPECT_EQ(FindCases(folder.Path()).folder, folder.Path());
    folder.Write("cases/a.in");
    folder.Write("cases/a.out");
    folder.Write("tests/b.in");
    folder.Write("tests/b.out");
    const CaseFolder found = FindCases(folder.Path());
    EXPECT_EQ(found.folder, folder.Path("tests/"));
    EXPECT_EQ(Names(found), QStringList{"b"});
}

TEST(CaseFinderTest, ThousandCasesInNaturalOrder)
{
    TempFolder folder;
    for (int i = 1000; i >= 1; --i) {
        folder.Write(QStringLiteral("%1.in").arg(i));
        folder.Write(QStringLiteral("%1.out").arg(i));
    }
    QElapsedTimer clock;
    clock.start();
    const CaseFolder found = CasesIn(folder.Path());
    ASSERT_EQ(found.cases.size(), 1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(found.cases[i].name, QString::number(i + 1));
    EXPECT_NE(NaturalLess("a01", "a1"), NaturalLess("a1", "a01"));
    EXPECT_TRUE(NaturalLess("Case9", "case10"));
}

TEST(CaseTextTest, JapaneseEncodingsAndRefusals)
{
    TempFolder folder;
    const QString text = QStringLiteral("こんにちは 世界\n３\n");
    const struct {
        const char* file;
        QByteArray bytes;
        const char* encoding;
    } rows[] = {
        {"utf8", text.toUtf8(), "UTF-8"},
        {"bom", "\xEF\xBB\xBF" + text.toUtf8(), "UTF-8"},
        {"sjis", QStringEncoder("Shift_JIS")(text), "Shift_JIS"},
        {"eucjp", QStringEncoder("EUC-JP")(text), "EUC-JP"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const auto read = ReadCaseText(folder.Write(row.file, row.bytes), 1000);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->text, text);
        EXPECT_TRUE(read->encoding.contains(QString::fromUtf8(row.encoding))) << read->encoding.toStdString();
        EXPECT_EQ(ProgramInput(*read), text.toUtf8());
    }
    EXPECT_FALSE(ReadCaseText(folder.Write("big", QByteArray(1001, 'x')), 1000));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.Path("fifo")).constData(), 0600), 0);
    EXPECT_FALSE(ReadCaseText(folder.Path("fifo"), 1000));  // returns, does not wait for a writer
    EXPECT_FALSE(ReadCaseText(folder.Path("missing"), 1000));
}

TEST(JudgeRulesTest, FileChangesWhatItUnderstands)
{
    EXPECT_EQ(ParseTimeLimit(u"2"), 2000);
    EXPECT_EQ(ParseTimeLimit(u"0.5"), 500);
    for (const char16_t* bad : {u"", u"0", u"0.05", u"601", u"abc", u"1,5", u"nan"})
        EXPECT_FALSE(ParseTimeLimit(bad)) << QString::fromUtf16(bad).toStdString();

    TempFolder folder;
    const JudgeRules defaults;
    EXPECT_EQ(ReadRulesFile(folder.Path(), defaults).rules, defaults);
    folder.Write("judge.ini", "[Judge]\r\nTimeLimit = 3\r\nCompare=float:1e-9\r\n");
    const RulesFile good = ReadRulesFile(folder.Path(), defaults);
    EXPECT_EQ(good.rules, (JudgeRules{3000, {CompareRule::Mode::Float, 1e-9}}));
    EXPECT_TRUE(good.problems.isEmpty());
    folder.Write("judge.ini", "[Judge]\nTimeLimit=fast\nCompare=diff\n");
    const RulesFile bad = ReadRulesFile(folder.Path(), defaults);
    EXPECT_EQ(bad.rules, defaults);
    EXPECT_EQ(bad.problems, QStringList({"judge.ini の TimeLimit=fast は読めないので使いません",
                                         "judge.ini の Compare=diff は読めないので使いません"}));
}

}  // namespace
