// The commands against the installed JDK, with the real capture files.
#include "platform/JdkLocator.h"
#include "runner/CRunningDialog.h"

#include "tests/runner/CommandsTestSupport.h"
#include "tests/support/FakeUserDialogs.h"

#include <QApplication>
#include <QLabel>
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

    void TearDown() override
    {
        EXPECT_EQ(tmp.CaptureLeftovers(), QStringList());
        EXPECT_TRUE(dialogs.messages.empty());
    }

    void Compile(const char* name, const QByteArray& text)
    {
        main.SetFile(work.Write(QStringLiteral("src dir/") + QString::fromUtf8(name), text));
        commands.OnCompile();
    }

    void Capture()
    {
        settings.WriteIni("[JavaOption]\nMsg=true\n");
        main.options->Load();
    }
};

TEST_F(RealJdkTest, CleanCompileShowsNothingAndBrokenShowsJavacsErrors)
{
    Compile("Good Name.java", "class Good { }\n");
    EXPECT_TRUE(commands.shown.isEmpty());
    EXPECT_TRUE(work.Exists(QStringLiteral("src dir/Good.class")));
    Compile("Broken.java", "class Broken { int x }\n");
    ASSERT_EQ(commands.shown.size(), 1);
    EXPECT_TRUE(commands.shown[0].startsWith(QStringLiteral("Broken.java:1:"))) << commands.shown[0].toStdString();
}

TEST_F(RealJdkTest, CapturedRunShowsStandardOutputFirstOrAnEmptyWindow)
{
    Compile("Both.java", "public class Both { public static void main(String[] a) throws Exception {\n"
                         "  System.err.println(\"to err\"); Thread.sleep(50); System.out.println(\"to out\"); } }\n");
    Capture();
    commands.OnRunJava();
    Compile("Quiet.java", "public class Quiet { public static void main(String[] a) { } }\n");
    commands.OnRunJava();
    EXPECT_EQ(commands.shown, (QStringList{QStringLiteral("to out\nto err\n"), QString()}));
}

TEST_F(RealJdkTest, HeaderIsMadeWithJavacWhenJavahIsMissing)
{
    if (QFile::exists(main.jdk + QStringLiteral("javah")))
        GTEST_SKIP() << "this JDK still has javah";
    main.SetFile(work.Write(QStringLiteral("src dir/Native.java"), "public class Native { public native int sum(int a); }\n"));
    commands.OnJavah();
    EXPECT_TRUE(work.Exists(QStringLiteral("src dir/Native.h")));
    EXPECT_TRUE(commands.shown.isEmpty());
}

TEST_F(RealJdkTest, AbortEndsAProgramThatNeverStopsAndShowsItsOutputSoFar)
{
    Compile("Forever.java", "public class Forever { public static void main(String[] a) throws Exception {\n"
                            "  System.out.println(\"started\"); while (true) Thread.sleep(100); } }\n");
    Capture();
    QString commandLine;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* running = qobject_cast<CRunningDialog*>(w);
            if (running && running->isVisible() && running->AbortButton()->isEnabled()) {
                commandLine = running->findChild<QLabel*>()->text();
                running->AbortButton()->click();
            }
        }
    });
    poll.start(100);
    commands.OnRunJava();
    EXPECT_TRUE(commandLine.endsWith(QStringLiteral(" -classpath . Forever"))) << commandLine.toStdString();
    EXPECT_EQ(commands.shown, QStringList(QStringLiteral("started\n")));
}

}  // namespace
