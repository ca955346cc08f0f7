// The applet viewer for real, through the commands, on a virtual display: its
// test mode prints the life-cycle calls and saves each window as a PNG.
#include "generators/AppletGenerator.h"
#include "generators/HtmlGenerator.h"
#include "platform/JdkLocator.h"

#include "tests/commands/CommandsTestSupport.h"
#include "tests/support/Gallery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <array>

using namespace gen;
using namespace platform;

namespace {

constexpr int kViewerTimeoutMs = 90000;

struct Viewed {
    QStringList lines;  // the test mode's report, one line each
    QString errors;     // standard error
    int exitCode = -1;
    bool Has(const QString& line) const { return lines.contains(line); }
};

// The found JDK, Temurin 25 when installed, and the found one as a JDK 26 without the Applet API.
enum class Jdk { Found, Temurin25, WithoutApplets };

class ViewerTest : public CommandsTest, public ::testing::WithParamInterface<Jdk> {
protected:
    TempFolder terminalFolder;  // detached tools start in a fake terminal there
    const ScopedEnv viewerDir{"TARNWICK_APPLETVIEWER_DIR", TW_APPLETVIEWER_DIR};

    void SetUp() override
    {
        const std::optional<QString> found = FindJdk();
        if (!found)
            GTEST_SKIP() << "no JDK installed";
        if (qEnvironmentVariableIsEmpty("DISPLAY") && QStandardPaths::findExecutable("xvfb-run").isEmpty())
            GTEST_SKIP() << "no display and no xvfb-run";
        main.jdk = *found;
        if (GetParam() == Jdk::Temurin25) {
            main.jdk = "/usr/lib/jvm/temurin-25-jdk-amd64/bin/";
            if (!QFile::exists(main.jdk + "java"))
                GTEST_SKIP() << "no JDK 25 installed";
        } else if (GetParam() == Jdk::WithoutApplets) {
            root.Write("jdk 26/release", "JAVA_VERSION=\"26\"\n");
            QDir().mkpath(root.Path("jdk 26/bin"));
            for (const char* tool : {"java", "javac", "javadoc"})
                QFile::link(*found + tool, root.Path("jdk 26/bin/") + tool);
            main.jdk = root.Path("jdk 26/bin/");
        }
        if (QFile::exists(main.jdk + "appletviewer"))
            GTEST_SKIP() << "this JDK still has appletviewer";
        commands.UseTerminal(terminalFolder);
    }

    void Write(const QString& name, const QString& text) { root.Write("my src/" + name, text.toUtf8()); }
    // Copies applets of tests/appletviewer/applets into "my src/".
    void Copy(std::initializer_list<const char*> names)
    {
        for (const QString name : names) {
            QFile file(Applet(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            root.Write("my src/" + name, file.readAll());
        }
    }
    static QString Applet(const QString& name)
    {
        return qEnvironmentVariable("TW_SOURCE_DIR") + "/tests/appletviewer/applets/" + name;
    }

    // Compiles every source of the folder with the rebuild command.
    void Rebuild()
    {
        commands.OnRebuild();
        for (const QString& output : commands.shown)
            EXPECT_FALSE(output.contains("error")) << output.toStdString();
        commands.shown.clear();
    }

    // The applet-viewer command on page.html, its program run in the test mode.
    Viewed View(const QString& page, int timeoutMs = kViewerTimeoutMs)
    {
        main.SetCurrentFile(src + page + ".java");
        commands.started.clear();
        commands.OnRunAppletViewer();
        EXPECT_EQ(Messages(), QStringList());
        if (commands.started.size() != 1)
            return {};
        QStringList run = commands.started[0];
        const QString folder = run.takeFirst();
        run.insert(1, "-Dtarnwick.appletviewer.report=" + root.Path("report"));
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            // Tests side by side look for a free display from different numbers.
            const QString first = QString::number(100 + QCoreApplication::applicationPid() % 900);
            run = QStringList{"xvfb-run", "-a", "-n", first, "-s", "-screen 0 1024x768x24"} + run;
        }
        QProcess process;
        process.setWorkingDirectory(folder);
        const QString program = run.takeFirst();
        process.start(program, run);
        Viewed viewed;
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "the viewer did not end";
        }
        viewed.lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        viewed.errors = QString::fromUtf8(process.readAllStandardError());
        viewed.exitCode = process.exitCode();
        EXPECT_FALSE(viewed.lines.isEmpty()) << "no report: " << viewed.errors.toStdString();
        return viewed;
    }

