// When the kept JVM is not there, fails or is too slow, the command gives
// the answer, and nothing of the kept attempt shows; nothing outlives Tarnwick.
#include "compiler/KeptCompiler.h"
#include "compiler/KeptFrames.h"
#include "runner/ToolInvocation.h"

#include "tests/compiler/KeptTestSupport.h"
#include "tests/support/InstalledJdks.h"

#include <QProcess>
#include <QTest>
#include <csignal>

using namespace compiler;

namespace {

TEST(KeptEligible, OnlyTheToolsItServesWithoutJvmOptionsOrArgumentFiles)
{
    const std::pair<platform::ProcessSpec, bool> cases[] = {
        {{"/jdk/bin/javac", {"Hello.java"}, {}, false}, true},
        {{"/jdk/bin/javadoc", {"-d", "doc", "Hello.java"}, {}, false}, true},
        {{"/jdk/bin/jar", {"cf", "h.jar", "Hello.class"}, {}, false}, true},
        {{"/jdk/bin/java", {"Hello"}, {}, false}, false},
        {{"/jdk/bin/javac", {"-J-Xmx1g", "Hello.java"}, {}, false}, false},
        {{"/jdk/bin/javac", {"@options", "Hello.java"}, {}, false}, false},
        {{"/jdk/bin/javah", {"Hello"}, {}, false}, false},
    };
    for (const auto& [request, eligible] : cases)
        EXPECT_EQ(IsEligible(request), eligible)
            << request.program.toStdString() << ' ' << request.arguments.join(' ').toStdString();
}

TEST(KeptFrames, AnAnswerIsTakenWholeAndBrokenBytesAreNoAnswer)
{
    const QByteArray answer = QByteArray("R\0\0\0\3\0\0\0\2ok\0\0\0\1e", 16);
    EXPECT_FALSE(DecodeAnswer(answer.left(15)));  // incomplete: wait
    const std::optional<DecodedAnswer> whole = DecodeAnswer(answer + "R");
    ASSERT_TRUE(whole && whole->answer);
    EXPECT_EQ(whole->size, 16);
    EXPECT_EQ(whole->answer->exitCode, 3);
    EXPECT_EQ(whole->answer->output, "ok");
    EXPECT_EQ(whole->answer->error, "e");
    for (const QByteArray& bad : {QByteArray("X"), QByteArray("R\0\0\0\0\xff\xff\xff\xff", 9)}) {
        const std::optional<DecodedAnswer> decoded = DecodeAnswer(bad);
        ASSERT_TRUE(decoded);
        EXPECT_FALSE(decoded->answer);
    }
}

class KeptFaultTest : public ::testing::Test {
protected:
    // Long enough for the test to act while it runs.
    platform::ProcessSpec SlowCompile() const
    {
        QString names;
        const QString root = qEnvironmentVariable("TW_SOURCE_DIR") + QStringLiteral("/appletviewer/src/");
        QDirIterator it(root, {"*.java"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            names += QLatin1Char(' ') + it.next();
        return runner::BuildInvocation(jdk, "javac.exe", "-d classes" + names, folder.Path());
    }
    const QString jdk = InstalledJdks().value(0);
    TempFolder folder;
};

TEST_F(KeptFaultTest, TheCommandAnswersWhenTheJvmIsKilledEndedOrTooSlow)
{
    const platform::ProcessSpec request = SlowCompile();
    const ToolResult command = RunTool(request, nullptr);
    ASSERT_EQ(command.exitCode, 0);
    QDir(folder.Path("classes")).removeRecursively();
    KeptCompiler kept(KeptToolsJarForTests());
    KeptCompiler slow(KeptToolsJarForTests(), {.requestMs = 1});
    const std::pair<const char*, std::function<ToolResult()>> faults[] = {
        {"killed", [&] { return RunTool(request, &kept, [&] { ::kill(kept.ProcessId(), SIGKILL); }); }},
        {"JDK or folder changed", [&] { return RunTool(request, &kept, [&] { kept.Prepare(jdk, "/"); }); }},
        {"past the time limit", [&] { return RunTool(request, &slow); }},
    };
    for (const auto& [name, run] : faults) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(WaitUntilReady(kept, jdk, folder.Path()));
        ASSERT_TRUE(WaitUntilReady(slow, jdk, folder.Path()));
        const ToolResult result = run();
        EXPECT_FALSE(result.kept);
        EXPECT_EQ(result.exitCode, command.exitCode);
        EXPECT_EQ(result.error, command.error);
        EXPECT_EQ(result.files, command.files);
        QDir(folder.Path("classes")).removeRecursively();
    }
}

// A run aborted after the JVM failed, before the command took over, stays
// aborted: no command starts behind the user's back.
TEST_F(KeptFaultTest, AnAbortedRunStartsNoCommand)
{
    KeptCompiler kept(KeptToolsJarForTests());
    ASSERT_TRUE(WaitUntilReady(kept, jdk, folder.Path()));
    runner::RunningTool tool;
    ASSERT_TRUE(tool.Start(SlowCompile(), false, &kept));
    kept.End();
    tool.Abort();
    QTest::qWait(300);
    EXPECT_FALSE(tool.IsRunning());
    EXPECT_EQ(tool.Outcome().status, runner::ToolOutcome::Status::Aborted);
    EXPECT_FALSE(QFile::exists(folder.Path("classes")));
}

TEST_F(KeptFaultTest, TheCommandAnswersWhileTheJvmStartsAndWhenItIsOff)
{
    const platform::ProcessSpec request = runner::BuildInvocation(jdk, "javac.exe", "-version", folder.Path());
    KeptCompiler kept(KeptToolsJarForTests());
    kept.Prepare(jdk, folder.Path());
    ASSERT_FALSE(kept.IsReady());  // it starts in the background: no waiting
    EXPECT_FALSE(RunTool(request, &kept).kept);
    EXPECT_FALSE(kept.IsRunning());  // the command had the cores to itself
    ASSERT_TRUE(WaitUntilReady(kept, jdk, folder.Path()));
    EXPECT_TRUE(RunTool(request, &kept).kept);
    kept.SetEnabled(false);
    EXPECT_FALSE(kept.IsRunning());
    EXPECT_FALSE(RunTool(request, &kept).kept);
    kept.Prepare(jdk, folder.Path());
    EXPECT_FALSE(kept.IsRunning());
}

TEST_F(KeptFaultTest, TheCommandAnswersWhenTheHeapIsTooSmall)
{
    const platform::ProcessSpec request = SlowCompile();
    KeptCompiler tight(KeptToolsJarForTests(), {.heapMb = 6});
    tight.Prepare(jdk, folder.Path());
    QSignalSpy ready(&tight, &KeptCompiler::Ready);
    ready.wait(20000);
    const ToolResult result = RunTool(request, &tight);
    EXPECT_FALSE(result.kept);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.files.contains("classes/tarnwick/appletviewer/Main.class"));
}

TEST_F(KeptFaultTest, TheJvmEndsWhenUnusedSilentAndWithTheProgramEvenWhenKilled)
{
    KeptCompiler idle(KeptToolsJarForTests(), {.idleMs = 200});
    ASSERT_TRUE(WaitUntilReady(idle, jdk, folder.Path()));
    // Ends 200 ms after its last use; a loaded machine may take longer to reap it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !idle.IsRunning(); }, 30000));
    KeptCompiler mute(KeptToolsJarForTests(), {.startMs = 1});  // never greets in time
    mute.Prepare(jdk, folder.Path());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !mute.IsRunning(); }, 30000));

    QProcess holder;
    holder.start(qEnvironmentVariable("TW_BINARY_DIR") + QStringLiteral("/tests/compiler/kept_compiler_holder"),
                 {KeptToolsJarForTests(), jdk, folder.Path()});
    ASSERT_TRUE(holder.waitForReadyRead(60000));
    const pid_t jvm = holder.readAllStandardOutput().trimmed().toInt();
    ASSERT_GT(jvm, 1);
    EXPECT_EQ(::kill(jvm, 0), 0);
    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ::kill(jvm, 0) != 0; }, 30000));
}

}  // namespace
