#include "platform/JdkLocator.h"

#include "tests/runner/RunnerTestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

void MakeJdk(const TempFolder& dir, const QString& home, const QByteArray& version, bool withJavac = true)
{
    WriteScript(dir, home + "/bin/java");
    if (withJavac)
        WriteScript(dir, home + "/bin/javac");
    dir.Write(home + "/release", "IMPLEMENTOR=\"x\"\nJAVA_VERSION=\"" + version + "\"\n");
}

TEST(JdkLocator, SearchOrderAndNewestInstalled)
{
    TempFolder dir;
    MakeJdk(dir, "home", "11.0.2");
    MakeJdk(dir, "jvm/java-8", "1.8.0_392");
    MakeJdk(dir, "jvm/java-21", "21.0.1");
    MakeJdk(dir, "jvm/java-17", "17.0.15");
    MakeJdk(dir, "jvm/jre-25", "25", false);
    MakeJdk(dir, "onpath", "17.0.1");
    QDir().mkpath(dir.Path("links"));
    QFile::link(dir.Path("onpath/bin/javac"), dir.Path("links/javac"));

    JdkSearchPlaces places;
    places.jvmRoot = dir.Path("jvm");
    EXPECT_EQ(FindJdk(places), dir.Path("jvm/java-21/bin/"));
    places.path = "/nonexistent:" + dir.Path("links");
    EXPECT_EQ(FindJdk(places), dir.Path("onpath/bin/"));
    places.javaHome = dir.Path("home");
    EXPECT_EQ(FindJdk(places), dir.Path("home/bin/"));
    places.javaHome = dir.Path("jvm/jre-25");  // no javac: skipped
    EXPECT_EQ(FindJdk(places), dir.Path("onpath/bin/"));

    EXPECT_FALSE(FindJdk({QString(), QString(), dir.Path("none")}).has_value());
    EXPECT_EQ(ReadJdkVersion(dir.Path("home/bin/")), "11.0.2");
    EXPECT_FALSE(ReadJdkVersion(dir.Path("links/")).has_value());
    QFile::link(dir.Path("onpath/bin/java"), dir.Path("links/java"));
    EXPECT_EQ(ReadJdkVersion(dir.Path("links/")), "17.0.1") << "where java's link leads, as from /usr/bin";
}

}  // namespace
