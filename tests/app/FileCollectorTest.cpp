#include "app/CFileCollector.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Runs with the folder as the working folder, as the program does.
class FileCollectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        m_dir.Write(QStringLiteral("b.java"));
        m_dir.Write(QStringLiteral("A.java"));
        m_dir.Write(QStringLiteral("My Files/x.java"));
        m_dir.Write(QStringLiteral("tree/a_sub/deep/z.class"));
        m_dir.Write(QStringLiteral("tree/a_sub/y.class"));
        m_dir.Write(QStringLiteral("tree/b.txt"));
        QDir::setCurrent(m_dir.Path());
    }
    void TearDown() override { QDir::setCurrent(m_previous); }
    QString P(const char* relative) const { return m_dir.Path(QString::fromUtf8(relative)); }

    TempFolder m_dir;
    QString m_previous;
};

TEST_F(FileCollectorTest, CommandLineScanQuotesAndMissingNames)
{
    const struct {
        const char* text;
        QStringList expected;
    } cases[] = {
        {"", {}},
        {" ", {}},
        {" b.java", {P("b.java")}},
        {"  missing.java   b.java  ", {P("b.java")}},
        {" \"My Files/x.java\" A.java", {P("My Files/x.java"), P("A.java")}},
        {" My\" \"Files/x.java", {P("My Files/x.java")}},
        {" My Files/x.java", {}},
        {" *.java", {P("A.java")}},
        {" a.JAVA", {P("A.java")}},
        {" tree", {P("tree/a_sub/deep/z.class"), P("tree/a_sub/y.class"), P("tree/b.txt")}},
    };
    for (const auto& c : cases) {
        CFileCollector collector;
        collector.AddFromCommandLine(QString::fromUtf8(c.text));
        EXPECT_EQ(collector.Paths(), c.expected) << c.text;
    }
}

TEST_F(FileCollectorTest, ArgumentsAreWholeNames)
{
    CFileCollector collector;
    collector.AddNames({QStringLiteral("My Files/x.java"), QStringLiteral("nope"), P("b.java")});
    EXPECT_EQ(collector.Paths(), (QStringList{P("My Files/x.java"), P("b.java")}));
    EXPECT_EQ(collector.First(), P("My Files/x.java"));
}

TEST_F(FileCollectorTest, DropWalksFoldersDepthFirstAndSkipsVanishedItems)
{
    CFileCollector collector;
    collector.AddDropped({P("tree"), P("gone.java"), P("A.java")});
    EXPECT_EQ(collector.Paths(),
              (QStringList{P("tree/a_sub/deep/z.class"), P("tree/a_sub/y.class"), P("tree/b.txt"), P("A.java")}));
}

TEST_F(FileCollectorTest, ResolvePathGivesFullPathsAsStored)
{
    EXPECT_EQ(CFileCollector::ResolvePath(QStringLiteral("b.java")), P("b.java"));
    EXPECT_EQ(CFileCollector::ResolvePath(QStringLiteral("./tree/../A.JAVA")), P("A.java"));
    EXPECT_EQ(CFileCollector::ResolvePath(QStringLiteral("tree/a_sub/*.class")), P("tree/a_sub/y.class"));
    EXPECT_EQ(CFileCollector::ResolvePath(P("none.java")), P("none.java"));
    EXPECT_TRUE(CFileCollector::IsFolder(P("tree")));
    EXPECT_FALSE(CFileCollector::IsFolder(P("b.java")));
}

}  // namespace