    // The window saved by the test mode: applet index and class.
    QImage Snapshot(int index, const QString& className) const
    {
        return QImage(root.Path(QString("report/%1-%2.png").arg(index).arg(className)));
    }
};

// A short silent sound: a RIFF WAVE header (PCM, mono, 8000 Hz, 8 bits) and 800 samples.
const QByteArray kWave = "RIFF" + QByteArray::fromHex("44030000") + "WAVEfmt "
                         + QByteArray::fromHex("1000000001000100401f0000401f000001000800") + "data"
                         + QByteArray::fromHex("20030000") + QByteArray(800, char(0x80));

QStringList LifeCycle(const QString& className)
{
    return QStringList{"init", "start", "stop", "start", "stop", "destroy"}.replaceInStrings(QRegularExpression("$"),
                                                                                             " " + className);
}

// The lines of dark red text in the top rows of a snapshot, and whether any touches a side.
std::pair<int, bool> RedLines(const QImage& shot, int rows)
{
    int lines = 0;
    bool atSides = false;
    bool inLine = false;
    for (int y = 0; y < std::min(rows, shot.height()); ++y) {
        bool red = false;
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.red() > c.green() + 60 && c.red() > c.blue() + 60) {
                red = true;
                atSides = atSides || x < 4 || x >= shot.width() - 4;
            }
        }
        lines += red && !inLine;
        inLine = red;
    }
    return {lines, atSides};
}

QStringList WithoutSnapshotsAndStatus(QStringList lines)
{
    lines.removeIf(
        [](const QString& line) { return QRegularExpression("^(snapshot |status|title )").match(line).hasMatch(); });
    return lines;
}

// Generated applets and pages: the page's size and the chosen background. Beside it, an applet with
// every component, listeners, double buffering and a background, whose paint needs what init made.
TEST_P(ViewerTest, GeneratedAppletAndPageAreShown)
{
    AppletChoices applet{.fileName = "Hello.java",
                         .className = "Hello",
                         .importAwtEvent = true,
                         .actionListener = true,
                         .itemListener = true,
                         .components = {ComponentKind::Button, ComponentKind::TextField, ComponentKind::Label,
                                        ComponentKind::Choice, ComponentKind::CheckBox},
                         .background = true,
                         .backgroundColor = {255, 224, 160},
                         .comments = true};
    Write("Hello.java", GenerateAppletSource(applet));
    applet.fileName = "Buffered.java";
    applet.className = "Buffered";
    applet.keyListener = applet.mouseListener = applet.mouseMotionListener = applet.doubleBuffering = true;
    applet.components << ComponentKind::List << ComponentKind::RadioGroup << ComponentKind::Button;
    Write("Buffered.java", GenerateAppletSource(applet));
    // Two generated pages in one file: the viewer opens every APPLET tag.
    const QString page = GenerateHtmlPage({"Hello", "Hello", 400, 300, true, {HtmlParam{"speed", "10"}}})
                         + GenerateHtmlPage({"Buffered", "Buffered", 400, 300, false, {}});
    Write("Hello.html", page);
    main.SetCurrentFile(src + "Hello.java");
    Rebuild();
    ASSERT_TRUE(root.Exists("my src/Hello.class") && root.Exists("my src/Buffered.class"));

    const Viewed viewed = View("Hello");
    const QStringList calls = WithoutSnapshotsAndStatus(viewed.lines);
    for (const char* name : {"Hello", "Buffered"})
        EXPECT_EQ(calls.filter(name), LifeCycle(name)) << viewed.errors.toStdString();
    EXPECT_EQ(calls.last(), "exit");
    EXPECT_EQ(viewed.exitCode, 0);
    EXPECT_TRUE(viewed.Has("title Hello"));
    const QImage shot = Snapshot(0, "Hello");
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.width(), 400);
    EXPECT_GT(shot.height(), 300);
    EXPECT_EQ(shot.pixelColor(390, 290), QColor(255, 224, 160)) << "the applet's background in its corner";
    if (GetParam() == Jdk::Found) {
        SaveToGallery(shot, "appletviewer_generated");
        SaveToGallery(Snapshot(1, "Buffered"), "appletviewer_double_buffered");
    }

    // javadoc of the source into doc/, with the API patched in where the JDK lacks it.
    commands.OnMakeDocument();
    EXPECT_EQ(main.notices.value(main.notices.size() - 1), "ドキュメントの出力先: " + src + "doc/")
        << commands.shown.join("").toStdString();
    EXPECT_TRUE(root.Exists("my src/doc/Hello.html"));
    EXPECT_EQ(root.Read("my src/Hello.html"), page.toUtf8()) << "the applet page of the same name stays";
}

