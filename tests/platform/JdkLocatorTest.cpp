#include "platform/JdkLocator.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace platform;

namespace {

void MakeJdk(const TempFolder& dir, const QString& home, const char* version, bool withJavac = true)
{
    for (const char* tool : {"java", "javac"}) {
        if (!withJavac && QByteArray(tool) == "javac")
            continue;
        const QString path = dir.Write(home + QStringLiteral("/bin/") + QString::fromUtf8(tool), "#!/bin/sh\n");
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (version)
        dir.Write(home + QStringLiteral("/release"),
                  QByteArray("IMPLEMENTOR=\"x\"\nJAVA_VERSION=\"") + version + "\"\n");
}

TEST(JdkLocator, SearchOrderAndNewestInstalled)
{
    TempFolder dir;
    MakeJdk(dir, QStringLiteral("home"), "11.0.2");
    MakeJdk(dir, QStringLiteral("jvm/java-8"), "1.8.0_392");
    MakeJdk(dir, QStringLiteral("jvm/java-21"), "21.0.1");
    MakeJdk(dir, QStringLiteral("jvm/java-17"), "17.0.15");
    MakeJdk(dir, QStringLiteral("jvm/jre-25"), "25", false);
    MakeJdk(dir, QStringLiteral("onpath"), "17.0.1");
    QDir().mkpath(dir.Path(QStringLiteral("links")));
    QFile::link(dir.Path(QStringLiteral("onpath/bin/javac")), dir.Path(QStringLiteral("links/javac")));

    platform::JdkSearchPlaces places;
    places.jvmRoot = dir.Path(QStringLiteral("jvm"));
    EXPECT_EQ(platform::FindJdk(places), dir.Path(QStringLiteral("jvm/java-21/bin/")));

    places.path = QStringLiteral("/nonexistent:") + dir.Path(QStringLiteral("links"));
    EXPECT_EQ(platform::FindJdk(places), dir.Path(QStringLiteral("onpath/bin/")));

    places.javaHome = dir.Path(QStringLiteral("home"));
    EXPECT_EQ(platform::FindJdk(places), dir.Path(QStringLiteral("home/bin/")));

    places.javaHome = dir.Path(QStringLiteral("jvm/jre-25"));  // no javac: skipped
    EXPECT_EQ(platform::FindJdk(places), dir.Path(QStringLiteral("onpath/bin/")));

    EXPECT_FALSE(platform::FindJdk({QString(), QString(), dir.Path(QStringLiteral("none"))}).has_value());
    EXPECT_EQ(platform::ReadJdkVersion(dir.Path(QStringLiteral("home/bin/"))), QStringLiteral("11.0.2"));
    EXPECT_FALSE(platform::ReadJdkVersion(dir.Path(QStringLiteral("links/"))).has_value());
}

}  // namespace
