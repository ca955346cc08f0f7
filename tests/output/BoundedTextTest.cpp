// The part of a long case text that the results window shows, and the
// differing part of two lines.
#include "output/BoundedText.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace output;

namespace {

QString Lines(int from, int to)
{
    QString text;
    for (int line = from; line <= to; ++line)
        text += QString::number(line) + u'\n';
    return text;
}

TEST(BoundedText, ShowsTheStartAndTheLinesAroundTheFocus)
{
    const ExcerptLimits small{3, 1, 5};
    struct Row {
        const char* name;
        QString text;
        int focus;
        QString shown;
        int focusBlock;
        QList<int> notices;
        bool missingLineEnd;
    };
    const Row rows[] = {
        {"whole", "1\r\n2\n", 2, "1\n2\n", 1, {}, false},
        {"no final line end", "1\n2", 0, "1\n2", -1, {}, true},
        {"empty", "", 1, "", -1, {}, false},
        {"focus beyond the text", "1\n", 2, "1\n", -1, {}, false},
        {"tail counted", Lines(1, 10), 0, "1\n2\n3\n〔7 行を省略〕\n", -1, {3}, false},
        {"tail without line end counted", Lines(1, 4) + "5", 0, "1\n2\n3\n〔2 行を省略〕\n", -1, {3}, false},
        {"focus far below", Lines(1, 10), 7, "1\n2\n3\n〔2 行を省略〕\n6\n7\n8\n〔2 行を省略〕\n", 5, {3, 7}, false},
        {"focus near the start", Lines(1, 6), 4, "1\n2\n3\n4\n5\n〔1 行を省略〕\n", 3, {5}, false},
        {"long line cut", "123456789\n", 1, "12345…〔4 文字を省略〕\n", 0, {}, false},
    };
    for (const Row& row : rows) {
        const TextExcerpt excerpt = Excerpt(row.text, row.focus, small);
        EXPECT_EQ(excerpt.text, row.shown) << row.name;
        EXPECT_EQ(excerpt.focusBlock, row.focusBlock) << row.name;
        EXPECT_EQ(excerpt.notices, row.notices) << row.name;
        EXPECT_EQ(excerpt.cut, row.shown != row.text && row.text.indexOf('\r') < 0) << row.name;
        EXPECT_EQ(excerpt.missingLineEnd, row.missingLineEnd) << row.name;
    }
}

// 64 MiB of output in lines of a few characters, or in one line, is shown in a bounded part.
TEST(BoundedText, ALongTextGivesABoundedPart)
{
    const QString many = QString(QStringLiteral("12345678\n")).repeated(7'000'000);
    const TextExcerpt lines = Excerpt(many, 6'000'000);
    EXPECT_LT(lines.text.size(), 100'000);
    EXPECT_EQ(lines.text.section(u'\n', lines.focusBlock, lines.focusBlock), QStringLiteral("12345678"));
    const TextExcerpt oneLine = Excerpt(QString(64 << 20, u'x'), 1);
    EXPECT_LT(oneLine.text.size(), 3000);
    EXPECT_TRUE(oneLine.cut);
}

TEST(BoundedText, DifferingPartsLieBetweenTheCommonStartAndEnd)
{
    struct Row {
        const char* name;
        QString expected;
        QString actual;
        CharRange inExpected;
        CharRange inActual;
    };
    const Row rows[] = {
        {"full-width digit", "1 6 3", "1 ６ 3", {2, 1}, {2, 1}},
        {"full-width space", "a b", "a　b", {1, 1}, {1, 1}},
        {"trailing blank", "12", "12 ", {2, 0}, {2, 1}},
        {"missing line", "", "debug", {0, 0}, {0, 5}},
        {"repeated letters", "aa", "aaa", {2, 0}, {2, 1}},
        {"surrogate pair kept whole", "x😀", "x😃", {1, 2}, {1, 2}},
    };
    for (const Row& row : rows) {
        const auto [expected, actual] = DifferingParts(row.expected, row.actual);
        EXPECT_EQ(expected, row.inExpected) << row.name;
        EXPECT_EQ(actual, row.inActual) << row.name;
    }
}

}  // namespace
