#include "settings/CPathParts.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {

struct SplitCase {
    const char* path;
    const char* directory;
    const char* fileName;
    const char* title;
    const char* extension;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, CutsAtLastSeparatorAndLastDot)
{
    const SplitCase& c = GetParam();
    CPathParts parts;
    parts.Split(QString::fromUtf8(c.path));
    EXPECT_EQ(parts.GetFullPath(), QString::fromUtf8(c.path));
    EXPECT_EQ(parts.GetDirectory(), QString::fromUtf8(c.directory));
    EXPECT_EQ(parts.GetFileName(), QString::fromUtf8(c.fileName));
    EXPECT_EQ(parts.GetFileTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(parts.GetFileExt(), QString::fromUtf8(c.extension));
}

INSTANTIATE_TEST_SUITE_P(Paths, SplitTest,
                         ::testing::Values(SplitCase{"/work/Hello.java", "/work/", "Hello.java", "Hello", "java"},
                                           SplitCase{"/a.b/file", "/a.b/", "file", "file", ""},
                                           SplitCase{"Hello.tar.gz", "", "Hello.tar.gz", "Hello.tar", "gz"},
                                           SplitCase{".profile", "", ".profile", "", "profile"},
                                           SplitCase{"/work/Tool.JAR", "/work/", "Tool.JAR", "Tool", "JAR"},
                                           SplitCase{"/ソ/ソ.java", "/ソ/", "ソ.java", "ソ", "java"},
                                           SplitCase{"/work/", "/work/", "", "", ""}, SplitCase{"", "", "", "", ""}));

}  // namespace
