// The applet viewer with generated and hand-written applets, on each kind of JDK.
#include "generators/AppletGenerator.h"
#include "generators/HtmlGenerator.h"
#include "tests/appletviewer/ViewerFixture.h"
#include "tests/support/Gallery.h"

#include <array>

using namespace gen;

namespace {

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
    SCOPED_TRACE(viewed.Trace());
    for (const char* name : {"Hello", "Buffered"})
        EXPECT_EQ(viewed.calls.filter(name), LifeCycle(name));
    EXPECT_EQ(viewed.calls.last(), "exit");
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
    SCOPED_TRACE(viewed.Trace());
    const QString api = GetParam() == Jdk::WithoutApplets ? "patched" : "jdk";
    for (const QString& said :
         QStringList{"speed=10", "SPEED=10", "title text=a \"quoted\" <b> & c", "code=Params.class", "none=null",
                     "active in init=false", "document=true", "code base=true", "api=" + api,
                     "active in start=true applets=1", "image=17x9", "sound=true"})
        EXPECT_TRUE(viewed.Has("status Params " + said)) << said.toStdString();
    EXPECT_TRUE(viewed.lines.filter("showDocument file:").size() == 1);
    EXPECT_TRUE(viewed.lines.contains("snapshot " + root.Path("report/0-Params.png") + " 200x"
                                      + QString::number(Snapshot(0, "Params").height())))
        << "appletResize resized the window";
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
    EXPECT_EQ(viewed.calls, LifeCycle("com.ex.PA") << "exit") << viewed.Trace();
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
    ASSERT_TRUE(Jar(src, "lib/app.jar", "Archived.class"));
    ASSERT_TRUE(QFile::remove(src + "Archived.class"));
    const Viewed viewed = View("Boom");
    SCOPED_TRACE(viewed.Trace());
    EXPECT_TRUE(viewed.Matches("^status Archived code base .*/lib/$"));
    EXPECT_EQ(viewed.calls.filter("Archived"), LifeCycle("Archived"));
    EXPECT_EQ(viewed.calls.filter("Boom"),
              (QStringList{"init Boom", "exception Boom init java.lang.IllegalStateException: boom", "destroy Boom"}))
        << "no start after a failed init";
    EXPECT_TRUE(
        viewed.Has("statusline Boom アプレットの init で例外が発生しました: java.lang.IllegalStateException: boom"));
    EXPECT_TRUE(viewed.Matches("^exception Paint AWT-EventQueue-\\d+ java.lang.ArithmeticException: paint$"))
        << "an exception on the event thread";
    for (const char* at : {"at Boom.init(Boom.java:2)", "at Paint.paint(Paint.java:2)"})
        EXPECT_TRUE(viewed.errors.contains(at)) << at;
    EXPECT_TRUE(viewed.Has("destroy Paint") && viewed.lines.last() == "exit");
    EXPECT_FALSE(Snapshot(0, "Boom").isNull());
    EXPECT_EQ(viewed.calls.filter("Slow"), LifeCycle("Slow")) << "painted before init returned";
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
    SCOPED_TRACE(viewed.Trace());
    EXPECT_EQ(viewed.calls.filter("Spin"),
              (QStringList{"init Spin", "start Spin", "interrupt Spin", "stop Spin", "destroy Spin"}));
    EXPECT_EQ(viewed.calls.filter("Hang"), (QStringList{"init Hang", "interrupt Hang"}));
    EXPECT_EQ(viewed.calls.last(), "exit");
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
    SCOPED_TRACE(viewed.Trace());
    EXPECT_TRUE(viewed.Has("status Second found First of 2, content true"));
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
        SCOPED_TRACE(viewed.Trace());
        EXPECT_TRUE(viewed.lines.value(0).startsWith("error " + message));
        EXPECT_TRUE(viewed.errors.startsWith(message) && !viewed.errors.contains("\tat "));
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
    ASSERT_TRUE(Jar(root.Path("served"), "Remote.jar", "Remote.class"));
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
            << viewed.Trace();
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
