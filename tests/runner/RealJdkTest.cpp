// The commands against the installed JDK, with the real capture files.
#include "platform/JdkLocator.h"
#include "runner/CRunningDialog.h"

#include "tests/runner/CommandsTestSupport.h"
#include "tests/support/FakeUserDialogs.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class RealJdkTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    TempDirSandbox tmp;
    TempFolder work;
    FakeUserDialogs dialogs;
    FakeMainContext main;
    RecordingCommands commands{main};

    void SetUp() override
    {
        const std::optional<QString> jdk = platform::FindJdk();
        if (!jdk)
            GTEST_SKIP() << "no JDK installed";
        main.jdk = *jdk;
    }

    void TearDown() override { EXPECT_EQ(tmp.CaptureLeftovers(), QStringList()); }

    void Source(const char* name, const QByteArray& text)
    {
        main.SetFile(work.Write(QStringLiteral("src dir/") + QString::fromUtf8(name), text));
    }

    void Captured()
    {
        settings.WriteIni("[JavaOption]\nMsg=true\n");
        main.options->Load();
    }
};

TEST_F(RealJdkTest, CleanCompileShowsNothingAndBrokenShowsJavacsErrors)
{
    Source("Good Name.java", "class Good { }\n");
    commands.OnCompile();
    EXPECT_TRUE(commands.shown.empty());
    EXPECT_TRUE(work.Exists(QStringLiteral("src dir/Good.class")));

    Source("Broken.java", "class Broken { int x }\n");
    commands.OnCompile();
    ASSERT_EQ(commands.shown.size(), 1);
    EXPECT_TRUE(commands.shown[0].contains(QStringLiteral("Broken.java:1:"))) << commands.shown[0].toStdString();
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RealJdkTest, CapturedRunShowsStandardOutputFirstOrAnEmptyWindow)
{
    Source("Both.java",
           "public class Both { public static void main(String[] a) throws Exception {\n"
           "  System.err.println(\"to err\"); System.err.flush(); Thread.sleep(50);\n"
           "  System.out.println(\"to out \" + a.length); } }\n");
    commands.OnCompile();
    Captured();
    commands.OnRunJava();
    ASSERT_EQ(commands.shown.size(), 1);
    EXPECT_EQ(commands.shown[0], QStringLiteral("to out 0\nto err\n"));

    Source("Quiet.java", "public class Quiet { public static void main(String[] a) { } }\n");
    commands.OnCompile();
    commands.OnRunJava();
    ASSERT_EQ(commands.shown.size(), 2);
    EXPECT_EQ(commands.shown[1], QString());
}

TEST_F(RealJdkTest, HeaderIsMadeWithJavacWhenJavahIsMissing)
{
    if (QFile::exists(main.jdk + QStringLiteral("javah")))
        GTEST_SKIP() << "this JDK still has javah";
    Source("Native.java", "public class Native { public native int sum(int a, int b); }\n");
    commands.OnJavah();
    EXPECT_TRUE(work.Exists(QStringLiteral("src dir/Native.h")));
    EXPECT_TRUE(commands.shown.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RealJdkTest, AbortEndsAProgramThatNeverStopsAndShowsItsOutputSoFar)
{
    Source("Forever.java",
           "public class Forever { public static void main(String[] a) throws Exception {\n"
           "  System.out.println(\"started\"); System.out.flush(); while (true) Thread.sleep(100); } }\n");
    commands.OnCompile();
    Captured();
    QString commandLine;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* running = qobject_cast<CRunningDialog*>(w);
            if (running && running->isVisible() && running->AbortButton()->isEnabled()) {
                commandLine = running->findChild<QWidget*>(QStringLiteral("commandLine"))->property("text").toString();
                running->AbortButton()->click();
            }
        }
    });
    poll.start(100);
    commands.OnRunJava();
    poll.stop();
    EXPECT_TRUE(commandLine.contains(QStringLiteral("Forever"))) << commandLine.toStdString();
    ASSERT_EQ(commands.shown.size(), 1);
    EXPECT_EQ(commands.shown[0], QStringLiteral("started\n"));
}

}  // namespace
