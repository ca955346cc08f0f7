// The JDK tool commands against a fake JDK whose tools record their working
// folder and arguments and print chosen text on both streams.
#include "tests/runner/CommandsTestSupport.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray kFakeTool =
    "printf '%s\\0' \"$(pwd)/\" \"$@\" > \"$TW_FAKE_JDK_LOG/$(basename \"$0\")\"\n"
    "[ -n \"$TW_FAKE_MAKE_CLASS\" ] && for a; do case \"$a\" in *.java) : > \"${a%.java}.class\";; esac; done\n"
    "printf '%s' \"$TW_FAKE_STDERR\" >&2\n"
    "printf '%s' \"$TW_FAKE_STDOUT\"\n";

QStringList L(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

class ToolCommandsTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    TempDirSandbox tmp;
    TempFolder root;
    FakeUserDialogs dialogs;
    FakeMainContext main;
    RecordingCommands commands{main};
    QString src;

    void SetUp() override
    {
        for (const char* tool : {"javac", "java", "javah", "rmic", "javadoc", "appletviewer"})
            WriteScript(root, QStringLiteral("fake jdk/bin/") + QString::fromLatin1(tool), kFakeTool);
        main.jdk = root.Path("fake jdk/bin/");
        QDir().mkpath(root.Path("log"));
        qputenv("TW_FAKE_JDK_LOG", QFile::encodeName(root.Path("log")));
        src = root.Path("my src/");
        main.SetFile(Src("Hello.java"));
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

    // The working folder and the arguments of a fake tool's last run; empty when it did not run.
    QStringList Ran(const char* tool)
    {
        QFile record(root.Path("log/") + QString::fromLatin1(tool));
        QStringList run;
        if (record.open(QIODevice::ReadOnly)) {
            for (const QByteArray& part : record.readAll().split('\0'))
                run << QString::fromUtf8(part);
            run.removeLast();
        }
        return run;
    }

    QStringList Messages() const
    {
        QStringList texts;
        for (const RecordedMessage& m : dialogs.messages)
            texts << m.text;
        return texts;
    }
};

struct CommandCase {
    const char* name;
    QByteArray ini;
    std::vector<const char*> files;  // in "my src/"; the first is current
    std::function<void(CToolCommands&)> command;
    const char* tool;
    QStringList arguments;
};

std::string CaseName(const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; }

class CapturedCommandTest : public ToolCommandsTest, public ::testing::WithParamInterface<CommandCase> {
protected:
    void Execute()
    {
        Options(GetParam().ini);
        for (const char* file : GetParam().files)
            Src(file);
        main.SetFile(src + QString::fromUtf8(GetParam().files.front()));
        GetParam().command(commands);
        EXPECT_EQ(Messages(), QStringList());
    }
};

TEST_P(CapturedCommandTest, RunsTheToolWithExactArgumentsInTheFileFolder)
{
    Execute();
    EXPECT_EQ(Ran(GetParam().tool), QStringList(src) + GetParam().arguments);
}

const QByteArray kAllJavacOptions =
    "[JavacOption]\nO=true\nNowarn=true\nDeprecation=true\nClassPath=true\nStrClassPath=lib/a.jar\n"
    "Other=true\nStrOther=-g \"-Xlint:all\"\n";

// No length limit cuts a command line.
const QString kLongOption = QStringLiteral("-Akey=") + QString(3000, QLatin1Char('x'));

INSTANTIATE_TEST_SUITE_P(
    Commands, CapturedCommandTest,
    ::testing::Values(
        CommandCase{"Compile", "", {"My Hello.java"}, &CToolCommands::OnCompile, "javac", L({"-classpath", ".", "My Hello.java"})},
        CommandCase{"CompileAllOptions", kAllJavacOptions, {"Hello.java"}, &CToolCommands::OnCompile, "javac",
                    L({"-classpath", ".:lib/a.jar", "-O", "-nowarn", "-deprecation", "-g", "-Xlint:all", "Hello.java"})},
        CommandCase{"CompileLongOption", "[JavacOption]\nOther=true\nStrOther=" + kLongOption.toUtf8() + "\n", {"Hello.java"},
                    &CToolCommands::OnCompile, "javac", QStringList{"-classpath", ".", kLongOption, "Hello.java"}},
        CommandCase{"Rebuild", "", {"Hello.java", "B.java", "A b.java", "c.txt"}, &CToolCommands::OnRebuild, "javac",
                    L({"-classpath", ".", "A b.java", "B.java", "Hello.java"})},
        CommandCase{"Run", "[JavaOption]\nMsg=true\nArg=true\nStrArg=one \"two three\"\n", {"Hello.java", "Hello.class"},
                    &CToolCommands::OnRunJava, "java", L({"-classpath", ".", "Hello", "one", "two three"})},
        CommandCase{"RunJar", "[JavaOption]\nMsg=true\nOption=true\nStrOption=-Xmx64m\n", {"My Tool.JAR"},
                    &CToolCommands::OnRunJava, "java", L({"-classpath", ".", "-Xmx64m", "-jar", "My Tool.JAR"})},
        CommandCase{"RunClass", "[JavaOption]\nMsg=true\n", {"Hello.class"}, &CToolCommands::OnRunJava, "java",
                    L({"-classpath", ".", "Hello"})},
        CommandCase{"Javah", "[JavahOption]\nClassPath=true\nStrClassPath=x\n", {"Hello.java", "Hello.class"},
                    &CToolCommands::OnJavah, "javah", L({"-classpath", ".:x", "Hello"})},
        CommandCase{"Rmic", "[JavaRmiOption]\nOption=true\nStrOption=-v1.2\n", {"Hello.class"}, &CToolCommands::OnRmic,
                    "rmic", L({"-classpath", ".", "-v1.2", "Hello"})}),
    CaseName);

class DetachedCommandTest : public CapturedCommandTest {};

TEST_P(DetachedCommandTest, StartsTheToolDirectlyWithoutATerminal)
{
    Execute();
    ASSERT_EQ(commands.started.size(), 1u);
    EXPECT_EQ(commands.started[0], (platform::ProcessSpec{main.jdk + QString::fromLatin1(GetParam().tool),
                                                          GetParam().arguments, src}));
    EXPECT_EQ(commands.shown, QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DetachedCommandTest,
    ::testing::Values(
        CommandCase{"Run", "", {"Hello.java", "Hello.class"}, &CToolCommands::OnRunJava, "java", L({"-classpath", ".", "Hello"})},
        CommandCase{"KeptConsole", "[JavaOption]\nShowDos=true\nMsg=true\n", {"Hello.class"}, &CToolCommands::OnRunJava,
                    "java", L({"-classpath", ".", "Hello"})},
        CommandCase{"AppletViewer", "", {"My Applet.java", "My Applet.html"}, &CToolCommands::OnRunAppletViewer,
                    "appletviewer", L({"My Applet.html"})},
        CommandCase{"Document", "", {"My Hello.java"}, &CToolCommands::OnMakeDocument, "javadoc", L({"My Hello.java"})},
        CommandCase{"AllDocuments", "", {"Hello.java", "A.java"}, &CToolCommands::OnMakeAllDocuments, "javadoc",
                    L({"A.java", "Hello.java"})}),
    CaseName);

TEST_F(ToolCommandsTest, DetachedRunsUseATerminalThatClosesOrStaysWithAShell)
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
    EXPECT_EQ(commands.started[0], (platform::ProcessSpec{xterm, QStringList(QStringLiteral("-e")) + java, src}));
    EXPECT_EQ(commands.started[1].arguments.mid(0, 3), L({"-e", "/bin/sh", "-c"}));
    EXPECT_EQ(commands.started[1].arguments.mid(4), java);
}

TEST_F(ToolCommandsTest, OutputComesFirstAndSilentToolsShowAWindowOnlyWhenForced)
{
    commands.OnCompile();
    EXPECT_EQ(commands.shown, QStringList()) << "a silent compile shows nothing";
    Src("Hello.class");
    Options("[JavaOption]\nMsg=true\n");
    commands.OnRunJava();
    EXPECT_EQ(commands.shown, QStringList(QString())) << "a captured run always shows its window";
    qputenv("TW_FAKE_STDERR", "Hello.java:3: error: ';' expected\r\n");
    qputenv("TW_FAKE_STDOUT", "note: 日本語");
    commands.OnCompile();
    EXPECT_EQ(commands.shown.last(), QStringLiteral("note: 日本語\nHello.java:3: error: ';' expected\n"));
}

TEST_F(ToolCommandsTest, MissingFilesAreReportedAndNothingRuns)
{
    const std::pair<const char*, std::function<void(CToolCommands&)>> cases[] = {
        {"Gone.java", &CToolCommands::OnCompile},       {"Hello.java", &CToolCommands::OnRunJava},
        {"Tool.jar", &CToolCommands::OnRunJava},        {"Hello.java", &CToolCommands::OnRunAppletViewer},
        {"Hello.java", &CToolCommands::OnRunBrowser},   {"Other.class", &CToolCommands::OnJavah}};
    for (const auto& [file, command] : cases) {
        main.SetFile(src + QString::fromUtf8(file));
        command(commands);
    }
    EXPECT_EQ(Messages(), (QStringList{src + QStringLiteral("Gone.javaは存在しません"), QStringLiteral("Hello.classは存在しません"),
                                       QStringLiteral("Tool.jarは存在しません"), src + QStringLiteral("Hello.htmlは存在しません"),
                                       src + QStringLiteral("Hello.htmlは存在しません"), src + QStringLiteral("Other.classは存在しません")}));
    for (const RecordedMessage& m : dialogs.messages) {
        EXPECT_EQ(m.caption, QStringLiteral("ファイルエラー"));
        EXPECT_EQ(m.icon, MsgIcon::Error);
        EXPECT_EQ(m.owner, &main.window);
    }
    EXPECT_TRUE(commands.started.empty() && commands.opened.empty());
    EXPECT_TRUE(Ran("javac").isEmpty() && Ran("java").isEmpty() && Ran("javah").isEmpty());
}

TEST_F(ToolCommandsTest, JavahAndRmicCompileAMissingClassFirst)
{
    qputenv("TW_FAKE_MAKE_CLASS", "1");
    commands.OnJavah();
    EXPECT_EQ(Ran("javac"), QStringList(src) + L({"-classpath", ".", "Hello.java"}));
    EXPECT_FALSE(Ran("javah").isEmpty());

    // A compile that makes no class file stops with the missing class.
    qunsetenv("TW_FAKE_MAKE_CLASS");
    qputenv("TW_FAKE_STDERR", "Broken.java:1: error\n");
    main.SetFile(Src("Broken.java"));
    commands.OnRmic();
    EXPECT_EQ(commands.shown, QStringList(QStringLiteral("Broken.java:1: error\n"))) << "javac's own window";
    EXPECT_EQ(Messages(), QStringList(src + QStringLiteral("Broken.classは存在しません")));
    EXPECT_TRUE(Ran("rmic").isEmpty());
}

TEST_F(ToolCommandsTest, JdkWithoutJavahMakesTheHeaderWithJavac)
{
    QFile::remove(main.jdk + QStringLiteral("javah"));
    Options("[JavahOption]\nClassPath=true\nStrClassPath=lib\nOption=true\nStrOption=-jni\n");
    main.SetFile(Src("Native Lib.java"));
    qputenv("TW_FAKE_STDOUT", "header\n");
    commands.OnJavah();
    EXPECT_EQ(Ran("javac"), QStringList(src) + L({"-h", ".", "-classpath", ".:lib", "Native Lib.java"}));
    EXPECT_EQ(commands.shown, QStringList(QStringLiteral("header\n")));
    EXPECT_EQ(Messages(), QStringList());
}

TEST_F(ToolCommandsTest, MissingToolsAreNamedWithTheJdkFolder)
{
    for (const char* tool : {"appletviewer", "rmic", "javah"})
        QFile::remove(main.jdk + QString::fromLatin1(tool));
    Src("Hello.html");
    commands.OnRunAppletViewer();
    commands.OnRmic();
    main.SetFile(Src("Hello.class"));
    commands.OnJavah();
    const QStringList messages = Messages();
    ASSERT_EQ(messages.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(messages[i].contains(L({"appletviewer", "rmic", "javah"})[i])) << messages[i].toStdString();
        EXPECT_TRUE(messages[i].contains(main.jdk));
    }
    EXPECT_TRUE(commands.started.empty() && Ran("javac").isEmpty());
}

TEST_F(ToolCommandsTest, AToolThatCannotStartIsReportedWithItsPath)
{
    main.jdk = root.Path("no jdk/");
    Src("Hello.class");
    commands.OnCompile();
    commands.OnRunJava();
    Options("[JavaOption]\nMsg=true\n");
    commands.OnRunJava();
    const QString java = root.Path("no jdk/javaを起動できません");
    EXPECT_EQ(Messages(), (QStringList{root.Path("no jdk/javacを起動できません"), java, java}));
    EXPECT_EQ(commands.shown, QStringList()) << "no empty window pretends the run happened";
}

TEST_F(ToolCommandsTest, BrowserTakesTheChosenProgramOrTheDesktopDefault)
{
    const QString page = Src("Hello.html");
    commands.OnRunBrowser();
    const QString browser = WriteScript(root, QStringLiteral("my browser"), "exit 0\n");
    Options("[AppOption]\nUseIE=true\nAppIE=" + browser.toUtf8() + "\n");
    commands.OnRunBrowser();
    commands.startSucceeds = false;
    commands.OnRunBrowser();
    QFile::remove(browser);
    main.options->Load();
    commands.OnRunBrowser();
    EXPECT_EQ(commands.opened, (QStringList{page, page})) << "a deleted browser falls back to the desktop";
    ASSERT_EQ(commands.started.size(), 2u);
    EXPECT_EQ(commands.started[0], (platform::ProcessSpec{browser, {page}, src}));
    EXPECT_EQ(Messages(), QStringList(page + QStringLiteral("を開けません")));
}

}  // namespace
