// The JDK tool commands against a fake JDK whose tools record their working
// folder and arguments and print chosen text on both streams.
#include "tests/runner/CommandsTestSupport.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray kFakeTool =
    "printf '%s\\0' \"$(pwd)/\" \"$@\" > \"$TW_FAKE_JDK_LOG/$(basename \"$0\").rec\"\n"
    "if [ -n \"$TW_FAKE_MAKE_CLASS\" ]; then\n"
    "  for a; do case \"$a\" in *.java) : > \"${a%.java}.class\";; esac; done\n"
    "fi\n"
    "printf '%s' \"$TW_FAKE_STDERR\" >&2\n"
    "printf '%s' \"$TW_FAKE_STDOUT\"\n";

struct ToolRun {
    QString folder;
    QStringList arguments;
};

class ToolCommandsTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    TempDirSandbox tmp;
    TempFolder root;
    FakeUserDialogs dialogs;
    FakeMainContext main;
    RecordingCommands commands{main};

    void SetUp() override
    {
        for (const char* tool : {"javac", "java", "javah", "rmic", "javadoc", "appletviewer", "jar"})
            WriteScript(root, QStringLiteral("fake jdk/bin/") + QString::fromLatin1(tool), kFakeTool);
        main.jdk = root.Path("fake jdk/bin/");
        root.Write(QStringLiteral("log/.keep"));
        qputenv("TW_FAKE_JDK_LOG", QFile::encodeName(root.Path("log")));
        main.SetFile(root.Write(QStringLiteral("my src/Hello.java")));
    }

    void TearDown() override
    {
        for (const char* name : {"TW_FAKE_JDK_LOG", "TW_FAKE_MAKE_CLASS", "TW_FAKE_STDOUT", "TW_FAKE_STDERR"})
            qunsetenv(name);
        EXPECT_EQ(tmp.CaptureLeftovers(), QStringList()) << "capture files are deleted after every run";
    }

    void Options(const QByteArray& ini)
    {
        settings.WriteIni(ini);
        main.options->Load();
    }

    QString Src(const char* name) { return root.Write(QStringLiteral("my src/") + QString::fromUtf8(name)); }

    // The last run of a fake tool, or nothing when it did not run.
    std::optional<ToolRun> Ran(const char* tool)
    {
        QFile record(root.Path("log/") + QString::fromLatin1(tool) + QStringLiteral(".rec"));
        if (!record.open(QIODevice::ReadOnly))
            return std::nullopt;
        QList<QByteArray> parts = record.readAll().split('\0');
        parts.removeLast();
        ToolRun run{QString::fromUtf8(parts.takeFirst()), {}};
        for (const QByteArray& p : parts)
            run.arguments << QString::fromUtf8(p);
        return run;
    }

    QString Message() const { return dialogs.messages.empty() ? QString() : dialogs.messages.back().text; }
};

QStringList Args(std::initializer_list<const char*> args)
{
    QStringList list;
    for (const char* a : args)
        list << QString::fromUtf8(a);
    return list;
}

struct CapturedCase {
    const char* name;
    QByteArray ini;
    const char* file;               // current file in "my src/"
    std::vector<const char*> extra;  // more files in "my src/"
    std::function<void(CToolCommands&)> command;
    const char* tool;
    QStringList arguments;
};

class CapturedCommandTest : public ToolCommandsTest, public ::testing::WithParamInterface<CapturedCase> {};

TEST_P(CapturedCommandTest, RunsTheToolWithExactArgumentsInTheFileFolder)
{
    const CapturedCase& c = GetParam();
    Options(c.ini);
    main.SetFile(Src(c.file));
    for (const char* extra : c.extra)
        Src(extra);
    c.command(commands);
    const auto run = Ran(c.tool);
    ASSERT_TRUE(run) << c.tool << " did not run; message: " << Message().toStdString();
    EXPECT_EQ(run->arguments, c.arguments);
    EXPECT_EQ(run->folder, root.Path("my src/"));
    EXPECT_TRUE(dialogs.messages.empty()) << Message().toStdString();
}

const QByteArray kAllJavacOptions =
    "[JavacOption]\nO=true\nNowarn=true\nDeprecation=true\nClassPath=true\nStrClassPath=lib/a.jar\n"
    "Other=true\nStrOther=-g \"-Xlint:all\"\n";

