// Which JDKs get the Applet API added, and the commands' arguments for them, against fake JDKs.
#include "platform/JdkFeatures.h"
#include "platform/JdkLocator.h"
#include "platform/Paths.h"

#include "tests/commands/CommandsTestSupport.h"

using namespace platform;

namespace {

TEST(JdkFeatures, FeatureReleaseAndAppletApiFollowTheReleaseFile)
{
    const std::tuple<const char*, int, bool> cases[] = {
        // the release file (nullptr: none), feature, lacks applets
        {"JAVA_VERSION=\"1.8.0_392\"\n", 8, false}, {"IMPLEMENTOR=\"X\"\nJAVA_VERSION=\"17.0.15\"\n", 17, false},
        {"JAVA_VERSION=\"26\"\n", 26, true},        {"JAVA_VERSION=\"26-ea\"\n", 26, true},
        {"JAVA_VERSION=\"abc\"\n", 0, false},       {nullptr, 0, false},
    };
    for (const auto& [release, feature, lacksApplets] : cases) {
        TempFolder jdk;
        jdk.Write("bin/java");
        if (release)
            jdk.Write("release", release);
        const QString version = ReadJdkVersion(jdk.Path("bin/")).value_or(QString());
        EXPECT_EQ(FeatureRelease(version), feature) << (release ? release : "no file");
        EXPECT_EQ(LacksAppletApi(jdk.Path("bin/")), lacksApplets) << (release ? release : "no file");
    }
}

const QByteArray kLoggingTool = "for a; do printf '%s\\n' \"$a\"; done > \"$0.log\"\n";

class AppletCommandsTest : public CommandsTest {
protected:
    TempFolder terminalFolder;  // detached tools start in a fake terminal there
    const ScopedEnv viewerDir{"TARNWICK_APPLETVIEWER_DIR", QFile::encodeName(root.Path("viewer dir"))};

    AppletCommandsTest()
    {
        jar = root.Write("viewer dir/tarnwick-appletviewer.jar");
        commands.UseTerminal(terminalFolder);
        api = root.Write("viewer dir/applet-api.jar");
        Src("Hello.html");
        Src("Hello.java");
    }

    void MakeJdk(const QByteArray& version, bool withAppletViewer)
    {
        const QString folder = "jdk " + QString::fromLatin1(version) + "/";
        root.Write(folder + "release", "JAVA_VERSION=\"" + version + "\"\n");
        for (const char* tool : {"java", "javac", "javadoc"})
            WriteScript(root, folder + "bin/" + tool, kLoggingTool);
        if (withAppletViewer)
            WriteScript(root, folder + "bin/appletviewer", kLoggingTool);
        main.jdk = root.Path(folder + "bin/");
    }
    QStringList Logged(const QString& tool) const
    {
        return QString::fromUtf8(root.Read(main.jdk.mid(root.Path().size()) + tool + ".log"))
            .split('\n', Qt::SkipEmptyParts);
    }

    QString jar;
    QString api;
};

// javac, javadoc and the viewer get the patch on a JDK without the Applet API,
// nothing elsewhere; a JDK with appletviewer keeps it.
TEST_F(AppletCommandsTest, PatchOptionsOnlyWhereTheJdkLacksTheAppletApi)
{
    const QStringList patch{"--patch-module", "java.desktop=" + api, "--add-exports",
                            "java.desktop/java.applet=ALL-UNNAMED"};
    struct Case {
        QByteArray version;
        bool appletViewer;
        QStringList added;
    };
    const Case cases[] = {{"17.0.15", false, {}}, {"25.0.3", false, {}}, {"10.0.2", true, {}}, {"26", false, patch}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version.constData());
        MakeJdk(c.version, c.appletViewer);
        commands.started.clear();
        const QStringList compiled = c.added + QStringList{"-encoding", "UTF-8", "-classpath", ".", "Hello.java"};
        commands.OnCompile();
        EXPECT_EQ(Logged("javac"), compiled);
        commands.OnRebuild();
        EXPECT_EQ(Logged("javac"), compiled);
        const QStringList javadoc = c.added + QStringList{"-encoding", "UTF-8",  "-docencoding", "UTF-8", "-charset",
                                                          "UTF-8",     "-quiet", "-d",           "doc",   "Hello.java"};
        commands.OnMakeDocument();
        EXPECT_EQ(Logged("javadoc"), javadoc);
        commands.OnMakeAllDocuments();
        EXPECT_EQ(Logged("javadoc"), javadoc);
        commands.OnRunAppletViewer();
        ASSERT_EQ(commands.started.size(), 1);
        const QStringList viewer = c.appletViewer
                                       ? QStringList{src, main.jdk + "appletviewer", "Hello.html"}
                                       : QStringList{src, main.jdk + "java"} + c.added
                                             + QStringList{"-cp", jar, "tarnwick.appletviewer.Main", "Hello.html"};
        EXPECT_EQ(commands.started[0], viewer);
    }
    EXPECT_EQ(Messages(), QStringList());
    // The viewer has windows of its own: with no terminal it starts directly, without a console tool's message.
    commands.env.path = {};
    commands.OnRunAppletViewer();
    EXPECT_EQ(commands.started.value(1), commands.started.value(0));
    EXPECT_TRUE(Messages().isEmpty() && commands.shown.isEmpty());
    // Without the API classes nothing is added: javac's own message names the missing package.
    QFile::remove(api);
    commands.OnCompile();
    EXPECT_EQ(Logged("javac"), QStringList({"-encoding", "UTF-8", "-classpath", ".", "Hello.java"}));
}

TEST_F(AppletCommandsTest, AMissingViewerIsReportedAndNothingStarts)
{
    MakeJdk("17.0.15", false);
    QFile::remove(jar);
    commands.OnRunAppletViewer();
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages()[0].contains(jar) && Messages()[0].contains(main.jdk)) << Messages()[0].toStdString();
    EXPECT_TRUE(commands.started.isEmpty());
}

}  // namespace
