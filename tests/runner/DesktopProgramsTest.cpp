#include "platform/Terminal.h"
#include "platform/TextEditors.h"

#include "tests/runner/RunnerTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

using platform::DesktopEnvironment;
using platform::ProcessSpec;

// A folder of fake programs that serves as the whole PATH.
struct FakeBin {
    TempFolder folder;
    QString Add(const char* name) { return WriteScript(folder, QString::fromUtf8(name), "exit 0\n"); }
    DesktopEnvironment Env() const
    {
        DesktopEnvironment env;
        env.path = {folder.Path()};
        env.configHome = folder.Path("config");
        env.dataHome = folder.Path("data");
        env.dataDirs = {folder.Path("share")};
        return env;
    }
};

TEST(FindTerminal, PrefersTheUsersChoiceThenTheKnownEmulatorsInOrder)
{
    FakeBin bin;
    EXPECT_EQ(platform::FindTerminal(bin.Env()), QString()) << "no terminal at all";
    const QString xterm = bin.Add("xterm");
    EXPECT_EQ(platform::FindTerminal(bin.Env()), xterm);
    const QString konsole = bin.Add("konsole");
    EXPECT_EQ(platform::FindTerminal(bin.Env()), konsole);
    const QString standard = bin.Add("x-terminal-emulator");
    EXPECT_EQ(platform::FindTerminal(bin.Env()), standard);
    DesktopEnvironment env = bin.Env();
    env.terminal = QStringLiteral("xterm");
    EXPECT_EQ(platform::FindTerminal(env), xterm);
    env.terminal = QStringLiteral("not-installed");
    EXPECT_EQ(platform::FindTerminal(env), standard);
}

TEST(InTerminal, PassesTheCommandAsSeparateArguments)
{
    const ProcessSpec java{QStringLiteral("/j dk/java"), {QStringLiteral("-cp"), QStringLiteral("a b")}, QStringLiteral("/w/")};
    EXPECT_EQ(platform::InTerminal(QStringLiteral("/usr/bin/xterm"), java, false),
              (ProcessSpec{QStringLiteral("/usr/bin/xterm"),
                           {QStringLiteral("-e"), QStringLiteral("/j dk/java"), QStringLiteral("-cp"), QStringLiteral("a b")},
                           QStringLiteral("/w/")}));
    const ProcessSpec gnome = platform::InTerminal(QStringLiteral("/usr/bin/gnome-terminal"), java, false);
    EXPECT_EQ(gnome.arguments.mid(0, 3),
              (QStringList{QStringLiteral("--working-directory=/w/"), QStringLiteral("--"), QStringLiteral("/j dk/java")}));
    EXPECT_EQ(platform::ForConsoleWindow(QString(), java, true), java) << "without a terminal the tool runs directly";
}

// The kept console's shell runs the program with its arguments untouched and
// then stays (here the "shell" is a script that reports it was started).
TEST(InTerminal, KeptConsoleRunsTheProgramWithoutParsingNamesThenTheShell)
{
    TempFolder folder;
    const QString printer = WriteScript(folder, QStringLiteral("print args"), "printf '[%s]' \"$@\"\n");
    const QString shell = WriteScript(folder, QStringLiteral("shell"), "echo ' shell'\n");
    const ProcessSpec spec = platform::InTerminal(
        QStringLiteral("/fake/xterm"),
        {printer, {QStringLiteral("a b"), QStringLiteral("$HOME"), QStringLiteral("`x`;\"q\"")}, folder.Path()}, true);
    ASSERT_EQ(spec.arguments.first(), QStringLiteral("-e"));
    QProcess process;
    process.setProgram(spec.arguments[1]);
    process.setArguments(spec.arguments.mid(2));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SHELL"), shell);
    process.setProcessEnvironment(env);
    process.start();
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), QStringLiteral("[a b][$HOME][`x`;\"q\"] shell\n"));
}

struct ExecCase {
    const char* exec;
    std::vector<const char*> command;
};

class ExpandDesktopExecTest : public ::testing::TestWithParam<ExecCase> {};

