#include "settings/PathParts.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {

TEST(PathParts, CutsAtLastSeparatorAndLastDot)
{
    // path, directory, file name, title, extension
    const char* const cases[][5] = {{"/work/Hello.java", "/work/", "Hello.java", "Hello", "java"},
                                    {"/a.b/file", "/a.b/", "file", "file", ""},
                                    {"Hello.tar.gz", "", "Hello.tar.gz", "Hello.tar", "gz"},
                                    {".profile", "", ".profile", "", "profile"},
                                    {"/work/Tool.JAR", "/work/", "Tool.JAR", "Tool", "JAR"},
                                    {"/ソ/ソ.java", "/ソ/", "ソ.java", "ソ", "java"},
                                    {"/work/", "/work/", "", "", ""},
                                    {"", "", "", "", ""}};
    for (const auto& c : cases) {
        PathParts parts;
        parts.Split(QString::fromUtf8(c[0]));
        EXPECT_EQ(
            QStringList({parts.FullPath(), parts.Directory(), parts.FileName(), parts.FileTitle(), parts.FileExt()}),
            QStringList({c[0], c[1], c[2], c[3], c[4]}));
    }
}

}  // namespace