// Every PARAM reaches getParameter, names without regard to case; the stub and context answer.
TEST_P(ViewerTest, ParametersAndStubReachTheApplet)
{
    Copy({"Params.java"});
    Write("Params.html",
          GenerateHtmlPage({"Params",
                            "Params",
                            300,
                            200,
                            false,
                            {HtmlParam{"speed", "10"}, HtmlParam{"Title Text", "a \"quoted\" <b> & c"}}}));
    QImage picture(17, 9, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(src + "pic.png"));
    root.Write("my src/beep.wav", kWave);
    Rebuild();

    const Viewed viewed = View("Params");
    const QString api = GetParam() == Jdk::WithoutApplets ? "patched" : "jdk";
    for (const QString& said :
         QStringList{"speed=10", "SPEED=10", "title text=a \"quoted\" <b> & c", "code=Params.class", "none=null",
                     "active in init=false", "document=true", "code base=true", "api=" + api,
                     "active in start=true applets=1", "image=17x9", "sound=true"})
        EXPECT_TRUE(viewed.Has("status Params " + said)) << said.toStdString() << "\n"
                                                         << viewed.lines.join('\n').toStdString();
    EXPECT_TRUE(viewed.lines.filter("showDocument file:").size() == 1) << viewed.lines.join('\n').toStdString();
    EXPECT_TRUE(viewed.lines.contains("snapshot " + root.Path("report/0-Params.png") + " 200x"
                                      + QString::number(Snapshot(0, "Params").height())))
        << "appletResize resized the window: " << viewed.lines.join('\n').toStdString();
}

// An applet of a package, its page beside the source as the HTML command writes it: loaded by its qualified name from
// the package root.
TEST_P(ViewerTest, AppletOfAPackageRunsFromThePageBesideItsSource)
{
    if (GetParam() != Jdk::Found)
        GTEST_SKIP() << "loading does not depend on the JDK";
    AppletChoices applet;
    applet.fileName = "PA.java";
    applet.className = "PA";
    Write("com/ex/PA.java", "package com.ex;\r\n" + GenerateAppletSource(applet));
    HtmlChoices page{"PA", "com.ex.PA", 200, 100, false, {}};
    page.codeBase = PackageRootCodeBase("com.ex");
    Write("com/ex/PA.html", GenerateHtmlPage(page));
    main.SetCurrentFile(src + "com/ex/PA.java");
    commands.OnCompile();
    ASSERT_TRUE(root.Exists("my src/com/ex/PA.class")) << commands.shown.join("").toStdString();
    const Viewed viewed = View("com/ex/PA");
    EXPECT_EQ(WithoutSnapshotsAndStatus(viewed.lines), LifeCycle("com.ex.PA") << "exit") << viewed.errors.toStdString();
}