TEST_P(ExpandDesktopExecTest, FillsInTheFile)
{
    QStringList expected;
    for (const char* a : GetParam().command)
        expected << QString::fromUtf8(a);
    EXPECT_EQ(platform::ExpandDesktopExec(QString::fromUtf8(GetParam().exec), QStringLiteral("/a b/x.html")), expected);
}

INSTANTIATE_TEST_SUITE_P(
    FieldCodes, ExpandDesktopExecTest,
    ::testing::Values(ExecCase{"gedit %U", {"gedit", "file:///a b/x.html"}},
                      ExecCase{"mousepad %F", {"mousepad", "/a b/x.html"}},
                      ExecCase{"kate -b %f", {"kate", "-b", "/a b/x.html"}},
                      ExecCase{"\"/opt/my ed/ed\" --icon %i %c %f", {"/opt/my ed/ed", "--icon", "/a b/x.html"}},
                      ExecCase{"ed --rate=50%%", {"ed", "--rate=50%", "/a b/x.html"}},
                      ExecCase{"", {}}));

TEST(DefaultApplicationFor, FollowsMimeappsThenTheCache)
{
    FakeBin bin;
    const QString gedit = bin.Add("gedit");
    const QString vim = bin.Add("vim");
    const QString xterm = bin.Add("xterm");
    const DesktopEnvironment env = bin.Env();
    const QString file = QStringLiteral("/w/Hello.html");
    EXPECT_FALSE(platform::DefaultApplicationFor(QStringLiteral("text/plain"), file, env));

    bin.folder.Write(QStringLiteral("share/applications/vim.desktop"),
                     "[Desktop Entry]\nName=Vim\nExec=vim %F\nTerminal=true\n");
    bin.folder.Write(QStringLiteral("share/applications/mimeinfo.cache"), "[MIME Cache]\ntext/plain=vim.desktop;\n");
    EXPECT_EQ(platform::DefaultApplicationFor(QStringLiteral("text/plain"), file, env),
              (ProcessSpec{xterm, {QStringLiteral("-e"), vim, file}, {}}));

    bin.folder.Write(QStringLiteral("data/applications/org.gnome.gedit.desktop"),
                     "[Desktop Entry]\nExec=gedit %U\n[Desktop Action new]\nExec=gedit --new-window\n");
    bin.folder.Write(QStringLiteral("config/mimeapps.list"),
                     "[Added Associations]\ntext/plain=vim.desktop;\n"
                     "[Default Applications]\ntext/plain=missing.desktop;org.gnome.gedit.desktop;\n");
    EXPECT_EQ(platform::DefaultApplicationFor(QStringLiteral("text/plain"), file, env),
              (ProcessSpec{gedit, {QStringLiteral("file:///w/Hello.html")}, {}}));
}

TEST(FallbackEditor, UsesTheUsersEditorInATerminalElseAnInstalledEditor)
{
    FakeBin bin;
    const QString file = QStringLiteral("/w/A.java");
    EXPECT_FALSE(platform::FallbackEditor(file, bin.Env()));
    const QString mousepad = bin.Add("mousepad");
    DesktopEnvironment env = bin.Env();
    env.editor = QStringLiteral("nano");
    const QString nano = bin.Add("nano");
    EXPECT_EQ(platform::FallbackEditor(file, env), (ProcessSpec{mousepad, {file}, {}}))
        << "a console editor needs a terminal";
    const QString xterm = bin.Add("xterm");
    env.visual = QStringLiteral("nano -w");
    EXPECT_EQ(platform::FallbackEditor(file, env),
              (ProcessSpec{xterm, {QStringLiteral("-e"), nano, QStringLiteral("-w"), file}, {}}));
    const QString gedit = bin.Add("gedit");
    env.visual.clear();
    env.editor = QStringLiteral("not-installed");
    EXPECT_EQ(platform::FallbackEditor(file, env), (ProcessSpec{gedit, {file}, {}})) << "gedit comes first";
}

}  // namespace
