#include "judge/Comparison.h"
#include "judge/CaseHints.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace judge;

namespace {

constexpr auto kLines = CompareRule::Mode::Lines;
constexpr auto kExact = CompareRule::Mode::Exact;
constexpr auto kFloat = CompareRule::Mode::Float;

struct CompareCase {
    const char* name;
    const char* expected;
    const char* actual;
    CompareRule rule;
    int line;    // 0: the same
    int column;  // where the line differs
};

const CompareCase kCompare[] = {
    {"same", "1\n2\n", "1\n2\n", {kLines}, 0, 0},
    {"crlf", "1\r\n2\r\n", "1\n2\n", {kLines}, 0, 0},
    {"crlf exact", "1\r\n2\r\n", "1\n2\n", {kExact}, 0, 0},
    {"trailing blank and tab", "1 2\n", "1 2 \t\n", {kLines}, 0, 0},
    {"trailing empty lines", "1\n", "1\n\n\n", {kLines}, 0, 0},
    {"no final line end", "3\n", "3", {kLines}, 0, 0},
    {"empty against nothing", "", "\n", {kLines}, 0, 0},
    {"leading blank counts", "1\n", " 1\n", {kLines}, 1, 1},
    {"wrong digit", "10\n20\n", "10\n21\n", {kLines}, 2, 2},
    {"full-width digit", "2\n", "\uFF12\n", {kLines}, 1, 1},
    {"full-width space is no blank", "a\n", "a\u3000\n", {kLines}, 1, 2},
    {"line missing", "1\n2\n", "1\n", {kLines}, 2, 1},
    {"extra line", "1\n", "1\ndebug\n", {kLines}, 2, 1},
    {"trailing blank exact", "1\n", "1 \n", {kExact}, 1, 2},
    {"final line end exact", "1\n2\n", "1\n2", {kExact}, 2, 2},
    {"extra empty line exact", "1\n", "1\n\n", {kExact}, 2, 1},
    {"float within absolute", "0.3333333\n", "0.3333334\n", {kFloat, 1e-6}, 0, 0},
    {"float within relative", "1000000\n", "1000000.5\n", {kFloat, 1e-6}, 0, 0},
    {"float on the edge", "1\n", "1.000001\n", {kFloat, 1e-6}, 0, 0},
    {"float beyond", "1 0.5\n", "1 0.50001\n", {kFloat, 1e-6}, 1, 3},
    {"float exponent", "1e-3\n", "0.001\n", {kFloat, 1e-9}, 0, 0},
    {"float word must match", "Yes 1.0\n", "yes 1.0\n", {kFloat, 1e-6}, 1, 1},
    {"float token count", "1 2\n", "1 2 3\n", {kFloat, 1e-6}, 1, 5},
    {"float full-width", "2\n", "\uFF12\n", {kFloat, 1e-6}, 1, 1},
    {"float nan is a word", "nan\n", "nan\n", {kFloat, 1e-6}, 0, 0},
};

TEST(ComparisonTest, Table)
{
    for (const CompareCase& c : kCompare) {
        SCOPED_TRACE(c.name);
        const Difference d = Compare(QString::fromUtf8(c.expected), QString::fromUtf8(c.actual), c.rule);
        EXPECT_EQ(d.same, c.line == 0);
        EXPECT_EQ(d.line, c.line);
        if (c.line != 0) {
            EXPECT_EQ(d.column, c.column);
        }
    }
}

TEST(ComparisonTest, DifferenceTellsWhichSideEnded)
{
    const Difference extra = Compare(u"1\n", u"1\ndebug\r\n", {});
    EXPECT_TRUE(extra.expectedMissing);
    EXPECT_FALSE(extra.actualMissing);
    EXPECT_EQ(extra.actualLine, "debug");
    const Difference missing = Compare(u"1\n2 \n", u"1\n", {});
    EXPECT_TRUE(missing.actualMissing);
    EXPECT_EQ(missing.expectedLine, "2 ");  // as the file has it, for the window to show
}

TEST(ComparisonTest, RulesReadAndWritten)
{
    EXPECT_EQ(ParseCompareRule(u"Lines"), CompareRule{kLines});
    EXPECT_EQ(ParseCompareRule(u"EXACT"), CompareRule{kExact});
    EXPECT_EQ(ParseCompareRule(u"float"), (CompareRule{kFloat, 1e-6}));
    EXPECT_EQ(ParseCompareRule(u"float:1e-9"), (CompareRule{kFloat, 1e-9}));
    for (const char16_t* bad : {u"", u"diff", u"float:", u"float:-1", u"float:inf", u"float:x", u"floaty"})
        EXPECT_FALSE(ParseCompareRule(bad)) << QString::fromUtf16(bad).toStdString();
    for (const CompareRule& rule : {CompareRule{kLines}, CompareRule{kExact}, CompareRule{kFloat, 2.5e-7}})
        EXPECT_EQ(ParseCompareRule(CompareRuleText(rule)), rule);
    EXPECT_EQ(CompareRuleText({kFloat, 1e-6}), "float:1e-06");
}

TEST(ComparisonTest, HintsForOutputThatDiffers)
{
    struct HintCase {
        const char* name;
        const char* expected;
        const char* output;
        CompareRule rule;
        const char* hint;  // a part of the one hint expected
    };
    const HintCase cases[] = {
        {"full-width digit", "12\n", "\uFF11\uFF12\n", {kLines}, "全角の数字や英字"},
        {"full-width space", "1 2\n", "1\u30002\n", {kLines}, "全角の空白"},
        {"debug lines", "3\n", "3\nx=1\ny=2\n", {kLines}, "2 行多く出力しています"},
        {"trailing blank", "1\n", "1 \n", {kExact}, "1 行目の終わりに余分な空白"},
        {"no final line end", "1\n", "1", {kExact}, "改行がありません"},
    };
    for (const HintCase& c : cases) {
        SCOPED_TRACE(c.name);
        CaseResult result;
        result.verdict = Verdict::WrongAnswer;
        result.output = QString::fromUtf8(c.output);
        const QString expected = QString::fromUtf8(c.expected);
        result.difference = Compare(expected, result.output, c.rule);
        const QStringList hints = CaseHints(result, expected);
        ASSERT_EQ(hints.size(), 1) << hints.join('\n').toStdString();
        EXPECT_TRUE(hints[0].contains(QString::fromUtf8(c.hint))) << hints[0].toStdString();
    }
}

TEST(ComparisonTest, VisibleText)
{
    EXPECT_EQ(VisibleText(u"\uFF11\uFF12 3"), u"\uFF11\uFF12(全角) 3");
    EXPECT_EQ(VisibleText(u"a\u3000b"), u"a[全角空白]b");
    EXPECT_EQ(VisibleText(u"a b \t"), u"a b␣⇥");
}

}  // namespace
