#include "app/FileCollector.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace app;

namespace {

class FileCollectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        for (const char* name : {"b.java", "A.java", "My Files/x.java", "tree/a_sub/deep/z.class", "tree/a_sub/y.class",
                                 "tree/b.txt", "tree/.git/HEAD", "tree/.a.java"})
            m_dir.Write(name);
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
    } cases[] = {{"", {}},
                 {" ", {}},
                 {" b.java", {P("b.java")}},
                 {"  missing.java   b.java  ", {P("b.java")}},
                 {" \"My Files/x.java\" A.java", {P("My Files/x.java"), P("A.java")}},
                 {" My\" \"Files/x.java", {P("My Files/x.java")}},
                 {" My Files/x.java", {}},
                 {" *.java", {P("A.java")}},
                 {" a.JAVA", {P("A.java")}},
                 // A walk skips hidden files and folders; one named is taken.
                 {" tree", {P("tree/a_sub/deep/z.class"), P("tree/a_sub/y.class"), P("tree/b.txt")}},
                 {" tree/.a.java", {P("tree/.a.java")}}};
    for (const auto& c : cases) {
        FileCollector collector;
        collector.AddFromCommandLine(QString::fromUtf8(c.text));
        EXPECT_EQ(collector.Paths(), c.expected) << c.text;
    }
}

TEST_F(FileCollectorTest, ArgumentsAreWholeNames)
{
    FileCollector collector;
    collector.AddNames({"My Files/x.java", "nope", P("b.java")});
    EXPECT_EQ(collector.First() + collector.Paths().join('|'),
              P("My Files/x.java") + P("My Files/x.java|") + P("b.java"));
}

TEST_F(FileCollectorTest, ResolvePathGivesFullPathsAsStored)
{
    for (const auto& [name, path] : {std::pair("b.java", "b.java"),
                                     {"./tree/../A.JAVA", "A.java"},
                                     {"tree/a_sub/*.class", "tree/a_sub/y.class"},
                                     {"none.java", "none.java"}})
        EXPECT_EQ(FileCollector::ResolvePath(name), P(path)) << name;
    EXPECT_EQ(FileCollector::ResolvePath(P("none.java")), P("none.java"));
    EXPECT_TRUE(FileCollector::IsFolder(P("tree")) && !FileCollector::IsFolder(P("b.java")));
}

// Folders are walked depth first; through links back up the tree, to the folder itself or nowhere, fifos and sockets
// every walk ends, each folder is walked once, and only regular files come back.
TEST_F(FileCollectorTest, HostileTreesEndAndGiveOnlyRegularFiles)
{
    for (const char* name : {"hostile/-x.java", "hostile/z/w.java", "loop/x/Y.java"})
        m_dir.Write(name);
    for (const auto& [target, name] : {std::pair("..", "hostile/a"),
                                       {"..", "hostile/b"},
                                       {".", "hostile/self"},
                                       {"nowhere", "hostile/broken"},
                                       {"z/w.java", "hostile/link.java"},
                                       {".", "loop/self"}})
        ASSERT_TRUE(QFile::link(QString::fromUtf8(target), P(name))) << name;
    ASSERT_EQ(::mkfifo(QFile::encodeName(P("hostile/pipe")).constData(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray sockPath = QFile::encodeName(P("hostile/sock"));
    ASSERT_LT(sockPath.size(), qsizetype(sizeof(address.sun_path)));
    std::copy(sockPath.begin(), sockPath.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(sock);

    using Collect = FileCollector::Collect;
    const struct {
        const char* name;
        QStringList dropped;
        Collect collect;
        QStringList expected;
    } cases[] = {
        {"every file once",
         {P("hostile")},
         Collect::All,
         {P("hostile/-x.java"), P("hostile/a/A.java"), P("hostile/a/b.java"), P("hostile/a/loop/x/Y.java"),
          P("hostile/a/My Files/x.java"), P("hostile/a/tree/a_sub/deep/z.class"), P("hostile/a/tree/a_sub/y.class"),
          P("hostile/a/tree/b.txt"), P("hostile/link.java"), P("hostile/z/w.java")}},
        {"first only", {P("hostile"), P("A.java")}, Collect::FirstOnly, {P("hostile/-x.java")}},
        {"vanished items skipped",
         {P("tree"), P("gone.java"), P("A.java")},
         Collect::All,
         {P("tree/a_sub/deep/z.class"), P("tree/a_sub/y.class"), P("tree/b.txt"), P("A.java")}},
        {"a link to itself is not a folder inside", {P("loop")}, Collect::FirstOnly, {P("loop/x/Y.java")}},
        {"special files named directly", {P("hostile/pipe"), P("hostile/sock"), P("hostile/broken")}, Collect::All, {}},
    };
    for (const auto& c : cases) {
        FileCollector collector(c.collect);
        collector.AddDropped(c.dropped);
        EXPECT_EQ(collector.Paths(), c.expected) << c.name;
        FileCollector named(c.collect);
        named.AddNames(c.dropped);
        EXPECT_EQ(named.Paths(), c.expected) << c.name << " (named)";
    }
}

}  // namespace
