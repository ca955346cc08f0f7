#include "runner/ToolInvocation.h"

#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QStringList L(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

TEST(JavaWildcard, ExpandsToTheFolderSourcesSortedOrStaysWhenNoneMatch)
{
    TempFolder folder;
    EXPECT_EQ(runner::ExpandJavaWildcard(L({"*.java"}), folder.Path()), L({"*.java"}));
    for (const char* name : {"b.java", "A.java", "Z.JAVA", "notes.txt", ".hidden.java", "-opt.java", "@list.java"})
        folder.Write(QString::fromUtf8(name));
    QDir().mkdir(folder.Path("dir.java"));
    // Names that look like options or argument files stay file names.
    EXPECT_EQ(runner::ExpandJavaWildcard(L({"-d", ".", "*.java"}), folder.Path()),
              L({"-d", ".", "./-opt.java", "./@list.java", "A.java", "b.java"}));
}

TEST(BuildInvocation, TakesTheToolFromTheJdkAndSplitsTheArguments)
{
    TempFolder folder;
    folder.Write(QStringLiteral("Two.java"));
    folder.Write(QStringLiteral("One.java"));
    const auto spec = runner::BuildInvocation(QStringLiteral("/opt/my jdk/bin/"), QStringLiteral("javac.exe"),
                                              QStringLiteral("-cp \".;/my libs/a.jar\" *.java"), folder.Path());
    EXPECT_EQ(spec.program, QStringLiteral("/opt/my jdk/bin/javac"));
    EXPECT_EQ(spec.arguments, L({"-cp", ".;/my libs/a.jar", "One.java", "Two.java"}));
    EXPECT_EQ(spec.workingFolder, folder.Path());
}

}  // namespace
