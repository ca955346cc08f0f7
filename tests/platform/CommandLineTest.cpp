#include "platform/CommandLine.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(SplitCommandLine, FollowsTheCRuntimeRules)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"-classpath .  Hello.java ", {"-classpath", ".", "Hello.java"}},
        {"a\tb", {"a", "b"}},
        {"\"My Files/A.java\" b", {"My Files/A.java", "b"}},
        {"pre\"fix mid\"post", {"prefix midpost"}},
        {"\"\" x", {"", "x"}},
        {"\"a\"\"b\"", {"a\"b"}},
        {"a\\\\b", {"a\\\\b"}},
        {"a\\\"b", {"a\"b"}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"a\\\\\\\"b", {"a\\\"b"}},
        {"\"unterminated arg", {"unterminated arg"}},
        {"日本語 ファイル.java", {"日本語", "ファイル.java"}}};
    for (const auto& [text, arguments] : cases)
        EXPECT_EQ(SplitCommandLine(QString::fromUtf8(text)), arguments) << text;
}

}  // namespace
