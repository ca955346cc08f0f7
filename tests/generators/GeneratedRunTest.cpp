// Generated programs run as a user runs them, on a virtual display: what an applet paints, the window that a class's
// main shows and whether closing it ends the program.
#include "generators/AppletGenerator.h"
#include "generators/ClassGenerator.h"
#include "platform/TextCodec.h"
#include "tests/generators/Javac.h"
#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QStandardPaths>

using namespace gen;

namespace {

class GeneratedRun : public ::testing::Test {
protected:
    QString jdk;
    TempFolder folder;
    QStringList sources;

    void SetUp() override
    {
        const QStringList jdks = InstalledJdks();
        if (jdks.isEmpty())
            GTEST_SKIP() << "no JDK found";
        if (qEnvironmentVariableIsEmpty("DISPLAY") && QStandardPaths::findExecutable("xvfb-run").isEmpty())
            GTEST_SKIP() << "no display and no xvfb-run";
        jdk = jdks.front();
    }

    template <class Choices>
    void Add(Choices c, QString (*generate)(const Choices&))
    {
        c.fileName = c.className + ".java";
        sources << folder.Write("src/" + c.fileName, platform::EncodeFileText(generate(c)));
    }

    void Compile()
    {
        const ToolRun javac = Javac(jdk, QStringList{"-encoding", "UTF-8", "-d", folder.Path("classes")} + sources);
        ASSERT_EQ(javac.exitCode, 0) << javac.output.toStdString();
    }

    // RunGenerated.java in the given mode on the compiled classes.
    ToolRun Run(const QString& mode, const QStringList& classes)
    {
        QStringList run = {jdk + "java", qEnvironmentVariable("TW_SOURCE_DIR") + "/tests/generators/RunGenerated.java",
                           mode, folder.Path("classes")};
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            // Tests side by side look for a free display from different numbers.
            const QString first = QString::number(100 + QCoreApplication::applicationPid() % 900);
            run = QStringList{"xvfb-run", "-a", "-n", first, "-s", "-screen 0 1024x768x24"} + run;
        }
        const QString program = run.takeFirst();
        return RunProgram(program, run + classes, 120 * 1000);
    }
};

// The off-screen image takes the applet's background when it is made: the colour comes first.
TEST_F(GeneratedRun, AppletsPaintTheirBackgroundWithAndWithoutDoubleBuffering)
{
    for (const bool buffered : {false, true}) {
        AppletChoices c;
        c.className = buffered ? "Buffered" : "Direct";
        c.doubleBuffering = buffered;
        c.background = true;
        c.backgroundColor = {255, 0, 0};
        Add(c, GenerateAppletSource);
    }
    Compile();
    const ToolRun run = Run("paint", {"Direct", "Buffered"});
    EXPECT_EQ(run.output, "ff0000\nff0000\n");
}

// A panel's main shows it in a frame, and closing the frame ends the program, also with a thread running.
TEST_F(GeneratedRun, PanelsMainShowsAFrameThatEndsTheProgram)
{
    for (const bool runnable : {false, true}) {
        ClassChoices c;
        c.className = runnable ? "Running" : "Still";
        c.superclass = SuperclassKind::JPanel;
        c.interfaces[RunnableIf] = runnable;
        c.withMain = true;
        Add(c, GenerateClassSource);
    }
    Compile();
    for (const char* name : {"Still", "Running"}) {
        const ToolRun run = Run("main", {name});
        EXPECT_EQ(run.output, "window JFrame holds the class: true\n") << name;
        EXPECT_EQ(run.exitCode, 0) << name;
    }
}

}  // namespace
