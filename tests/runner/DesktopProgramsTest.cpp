#include "platform/Terminal.h"
#include "platform/TextEditors.h"

#include "tests/runner/RunnerTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

using platform::DesktopEnvironment;
using platform::ProcessSpec;

// A folder of fake programs that is the whole PATH, and empty XDG folders.
struct FakeDesktop {
    TempFolder folder;
    DesktopEnvironment env;
    FakeDesktop()
    {
        env.path = {folder.Path()};
        env.configHome = folder.Path("config");
        env.dataHome = folder.Path("data");
        env.dataDirs = {folder.Path("share")};
    }
    QString Add(const char* name) { return WriteScript(folder, QString::fromUtf8(name), "exit 0\n"); }
};

TEST(FindTerminal, PrefersTheUsersChoiceThenTheKnownEmulatorsInOrder)
{
    FakeDesktop desktop;
    EXPECT_EQ(platform::FindTerminal(desktop.env), QString());
    const QString xterm = desktop.Add("xterm");
    desktop.Add("konsole");
    const QString standard = desktop.Add("x-terminal-emulator");
    EXPECT_EQ(platform::FindTerminal(desktop.env), standard);
    desktop.env.terminal = QStringLiteral("xterm");
    EXPECT_EQ(platform::FindTerminal(desktop.env), xterm);
}

// The kept console runs the program with its arguments untouched by any
// shell, then the user's shell (here a script that says it ran).
TEST(InTerminal, KeptConsoleRunsTheProgramWithoutParsingNamesThenTheShell)
{
    TempFolder folder;
    const QString printer = WriteScript(folder, QStringLiteral("print args"), "printf '[%s]' \"$@\"\n");
    const ProcessSpec spec = platform::InTerminal(
        QStringLiteral("/usr/bin/xterm"),
        {printer, {QStringLiteral("a b"), QStringLiteral("$HOME"), QStringLiteral("`x`;\"q\"")}, folder.Path()}, true);
    ASSERT_EQ(spec.arguments.first(), QStringLiteral("-e"));
    QProcess process;
    process.setProgram(spec.arguments[1]);
    process.setArguments(spec.arguments.mid(2));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SHELL"), WriteScript(folder, QStringLiteral("shell"), "echo ' shell'\n"));
    process.setProcessEnvironment(env);
    process.start();
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), QStringLiteral("[a b][$HOME][`x`;\"q\"] shell\n"));
}

TEST(DefaultApplicationFor, FollowsMimeappsThenTheDesktopCache)
{
    FakeDesktop desktop;
    const QString gedit = desktop.Add("gedit");
    const QString vim = desktop.Add("vim");
    const QString xterm = desktop.Add("xterm");
    const QString file = QStringLiteral("/w d/Hello.html");
    const QString plain = QStringLiteral("text/plain");
    EXPECT_FALSE(platform::DefaultApplicationFor(plain, file, desktop.env));
    desktop.folder.Write(QStringLiteral("share/applications/vim.desktop"), "[Desktop Entry]\nExec=vim -p %F\nTerminal=true\n");
    desktop.folder.Write(QStringLiteral("share/applications/mimeinfo.cache"), "[MIME Cache]\ntext/plain=vim.desktop;\n");
    EXPECT_EQ(platform::DefaultApplicationFor(plain, file, desktop.env),
              (ProcessSpec{xterm, {QStringLiteral("-e"), vim, QStringLiteral("-p"), file}, {}}));
    desktop.folder.Write(QStringLiteral("data/applications/org.gnome.gedit.desktop"),
                         "[Desktop Entry]\nExec=gedit %U --icon %i\n[Desktop Action new]\nExec=gedit --new\n");
    desktop.folder.Write(QStringLiteral("config/mimeapps.list"),
                         "[Default Applications]\ntext/plain=missing.desktop;org.gnome.gedit.desktop;\n");
    EXPECT_EQ(platform::DefaultApplicationFor(plain, file, desktop.env),
              (ProcessSpec{gedit, {QStringLiteral("file:///w%20d/Hello.html"), QStringLiteral("--icon")}, {}}));
}

TEST(FallbackEditor, UsesTheUsersEditorInATerminalElseAnInstalledEditor)
{
    FakeDesktop desktop;
    const QString file = QStringLiteral("/w/A.java");
    EXPECT_FALSE(platform::FallbackEditor(file, desktop.env));
    const QString mousepad = desktop.Add("mousepad");
    const QString nano = desktop.Add("nano");
    desktop.env.visual = QStringLiteral("nano -w");
    EXPECT_EQ(platform::FallbackEditor(file, desktop.env), (ProcessSpec{mousepad, {file}, {}})) << "no terminal";
    const QString xterm = desktop.Add("xterm");
    EXPECT_EQ(platform::FallbackEditor(file, desktop.env),
              (ProcessSpec{xterm, {QStringLiteral("-e"), nano, QStringLiteral("-w"), file}, {}}));
}

}  // namespace