// init's and paint's exceptions show in the status line and print their traces; a failed init gets no
// start; the windows still close. An applet is painted only once its slow init has returned. Beside
// them, a class found only in an archive of its CODEBASE.
TEST_P(ViewerTest, ExceptionsAreShownAndClassesComeFromTheArchivesOfTheCodeBase)
{
    Copy({"Boom.java", "Paint.java", "Archived.java", "Slow.java"});
    Write("Boom.html", "<applet code=Boom width=300 height=100></applet><applet code=Paint width=90 height=50></applet>"
                       "<applet code=Archived codebase=\"lib\" archive=\"none.jar, app.jar\" width=90 height=40>"
                       "</applet><applet code=Slow width=120 height=80></applet>\n");
    Rebuild();
    QDir().mkpath(src + "lib");
    QProcess jar;
    jar.setWorkingDirectory(src);
    jar.start(QFileInfo(QFileInfo(main.jdk + "javac").canonicalFilePath()).path() + "/jar",
              {"cf", "lib/app.jar", "Archived.class"});
    ASSERT_TRUE(jar.waitForFinished(60000) && jar.exitCode() == 0);
    ASSERT_TRUE(QFile::remove(src + "Archived.class"));
    const Viewed viewed = View("Boom");
    EXPECT_FALSE(viewed.lines.filter(QRegularExpression("^status Archived code base .*/lib/$")).isEmpty())
        << viewed.lines.join('\n').toStdString();
    EXPECT_EQ(WithoutSnapshotsAndStatus(viewed.lines).filter("Archived"), LifeCycle("Archived"));
    const QString initError = "exception Boom init java.lang.IllegalStateException: boom";
    EXPECT_EQ(WithoutSnapshotsAndStatus(viewed.lines).filter("Boom"),
              (QStringList{"init Boom", initError, "destroy Boom"}))
        << "no start after a failed init:\n"
        << viewed.lines.join('\n').toStdString();
    EXPECT_TRUE(
        viewed.Has("statusline Boom アプレットの init で例外が発生しました: java.lang.IllegalStateException: boom"))
        << viewed.lines.join('\n').toStdString();
    EXPECT_TRUE(viewed.errors.contains("at Boom.init(Boom.java:2)")) << viewed.errors.toStdString();
    EXPECT_FALSE(viewed.lines
                     .filter(QRegularExpression("^exception Paint AWT-EventQueue-\\d+ "
                                                "java.lang.ArithmeticException: paint$"))
                     .isEmpty())
        << "an exception on the event thread: " << viewed.lines.join('\n').toStdString();
    EXPECT_TRUE(viewed.errors.contains("at Paint.paint(Paint.java:2)")) << viewed.errors.toStdString();
    EXPECT_TRUE(viewed.Has("destroy Paint") && viewed.lines.last() == "exit");
    EXPECT_FALSE(Snapshot(0, "Boom").isNull());
    EXPECT_EQ(WithoutSnapshotsAndStatus(viewed.lines).filter("Slow"), LifeCycle("Slow"))
        << "painted before init returned:\n"
        << viewed.lines.join('\n').toStdString();
    EXPECT_TRUE(viewed.Has("status Slow buffer 120x80")) << "init has its size and a peer";
    EXPECT_EQ(Snapshot(3, "Slow").pixelColor(60, 40), QColor(Qt::green));
}

// Applets stuck in start or init still close in bounded time; an interrupted start gets stop and destroy.
TEST_P(ViewerTest, StuckAppletsStillClose)
{
    if (GetParam() != Jdk::Found)
        GTEST_SKIP() << "closing does not depend on the JDK";
    Copy({"Spin.java", "Hang.java"});
    Write("Stuck.html",
          "<applet code=Spin width=100 height=60></applet><applet code=Hang width=100 height=60></applet>");
    Rebuild();
    const Viewed viewed = View("Stuck", 30000);
    const QStringList calls = WithoutSnapshotsAndStatus(viewed.lines);
    EXPECT_EQ(calls.filter("Spin"),
              (QStringList{"init Spin", "start Spin", "interrupt Spin", "stop Spin", "destroy Spin"}))
        << viewed.lines.join('\n').toStdString();
    EXPECT_EQ(calls.filter("Hang"), (QStringList{"init Hang", "interrupt Hang"}));
    EXPECT_EQ(calls.last(), "exit");
    EXPECT_EQ(viewed.exitCode, 0);
}

// One Swing: a window each, one context, one exit.
TEST_P(ViewerTest, TwoAppletsOfOnePageSeeEachOther)
{
    Copy({"First.java", "Second.java"});
    Write("Two.html", "<html><body>\n<applet code=\"First.class\" width=120 height=80 name=first></applet>\n"
                      "<APPLET CODE='Second.class' WIDTH=150 HEIGHT=90><param name=x value=1></APPLET>\n"
                      "</body></html>\n");
    Rebuild();
    const Viewed viewed = View("Two");
    EXPECT_TRUE(viewed.Has("status Second found First of 2, content true")) << viewed.lines.join('\n').toStdString();
    EXPECT_TRUE(viewed.Has("destroy First") && viewed.Has("destroy Second"));
    EXPECT_EQ(viewed.lines.filter("exit").size(), 1);
    EXPECT_EQ(viewed.lines.last(), "exit");
    EXPECT_EQ(Snapshot(0, "First").size(), QSize(120, Snapshot(0, "First").height()));
    EXPECT_EQ(Snapshot(0, "First").pixelColor(60, 40), QColor(Qt::red));
    EXPECT_EQ(Snapshot(1, "Second").width(), 150);
    EXPECT_EQ(Snapshot(1, "Second").pixelColor(75, 70), QColor(0, 128, 255)) << "the Swing applet's content pane";
}