INSTANTIATE_TEST_SUITE_P(
    Commands, CapturedCommandTest,
    ::testing::Values(
        CapturedCase{"Compile", "", "Hello.java", {}, &CToolCommands::OnCompile, "javac", Args({"-classpath", ".", "Hello.java"})},
        CapturedCase{"CompileBlanks", "", "My Hello.java", {}, &CToolCommands::OnCompile, "javac",
                     Args({"-classpath", ".", "My Hello.java"})},
        CapturedCase{"CompileAllOptions", kAllJavacOptions, "Hello.java", {}, &CToolCommands::OnCompile, "javac",
                     Args({"-classpath", ".;lib/a.jar", "-O", "-nowarn", "-deprecation", "-g", "-Xlint:all", "Hello.java"})},
        CapturedCase{"RebuildSorted", "", "Hello.java", {"B.java", "A b.java", "c.txt"}, &CToolCommands::OnRebuild, "javac",
                     Args({"-classpath", ".", "A b.java", "B.java", "Hello.java"})},
        CapturedCase{"RunCaptured", "[JavaOption]\nMsg=true\nArg=true\nStrArg=one \"two three\"\n", "Hello.java", {"Hello.class"},
                     &CToolCommands::OnRunJava, "java", Args({"-classpath", ".", "Hello", "one", "two three"})},
        CapturedCase{"RunCapturedJar", "[JavaOption]\nMsg=true\nOption=true\nStrOption=-Xmx64m\n", "My Tool.JAR", {},
                     &CToolCommands::OnRunJava, "java", Args({"-classpath", ".", "-Xmx64m", "-jar", "My Tool.JAR"})},
        CapturedCase{"RunCapturedClass", "[JavaOption]\nMsg=true\n", "Hello.class", {}, &CToolCommands::OnRunJava, "java",
                     Args({"-classpath", ".", "Hello"})},
        CapturedCase{"Javah", "[JavahOption]\nClassPath=true\nStrClassPath=x\n", "Hello.java", {"Hello.class"},
                     &CToolCommands::OnJavah, "javah", Args({"-classpath", ".;x", "Hello"})},
        CapturedCase{"JavahOnClass", "", "Hello.class", {}, &CToolCommands::OnJavah, "javah", Args({"-classpath", ".", "Hello"})},
        CapturedCase{"Rmic", "[JavaRmiOption]\nOption=true\nStrOption=-v1.2\n", "Hello.java", {"Hello.class"},
                     &CToolCommands::OnRmic, "rmic", Args({"-classpath", ".", "-v1.2", "Hello"})}),
    [](const auto& info) { return std::string(info.param.name); });

struct DetachedCase {
    const char* name;
    QByteArray ini;
    const char* file;
    std::vector<const char*> extra;
    std::function<void(CToolCommands&)> command;
    const char* tool;
    QStringList arguments;
};

class DetachedCommandTest : public ToolCommandsTest, public ::testing::WithParamInterface<DetachedCase> {};

