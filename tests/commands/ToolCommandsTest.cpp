// The JDK tool commands against fake tools that record how they ran.
#include "platform/CommandLine.h"

#include "tests/commands/CommandsTestSupport.h"
#include "tests/support/FakeTool.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using namespace cmd;
using namespace platform;

namespace {

class ToolCommandsTest : public CommandsTest {
protected:
    ToolCommandsTest()
    {
        for (const char* tool : {"javac", "java", "javah", "rmic", "javadoc", "appletviewer"})
            WriteFakeTool(root, QString("fake jdk/bin/") + tool, FakeSteps());
        main.jdk = root.Path("fake jdk/bin/");
        qunsetenv("TW_FAKE_STDERR");
    }

    // Records how it ran, makes the classes of the sources it is given unless
    // told to fail with TW_FAKE_STDERR, and writes that to standard error.
    QStringList FakeSteps() const
    {
        return {"record:" + root.Path("fake jdk"), "unset:TW_FAKE_STDERR:classes", "env-err:TW_FAKE_STDERR"};
    }

    // {working folder, program, arguments...} of a fake tool's last run; empty when it did not run.
    QStringList Ran(const QString& tool) const
    {
        QStringList run = QString::fromUtf8(root.Read("fake jdk/" + tool)).split(QChar(0));
        run.removeLast();
        return run;
    }
};

using C = ToolCommands;
enum class Form { Captured, Forced, Detached };

// Files (into "my src/", the first current) and the run are command lines.
struct CommandCase {
    const char* name;
    void (C::*command)();
    const char* files;
    QString run;
    QByteArray ini = {};
    Form form = Form::Captured;
    const char* missingTool = "";
};

class CommandTest : public ToolCommandsTest, public ::testing::WithParamInterface<CommandCase> {};

const QStringList kUtf8{"-encoding", "UTF-8"};
const QStringList kDoc = kUtf8 + QStringList{"-docencoding", "UTF-8", "-charset", "UTF-8"};

// Captured tools run; detached ones are recorded, in a terminal.
TEST_P(CommandTest, RunsTheToolWithExactArgumentsInTheFileFolder)
{
    const CommandCase& c = GetParam();
    TempFolder bin;
    const QString terminal = WriteScript(bin, "xterm");
    commands.env.path = {bin.Path()};
    if (*c.missingTool)
        QFile::remove(main.jdk + c.missingTool + kExe);
    Options(c.ini);
    const QStringList files = platform::SplitCommandLine(c.files);
    for (const QString& file : files)
        Src(file);
    main.SetCurrentFile(src + files.front());
    (commands.*c.command)();
    EXPECT_EQ(Messages(), QStringList());
    // ASCII sources are read as UTF-8; javadoc's pages are UTF-8 whatever the sources'.
    const QStringList run =
        platform::SplitCommandLine(QString(c.run).replace(".:", QString(".") + QDir::listSeparator()));
    const QStringList told = run[0] == "javadoc" ? kDoc : run[0] == "javac" ? kUtf8 : QStringList();
    const QStringList expected = QStringList{main.jdk + run[0] + kExe} + told + run.mid(1);
    if (c.form == Form::Detached) {
        EXPECT_EQ(commands.started.value(0), QStringList({src, terminal, "-e"}) + expected);
        EXPECT_EQ(commands.startedUtf8, QList<bool>{true});
    } else {
        EXPECT_EQ(Ran(run[0]), QStringList{src} + expected);
    }
    EXPECT_EQ(commands.shown, c.form == Form::Forced ? QStringList{QString()} : QStringList())
        << "a silent tool shows a window only when the run is captured";
}

// No length limit cuts a command line.
const QString kLong = "-Akey=" + QString(3000, 'x');

const CommandCase kCommands[] = {
    {"Compile", &C::OnCompile, "\"My Hello.java\"", "javac -classpath . \"My Hello.java\""},
    {"CompileAllOptions", &C::OnCompile, "Hello.java",
     "javac -classpath .:lib/a.jar -O -nowarn -deprecation -g -Xlint:all " + kLong + " Hello.java",
     "[JavacOption]\nO=true\nNowarn=true\nDeprecation=true\nClassPath=true\nStrClassPath=lib/a.jar\nOther=true\n"
     "StrOther=-g \"-Xlint:all\" "
         + kLong.toUtf8()},
    {"Rebuild", &C::OnRebuild, "Hello.java B.java \"A b.java\" Z.JAVA c.txt -x.java",
     "javac -classpath . ./-x.java \"A b.java\" B.java Hello.java"},
    {"RebuildWithoutSources", &C::OnRebuild, "notes.txt", "javac -classpath . *.java"},
    {"RunCaptured", &C::OnRunJava, "Hello.java Hello.class", "java -classpath . Hello one \"two three\"",
     "[JavaOption]\nMsg=true\nArg=true\nStrArg=one \"two three\"\n", Form::Forced},
    {"RunJar", &C::OnRunJava, "\"-My Tool.JAR\"", "java -classpath . -Xmx64m -jar \"./-My Tool.JAR\"",
     "[JavaOption]\nMsg=true\nOption=true\nStrOption=-Xmx64m\n", Form::Forced},
    // A missing class file is compiled first.
    {"Javah", &C::OnJavah, "Hello.java", "javah -classpath .:x Hello",
     "[JavahOption]\nClassPath=true\nStrClassPath=x\n"},
    // javac makes the header when the JDK has no javah.
    {"HeaderWithoutJavah", &C::OnJavah, "\"Native Lib.java\"", "javac -h . -classpath .:lib \"Native Lib.java\"",
     "[JavahOption]\nClassPath=true\nStrClassPath=lib\nOption=true\nStrOption=-jni\n", Form::Captured, "javah"},
    {"Rmic", &C::OnRmic, "Hello.class", "rmic -classpath . -v1.2 Hello",
     "[JavaRmiOption]\nOption=true\nStrOption=-v1.2\n"},
    {"AppletViewer", &C::OnRunAppletViewer, "\"-My Applet.java\" \"-My Applet.html\"",
     "appletviewer \"./-My Applet.html\"", "", Form::Detached},
    // javadoc writes into a folder of its own.
    {"Document", &C::OnMakeDocument, "\"-My Hello.java\"", "javadoc -quiet -d doc \"./-My Hello.java\""},
    {"AllDocuments", &C::OnMakeAllDocuments, "Hello.java A.java", "javadoc -quiet -d doc A.java Hello.java"}};

INSTANTIATE_TEST_SUITE_P(Commands, CommandTest, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

// The kept console's shell passes the names on untouched, then stays.
TEST_F(ToolCommandsTest, DetachedRunsUseTheFirstTerminalThatClosesOrStaysWithAShell)
{
    TempFolder bin;
    const QString xterm = WriteScript(bin, "xterm");
    const QString standard = WriteScript(bin, "x-terminal-emulator");
    commands.env.path = {bin.Path()};
    main.SetCurrentFile(Src("$HOME `x`;\"q\".class"));
    Options("[JavaOption]\nMsg=false\n");
    commands.OnRunJava();
    commands.env.terminal = "xterm";                    // the user's own choice comes first
    Options("[JavaOption]\nShowDos=true\nMsg=true\n");  // the kept console wins over capture
    commands.OnRunJava();
    const QStringList java{main.jdk + "java", "-classpath", ".", "$HOME `x`;\"q\""};
    ASSERT_EQ(commands.started.size(), 2);
    EXPECT_EQ(commands.started[0], QStringList({src, standard, "-e"}) + java);
    EXPECT_EQ(commands.started[1].mid(0, 5), QStringList({src, xterm, "-e", "/bin/sh", "-c"}));
    QProcess console;  // what runs in the terminal
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SHELL", WriteScript(bin, "shell", "echo shell\n"));
    console.setProcessEnvironment(env);
    console.setWorkingDirectory(src);
    console.start(commands.started[1][3], commands.started[1].mid(4));
    ASSERT_TRUE(console.waitForFinished());
    EXPECT_EQ(console.readAllStandardOutput(), "shell\n");
    EXPECT_EQ(Ran("java"), QStringList{src} + java);
    EXPECT_TRUE(commands.shown.isEmpty());
}

// A message names the terminals looked for; the tool runs captured.
TEST_F(ToolCommandsTest, WithoutATerminalDetachedToolsRunCapturedAfterAMessage)
{
    qputenv("TW_FAKE_STDERR", "java says\n");
    commands.env.terminal = "my-term";
    Options("[JavaOption]\nMsg=false\n");
    main.SetCurrentFile(Src("Hello.class"));
    commands.OnRunJava();
    EXPECT_EQ(Ran("java"), QStringList({src, main.jdk + "java", "-classpath", ".", "Hello"}));
    EXPECT_EQ(commands.shown, QStringList{"java says\n"});
    EXPECT_TRUE(commands.started.isEmpty());
    ASSERT_EQ(Messages().size(), 1) << Messages().join("|").toStdString();
    const RecordedMessage& message = dialogs.messages[0];
    EXPECT_TRUE(message.text.startsWith("端末エミュレータが見つかりません")) << message.text.toStdString();
    EXPECT_TRUE(message.text.contains("my-term、x-terminal-emulator、gnome-terminal、konsole、xfce4-terminal、xterm"))
        << message.text.toStdString();
    EXPECT_EQ(message.caption, "ファイルエラー");
}

TEST_F(ToolCommandsTest, MissingFilesAreReportedAndNothingRuns)
{
    const std::pair<const char*, void (C::*)()> cases[] = {
        {"Gone.java", &C::OnCompile},          {"Hello.java", &C::OnRunJava},    {"Tool.jar", &C::OnRunJava},
        {"Hello.java", &C::OnRunAppletViewer}, {"Hello.java", &C::OnRunBrowser}, {"Other.class", &C::OnJavah}};
    for (const auto& [file, command] : cases) {
        main.SetCurrentFile(src + file);
        (commands.*command)();
    }
    EXPECT_EQ(Messages(), (QStringList{src + "Gone.javaは存在しません", "Hello.classは存在しません",
                                       "Tool.jarは存在しません", src + "Hello.htmlは存在しません",
                                       src + "Hello.htmlは存在しません", src + "Other.classは存在しません"}));
    for (const RecordedMessage& m : dialogs.messages)
        EXPECT_EQ(std::tuple(m.caption, m.icon, m.owner),
                  std::tuple(QString("ファイルエラー"), platform::MsgIcon::Error, &main.window));
    EXPECT_TRUE(commands.started.isEmpty() && commands.opened.isEmpty());
    EXPECT_TRUE(Ran("javac").isEmpty() && Ran("java").isEmpty() && Ran("javah").isEmpty());
}

// The class java runs, not the current file; a clean compile says what it compiled.
TEST_F(ToolCommandsTest, TheWindowTitleNamesTheToolAndWhatItWasGiven)
{
    Options("[JavaOption]\nMsg=true\n");
    const std::pair<const char*, void (C::*)()> runs[] = {{"Slow.java", &C::OnCompile},
                                                          {"Slow.java", &C::OnRunJava},
                                                          {"Slow.class", &C::OnJavah},
                                                          {"Tool.jar", &C::OnRunJava},
                                                          {"Slow.java", &C::OnRebuild}};
    for (const auto& [file, command] : runs) {
        main.SetCurrentFile(Src(file));
        (commands.*command)();
    }
    EXPECT_EQ(commands.titles,
              (QStringList{"javac" + kExe + " Slow.java", "java" + kExe + " Slow", "javah" + kExe + " Slow",
                           "java" + kExe + " Tool.jar", "javac" + kExe + " *.java"}));
    ASSERT_EQ(main.notices.size(), 2);
    EXPECT_TRUE(main.notices[1].startsWith("コンパイルしました: *.java（")) << main.notices[1].toStdString();
}

// Its messages stay readable in the output window, and the notice says whether it made the pages. It writes into
// "doc" when that is free or javadoc's own, or the user agrees; never through a link out of the source folder.
TEST_F(ToolCommandsTest, JavadocSaysWhetherItMadeThePagesAndWritesOnlyWhereItMay)
{
    main.SetCurrentFile(Src("Hello.java"));
    const auto document = [this] {
        QFile::remove(root.Path("fake jdk/javadoc"));
        commands.OnMakeDocument();
        return root.Exists("fake jdk/javadoc");
    };
    qputenv("TW_FAKE_STDERR", "Hello.java:2: error: ';' expected\n");
    WriteFakeTool(root, "fake jdk/bin/javadoc", FakeSteps() << "exit:1");
    EXPECT_TRUE(document());
    EXPECT_EQ(commands.shown, QStringList{"Hello.java:2: error: ';' expected\n"});
    qunsetenv("TW_FAKE_STDERR");
    WriteFakeTool(root, "fake jdk/bin/javadoc", FakeSteps());
    EXPECT_TRUE(document());
    EXPECT_EQ(main.notices, (QStringList{"ドキュメントを生成できませんでした: Hello.java（終了コード 1）",
                                         "ドキュメントの出力先: " + src + "doc/"}));

    TempFolder elsewhere;
    elsewhere.Write("index.html", "mine");
    const QString doc = src + "doc";
    QDir(doc).removeRecursively();
    ASSERT_TRUE(QFile::link(elsewhere.Path(), doc));
    EXPECT_FALSE(document()) << "a link out of the source folder";
    QFile::remove(doc);
    ASSERT_TRUE(QFile::link(elsewhere.Path("gone"), doc));
    EXPECT_FALSE(document()) << "a link to nowhere";
    const QString refusal = doc
                            + " はソースのフォルダの外（%1）へのリンクです。\nリンク先のファイルを書き換えないよう、"
                              "ドキュメントを生成しません。リンクを削除するか、名前を変えてください。";
    EXPECT_EQ(Messages(), (QStringList{refusal.arg(QFileInfo(elsewhere.Path()).canonicalFilePath()),
                                       refusal.arg("存在しない場所")}));
    EXPECT_EQ(elsewhere.Read("index.html"), "mine");
    QFile::remove(doc);

    root.Write("my src/pages/element-list");
    ASSERT_TRUE(QFile::link(src + "pages", doc));
    EXPECT_TRUE(document()) << "a link to javadoc's pages in the folder";
    QFile::remove(doc);
    root.Write("my src/doc/notes.txt");
    dialogs.messages.clear();
    dialogs.answers = {MsgAnswer::No, MsgAnswer::Yes};
    EXPECT_FALSE(document()) << "いいえ: a folder of the user's";
    EXPECT_TRUE(document()) << "はい";
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, doc
                                            + " には javadoc が作ったのではないファイルがあります。\n"
                                              "javadoc は同じ名前のファイル（index.html など）を上書きします。"
                                              "このフォルダに書き込みますか？");
    EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNoDefaultNo);
    root.Write("my src/doc/element-list");
    EXPECT_TRUE(document()) << "javadoc's own pages, no question";
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// javah and rmic would read "-J…" as an option and "@…" as a file of arguments: only class names go to them.
TEST_F(ToolCommandsTest, JavahAndRmicTakeOnlyJavaIdentifiers)
{
    for (const char* title : {"-J-javaagent:evil.jar", "@args", "my-app", "class"}) {
        main.SetCurrentFile(Src(QString(title) + ".class"));
        commands.OnJavah();
        commands.OnRmic();
        const QString refusal = QString(title)
                                + " はクラス名（Java の識別子）ではないため、%1 に渡しません。\n"
                                  "ファイル名をクラス名にしてください（文字・_・$ で始まり、文字・数字・_・$ "
                                  "が続く名前）。";
        EXPECT_EQ(Messages(), (QStringList{refusal.arg("javah" + kExe), refusal.arg("rmic" + kExe)}));
        dialogs.messages.clear();
    }
    EXPECT_TRUE(Ran("javah").isEmpty() && Ran("rmic").isEmpty() && Ran("javac").isEmpty());
}

TEST_F(ToolCommandsTest, RmicStopsWhenCompilingMakesNoClass)
{
    qputenv("TW_FAKE_STDERR", "Broken.java:1: error\n");
    main.SetCurrentFile(Src("Broken.java"));
    commands.OnRmic();
    EXPECT_EQ(Ran("javac"),
              QStringList({src, main.jdk + "javac" + kExe}) + kUtf8 + QStringList({"-classpath", ".", "Broken.java"}));
    EXPECT_EQ(commands.shown, QStringList{"Broken.java:1: error\n"});
    EXPECT_EQ(Messages(), QStringList{src + "Broken.classは存在しません"});
    EXPECT_TRUE(Ran("rmic").isEmpty());
}

TEST_F(ToolCommandsTest, MissingToolsAndFailedStartsAreReported)
{
    Src("Hello.html");
    main.SetCurrentFile(Src("Hello.class"));
    for (const auto& [tool, command] : {std::pair{"rmic", &C::OnRmic}, {"javah", &C::OnJavah}}) {
        QFile::remove(main.jdk + tool);
        (commands.*command)();
        const QString message = Messages().value(dialogs.messages.size() - 1);
        EXPECT_TRUE(message.contains(tool) && message.contains(main.jdk)) << message.toStdString();
    }
    main.jdk = root.Path("no jdk/");
    commands.OnRunJava();
    Options("[JavaOption]\nMsg=true\n");
    commands.OnRunJava();
    EXPECT_EQ(Messages().mid(2), QStringList(2, main.jdk + "javaを起動できません"));
    EXPECT_TRUE(commands.started.isEmpty() && commands.shown.isEmpty());
    EXPECT_TRUE(Ran("javac").isEmpty() && Ran("java").isEmpty());
}

TEST_F(ToolCommandsTest, BrowserTakesTheChosenProgramOrTheDesktopDefault)
{
    const QString page = Src("Hello.html");
    commands.OnRunBrowser();
    const QString browser = WriteScript(root, "my browser");
    Options("[AppOption]\nUseIE=true\nAppIE=" + browser.toUtf8());
    commands.OnRunBrowser();
    commands.startSucceeds = false;
    commands.OnRunBrowser();
    QFile::remove(browser);
    main.options.Load();
    commands.OnRunBrowser();
    EXPECT_EQ(commands.opened, (QStringList{page, page})) << "a deleted browser falls back to the desktop";
    EXPECT_EQ(commands.started, (QList<QStringList>{{src, browser, page}, {src, browser, page}}));
    EXPECT_EQ(Messages(), QStringList{page + "を開けません"});
}

}  // namespace
