// The program as a user starts it on a desktop: an X server (Xvfb) with a window manager (openbox), keys pressed with
// xdotool, a fake JDK whose java tells its process id. What only a real window manager and real signals show: the
// output window's size across starts, and programs that end with Tarnwick.
#include "settings/SettingFile.h"
#include "tests/support/TempFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

// What xdotool printed; empty when it failed or took longer than limitMs.
QString Xdotool(const QStringList& arguments, const QProcessEnvironment& env, int limitMs = 15000)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start("xdotool", arguments);
    if (!process.waitForFinished(limitMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()).trimmed() : QString();
}

// A process that has ended (a zombie waiting for init counts as ended).
bool Alive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
}

bool WaitUntil(const std::function<bool()>& done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QThread::msleep(50);
    return done();
}

class TarnwickAppTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    TempFolder work;
    QProcess xvfb;
    QProcess openbox;
    QProcess tarnwick;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "openbox", "xdotool"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        }
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        ASSERT_TRUE(xvfb.waitForReadyRead(10000));
        env.insert("DISPLAY", ":" + QString::fromUtf8(xvfb.readLine()).trimmed());
        env.remove("QT_QPA_PLATFORM");
        env.insert("LANG", "ja_JP.UTF-8");
        openbox.setProcessEnvironment(env);
        openbox.start("openbox", {"--startup", "touch " + work.Path("wm-ready")});
        ASSERT_TRUE(WaitUntil([this] { return work.Exists("wm-ready"); }, 10000)) << "openbox did not start";
        // A JDK of scripts; settings that name it and nothing else (capturing is not chosen yet).
        work.Write("jdk/bin/javac");
        settings.WriteIni("[JDK]\nPath=" + work.Path("jdk/bin").toUtf8() + "\n");
        work.Write("Hello.java", "public class Hello { }\n");
        work.Write("Hello.class");
    }
    void TearDown() override
    {
        for (QProcess* process : {&tarnwick, &openbox, &xvfb}) {
            process->kill();
            process->waitForFinished();
        }
    }

    void Java(const QByteArray& script)
    {
        const QString path = work.Write("jdk/bin/java", "#!/bin/sh\n" + script);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(work.Path("jdk/bin/javac"), QFile::ReadOwner | QFile::ExeOwner);
    }
    // Starts Tarnwick on Hello.java, presses Ctrl+J and waits for the output window whose title holds title.
    void RunJava(const QString& title)
    {
        env.insert("TARNWICK_SETTINGS_DIR", settings.Folder().Path());
        tarnwick.setProcessEnvironment(env);
        tarnwick.start(qEnvironmentVariable("TW_BINARY_DIR") + "/tarnwick", {work.Path("Hello.java")});
        const QString main =
            Xdotool({"search", "--sync", "--onlyvisible", "--name", "Tarnwick Ver"}, env).section('\n', 0, 0);
        ASSERT_FALSE(main.isEmpty()) << "no main window";
        Xdotool({"windowactivate", main}, env);
        ASSERT_TRUE(WaitUntil([&] { return Xdotool({"getactivewindow"}, env) == main; }, 10000));
        Xdotool({"key", "--clearmodifiers", "ctrl+j"}, env);
        ASSERT_FALSE(Xdotool({"search", "--sync", "--name", title}, env).isEmpty())
            << "no output window titled " << title.toStdString() << " (a message instead?)";
    }
    // How Tarnwick ended after the signal: its exit code, -1 when it did not end.
    int EndWith(int signal)
    {
        ::kill(static_cast<pid_t>(tarnwick.processId()), signal);
        if (!tarnwick.waitForFinished(15000))
            return -1;
        return tarnwick.exitStatus() == QProcess::CrashExit ? 128 + signal : tarnwick.exitCode();
    }
    static QRect Stored()
    {
        const settings::SettingFile ini;
        const auto edge = [&](const char* key) { return ini.ReadInt("MsgDlg", key, -1); };
        return {QPoint(edge("Left"), edge("Top")), QPoint(edge("Right") - 1, edge("Bottom") - 1)};
    }
};

// The window manager's frame is known only after the window shows; a first showing in each new process must still
// store exactly the rectangle it was given.
TEST_F(TarnwickAppTest, TheOutputWindowKeepsItsSizeFromOneStartToTheNext)
{
    Java("echo hi\n");
    QList<QRect> stored;
    for (int start = 0; start < 3; ++start) {
        RunJava("java Hello - 終了コード 0");
        const QString output = Xdotool({"search", "--name", "java Hello"}, env).section('\n', 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return Xdotool({"getactivewindow"}, env) == output; }, 10000));
        Xdotool({"key", "Return"}, env);  // closes the window of the ended run
        ASSERT_TRUE(WaitUntil([&] { return Xdotool({"search", "--name", "java Hello"}, env).isEmpty(); }, 10000));
        EXPECT_EQ(EndWith(SIGTERM), 128 + SIGTERM);
        stored << Stored();
    }
    EXPECT_TRUE(stored[0].isValid());
    EXPECT_EQ(stored[1], stored[0]);
    EXPECT_EQ(stored[2], stored[0]);
}

// A logout (SIGTERM) ends the run's program and keeps the windows' state; a program started by a Tarnwick killed
// outright goes too.
TEST_F(TarnwickAppTest, ProgramsEndWithTarnwickHoweverItEnds)
{
    Java("echo $$ > java.pid\necho running\nexec sleep 600\n");
    for (const int signal : {SIGTERM, SIGKILL}) {
        QFile::remove(work.Path("java.pid"));
        QFile::remove(settings.IniPath());
        settings.WriteIni("[JDK]\nPath=" + work.Path("jdk/bin").toUtf8() + "\n");
        RunJava("java Hello - 実行中");
        const qint64 java = work.Read("java.pid").trimmed().toLongLong();
        ASSERT_TRUE(java > 0 && Alive(java));
        EXPECT_EQ(EndWith(signal), 128 + signal);
        if (!WaitUntil([java] { return !Alive(java); }, 5000)) {
            ADD_FAILURE() << "java lives on after signal " << signal;
            ::kill(static_cast<pid_t>(java), SIGKILL);
        }
        if (signal == SIGTERM) {
            const QByteArray ini = settings.IniBytes();
            EXPECT_TRUE(ini.contains("[MsgDlg]") && ini.contains("Extend=")) << ini.toStdString();
        }
    }
}

}  // namespace