TEST_P(DetachedCommandTest, StartsTheToolDirectlyWithoutATerminal)
{
    const DetachedCase& c = GetParam();
    Options(c.ini);
    main.SetFile(Src(c.file));
    for (const char* extra : c.extra)
        Src(extra);
    c.command(commands);
    ASSERT_EQ(commands.started.size(), 1u) << Message().toStdString();
    EXPECT_EQ(commands.started[0], (platform::ProcessSpec{main.jdk + QString::fromLatin1(c.tool), c.arguments,
                                                          root.Path("my src/")}));
    EXPECT_TRUE(commands.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DetachedCommandTest,
    ::testing::Values(
        DetachedCase{"Run", "", "Hello.java", {"Hello.class"}, &CToolCommands::OnRunJava, "java", Args({"-classpath", ".", "Hello"})},
        DetachedCase{"KeptConsoleWithoutTerminal", "[JavaOption]\nShowDos=true\nMsg=true\n", "Hello.java", {"Hello.class"},
                     &CToolCommands::OnRunJava, "java", Args({"-classpath", ".", "Hello"})},
        DetachedCase{"AppletViewer", "", "My Applet.java", {"My Applet.html"}, &CToolCommands::OnRunAppletViewer,
                     "appletviewer", Args({"My Applet.html"})},
        DetachedCase{"Document", "", "My Hello.java", {}, &CToolCommands::OnMakeDocument, "javadoc", Args({"My Hello.java"})},
        DetachedCase{"AllDocuments", "", "Hello.java", {"A.java"}, &CToolCommands::OnMakeAllDocuments, "javadoc",
                     Args({"A.java", "Hello.java"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ToolCommandsTest, DetachedRunsOpenATerminalThatClosesOrStaysForTheKeptConsole)
{
    TempFolder bin;
    const QString xterm = WriteScript(bin, QStringLiteral("xterm"), "exit 0\n");
    commands.env.path = {bin.Path()};
    Src("Hello.class");
    commands.OnRunJava();
    Options("[JavaOption]\nShowDos=true\n");
    commands.OnRunJava();
    ASSERT_EQ(commands.started.size(), 2u);
    const QStringList java{main.jdk + QStringLiteral("java"), QStringLiteral("-classpath"), QStringLiteral("."),
                           QStringLiteral("Hello")};
    EXPECT_EQ(commands.started[0].program, xterm);
    EXPECT_EQ(commands.started[0].arguments, QStringList(QStringLiteral("-e")) + java);
    EXPECT_EQ(commands.started[1].arguments.mid(0, 3), Args({"-e", "/bin/sh", "-c"}));
    EXPECT_EQ(commands.started[1].arguments.mid(4), java) << "the kept console ends in a shell";
    EXPECT_EQ(commands.started[1].workingFolder, root.Path("my src/"));
}

TEST_F(ToolCommandsTest, CapturedOutputShowsStandardOutputFirst)
{
    qputenv("TW_FAKE_STDERR", "Hello.java:3: error: ';' expected\r\n1 error\r\n");
    qputenv("TW_FAKE_STDOUT", "note: 日本語");
    commands.OnCompile();
    ASSERT_EQ(commands.shown.size(), 1);
    EXPECT_EQ(commands.shown[0], QStringLiteral("note: 日本語\nHello.java:3: error: ';' expected\n1 error\n"));
}

TEST_F(ToolCommandsTest, OutputWindowOpensForSilentToolsOnlyWhenForced)
{
    commands.OnCompile();
    commands.OnRebuild();
    EXPECT_TRUE(commands.shown.empty()) << "a silent compile shows nothing";
    Src("Hello.class");
    Options("[JavaOption]\nMsg=true\n");
    commands.OnRunJava();
    EXPECT_EQ(commands.shown, QStringList{QString()}) << "a captured run always shows its window";
}

TEST_F(ToolCommandsTest, MissingFilesAreReportedAndNothingRuns)
{
    struct Case {
        const char* file;
        std::function<void(CToolCommands&)> command;
        QString expected;
    };
    const QString folder = root.Path("my src/");
    const Case cases[] = {
        {"Gone.java", &CToolCommands::OnCompile, folder + QStringLiteral("Gone.javaは存在しません")},
        {"Hello.java", &CToolCommands::OnRunJava, QStringLiteral("Hello.classは存在しません")},
        {"Tool.jar", &CToolCommands::OnRunJava, QStringLiteral("Tool.jarは存在しません")},
        {"Hello.java", &CToolCommands::OnRunAppletViewer, folder + QStringLiteral("Hello.htmlは存在しません")},
        {"Hello.java", &CToolCommands::OnRunBrowser, folder + QStringLiteral("Hello.htmlは存在しません")},
        {"Other.class", &CToolCommands::OnJavah, folder + QStringLiteral("Other.classは存在しません")},
    };
    for (const Case& c : cases) {
        main.SetFile(folder + QString::fromUtf8(c.file));
        dialogs.messages.clear();
        c.command(commands);
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.file;
        EXPECT_EQ(dialogs.messages[0].text, c.expected);
        EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("ファイルエラー"));
        EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Error);
        EXPECT_EQ(dialogs.messages[0].owner, &main.window);
    }
    EXPECT_TRUE(commands.started.empty());
    EXPECT_FALSE(Ran("javac") || Ran("java") || Ran("javah"));
}

TEST_F(ToolCommandsTest, JavahAndRmicCompileAMissingClassFirst)
{
    qputenv("TW_FAKE_MAKE_CLASS", "1");
    commands.OnJavah();
    ASSERT_TRUE(Ran("javac"));
    EXPECT_EQ(Ran("javac")->arguments, Args({"-classpath", ".", "Hello.java"}));
    EXPECT_TRUE(Ran("javah"));

    // A compile that makes no class file stops with the missing class.
    qunsetenv("TW_FAKE_MAKE_CLASS");
    main.SetFile(Src("Broken.java"));
    qputenv("TW_FAKE_STDERR", "Broken.java:1: error\n");
    commands.OnRmic();
    EXPECT_EQ(commands.shown, QStringList{QStringLiteral("Broken.java:1: error\n")}) << "javac's own window";
    EXPECT_EQ(Message(), root.Path("my src/Broken.classは存在しません"));
    EXPECT_FALSE(Ran("rmic"));
}

TEST_F(ToolCommandsTest, JdkWithoutJavahMakesTheHeaderWithJavac)
{
    QFile::remove(main.jdk + QStringLiteral("javah"));
    Options("[JavahOption]\nClassPath=true\nStrClassPath=lib\nOption=true\nStrOption=-jni\n");
    main.SetFile(Src("Native Lib.java"));
    qputenv("TW_FAKE_STDOUT", "header\n");
    commands.OnJavah();
    ASSERT_TRUE(Ran("javac"));
    EXPECT_EQ(Ran("javac")->arguments, Args({"-h", ".", "-classpath", ".;lib", "Native Lib.java"}));
    EXPECT_EQ(commands.shown, QStringList{QStringLiteral("header\n")});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ToolCommandsTest, ToolsMissingFromTheJdkAreNamedWithTheJdkFolder)
{
    for (const char* tool : {"appletviewer", "rmic", "javah"})
        QFile::remove(main.jdk + QString::fromLatin1(tool));
    Src("Hello.html");
    Src("Hello.class");
    commands.OnRunAppletViewer();
    commands.OnRmic();
    main.SetFile(Src("Hello.class"));
    commands.OnJavah();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    for (const auto& [message, tool] : {std::pair{dialogs.messages[0], "appletviewer"}, {dialogs.messages[1], "rmic"},
                                        {dialogs.messages[2], "javah"}}) {
        EXPECT_TRUE(message.text.contains(QString::fromLatin1(tool))) << message.text.toStdString();
        EXPECT_TRUE(message.text.contains(main.jdk)) << message.text.toStdString();
        EXPECT_EQ(message.caption, QStringLiteral("ファイルエラー"));
    }
    EXPECT_TRUE(commands.started.empty());
    EXPECT_FALSE(Ran("javac"));
}

TEST_F(ToolCommandsTest, AToolThatCannotStartIsReportedWithItsPath)
{
    main.jdk = root.Path("no jdk/");
    commands.OnCompile();
    Src("Hello.class");
    commands.OnRunJava();
    Options("[JavaOption]\nMsg=true\n");
    commands.OnRunJava();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text, root.Path("no jdk/javacを起動できません"));
    EXPECT_EQ(dialogs.messages[1].text, root.Path("no jdk/javaを起動できません"));
    EXPECT_EQ(dialogs.messages[2].text, root.Path("no jdk/javaを起動できません"));
    EXPECT_TRUE(commands.shown.empty()) << "no empty window pretends the run happened";
    EXPECT_TRUE(commands.started.empty());
}

TEST_F(ToolCommandsTest, BrowserTakesTheChosenProgramOrTheDesktopDefault)
{
    const QString page = Src("Hello.html");
    commands.OnRunBrowser();
    EXPECT_EQ(commands.opened, QStringList{page});

    const QString browser = WriteScript(root, QStringLiteral("my browser"), "exit 0\n");
    Options("[AppOption]\nUseIE=true\nAppIE=" + browser.toUtf8() + "\n");
    commands.OnRunBrowser();
    ASSERT_EQ(commands.started.size(), 1u);
    EXPECT_EQ(commands.started[0].program, browser);
    EXPECT_EQ(commands.started[0].arguments, QStringList{page});

    commands.startSucceeds = false;
    commands.OnRunBrowser();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, page + QStringLiteral("を開けません"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("ファイルエラー"));

    QFile::remove(browser);
    main.options->Load();
    commands.OnRunBrowser();
    EXPECT_EQ(commands.opened.size(), 2) << "a deleted browser falls back to the desktop";
}

}  // namespace