TEST_P(ViewerTest, UnusablePagesGiveOneClearMessage)
{
    Write("NotApplet.java", "public class NotApplet { }\n");
    Write("Newer.java", "public class Newer extends java.applet.Applet { }\n");
    Rebuild();
    // A class file of a release no JDK reads yet, as if compiled by a newer JDK.
    QFile newer(src + "Newer.class");
    ASSERT_TRUE(newer.open(QIODevice::ReadWrite) && newer.seek(6) && newer.write("\x00\xff", 2) == 2);
    newer.close();
    const std::tuple<const char*, const char*, QString, int> cases[] = {
        {"Missing", "<applet code=Nope.class width=400 height=300></applet>", "クラス Nope が見つかりません", 0},
        {"Plain", "<applet code=NotApplet width=100 height=50></applet>", "クラス NotApplet はアプレットではありません",
         0},
        {"Newer", "<applet code=Newer width=100 height=50></applet>",
         "クラス Newer はこのJDKより新しいJDKでコンパイルされています", 0},
        {"Empty", "<html><body>no applet here</body></html>", "Empty.html にAPPLETタグがありません", 1},
    };
    for (const auto& [page, html, message, exitCode] : cases) {
        SCOPED_TRACE(page);
        Write(QString(page) + ".html", html);
        const Viewed viewed = View(page);
        ASSERT_FALSE(viewed.lines.isEmpty());
        EXPECT_TRUE(viewed.lines.first().startsWith("error " + message)) << viewed.lines.first().toStdString();
        EXPECT_TRUE(viewed.errors.startsWith(message)) << viewed.errors.toStdString();
        EXPECT_FALSE(viewed.errors.contains("\tat ")) << viewed.errors.toStdString();
        EXPECT_EQ(viewed.exitCode, exitCode);
    }
    // The long message wraps within the applet's 400 pixels.
    const QImage missing = Snapshot(0, "Nope");
    EXPECT_EQ(missing.width(), 400);
    const auto [lines, atSides] = RedLines(missing, 300);
    EXPECT_GE(lines, 2);
    EXPECT_FALSE(atSides) << "the message is cut at a side";
    if (GetParam() == Jdk::Found)
        SaveToGallery(missing, "appletviewer_class_not_found");
}

// A loopback server's applet (its init leaves a file) is refused with one message; the server is never asked.
TEST_P(ViewerTest, CodeFromTheNetworkIsNotRun)
{
    if (GetParam() != Jdk::Found)
        GTEST_SKIP() << "refused before any JDK-specific step";
    Copy({"Remote.java"});
    Rebuild();
    QDir().mkpath(root.Path("served"));
    ASSERT_TRUE(QFile::rename(src + "Remote.class", root.Path("served/Remote.class")));
    QProcess jar;
    jar.setWorkingDirectory(root.Path("served"));
    jar.start(QFileInfo(QFileInfo(main.jdk + "javac").canonicalFilePath()).path() + "/jar",
              {"cf", "Remote.jar", "Remote.class"});
    ASSERT_TRUE(jar.waitForFinished(60000) && jar.exitCode() == 0);
    QProcess server;
    server.start(main.jdk + "java", {Applet("Serve.java"), root.Path("served")});
    ASSERT_TRUE(server.waitForReadyRead(60000));
    const QString web = "http://127.0.0.1:" + QString(server.readLine()).trimmed().section(' ', 1) + "/";
    const QString cases[][2] = {
        {"codebase=" + web + " archive=none.jar", web},
        {"archive=\"" + web + "Remote.jar\"", web + "Remote.jar"},
    };
    for (const auto& [attributes, address] : cases) {
        Write("Remote.html", "<applet code=Remote " + attributes + " width=100 height=50></applet>\n");
        const Viewed viewed = View("Remote");
        EXPECT_EQ(viewed.lines.value(0).section("。", 0, 0), "error " + address + " はローカルのファイルではありません")
            << viewed.lines.join('\n').toStdString();
        EXPECT_EQ(viewed.exitCode, 1);
    }
    server.kill();
    server.waitForFinished();
    EXPECT_EQ(QString(server.readAll()), "") << "requests reached the server";
    EXPECT_FALSE(root.Exists("my src/ran")) << "the remote applet ran";
}

INSTANTIATE_TEST_SUITE_P(Jdks, ViewerTest, ::testing::Values(Jdk::Found, Jdk::Temurin25, Jdk::WithoutApplets),
                         [](const auto& info) {
                             return (std::array{"Found", "Temurin25", "WithoutApplets"})[int(info.param)];
                         });

}  // namespace
