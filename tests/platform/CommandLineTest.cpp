#include "platform/CommandLine.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct SplitCase {
    const char* text;
    std::vector<const char*> arguments;
};

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, FollowsTheCRuntimeRules)
{
    const SplitCase& c = GetParam();
    QStringList expected;
    for (const char* a : c.arguments)
        expected.append(QString::fromUtf8(a));
    EXPECT_EQ(platform::SplitCommandLine(QString::fromUtf8(c.text)), expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Rules, SplitCommandLineTest,
                         ::testing::Values(SplitCase{"", {}}, SplitCase{"   \t ", {}},
                                           SplitCase{"-classpath . Hello.java", {"-classpath", ".", "Hello.java"}},
                                           SplitCase{"-classpath .  Hello ", {"-classpath", ".", "Hello"}},
                                           SplitCase{"a\tb", {"a", "b"}},
                                           SplitCase{"\"My Files/A.java\" b", {"My Files/A.java", "b"}},
                                           SplitCase{"pre\"fix mid\"post", {"prefix midpost"}},
                                           SplitCase{"\"\" x", {"", "x"}}, SplitCase{"\"a\"\"b\"", {"a\"b"}},
                                           SplitCase{"a\\\\b", {"a\\\\b"}}, SplitCase{"a\\\"b", {"a\"b"}},
                                           SplitCase{"a\\\\\"b c\"", {"a\\b c"}}, SplitCase{"a\\\\\\\"b", {"a\\\"b"}},
                                           SplitCase{"\"unterminated arg", {"unterminated arg"}},
                                           SplitCase{"日本語 ファイル.java", {"日本語", "ファイル.java"}}));

TEST(QuoteArgument, RoundTripsThroughSplit)
{
    const QStringList samples = {QStringLiteral("plain"),         QString(),
                                 QStringLiteral("with blank"),    QStringLiteral("tab\there"),
                                 QStringLiteral("quote\"inside"), QStringLiteral("trailing\\"),
                                 QStringLiteral("both \\\" x\\"), QStringLiteral("$HOME `id` ;rm")};
    for (const QString& sample : samples) {
        const QString line = QStringLiteral("first ") + platform::QuoteArgument(sample) + QStringLiteral(" last");
        EXPECT_EQ(platform::SplitCommandLine(line),
                  (QStringList{QStringLiteral("first"), sample, QStringLiteral("last")}))
            << line.toStdString();
    }
    EXPECT_EQ(platform::QuoteArgument(QStringLiteral("Hello.java")), QStringLiteral("Hello.java"));
}

}  // namespace
