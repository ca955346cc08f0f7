// Time from the applet-viewer command to the applet's first paint, against
// the floor: a plain java program that opens an AWT Frame of the same size
// and paints once (JVM and AWT start-up). Both end in their first paint;
// runs alternate in one process and the medians are compared.
//   xvfb-run -a -s "-screen 0 1024x768x24" appletviewer_bench [rounds]
// TARNWICK_APPLETVIEWER_DIR picks another build of the viewer, to compare two.
// Also measured: the viewer on a JDK taken to lack the Applet API (the API
// classes patched into java.desktop).
#include "bench/BenchContext.h"
#include "commands/ToolCommands.h"
#include "generators/HtmlGenerator.h"
#include "platform/JdkLocator.h"
#include "settings/OptionModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace cmd;
using namespace gen;
using namespace platform;
using namespace settings;

namespace {

const char kApplet[] = "import java.awt.*;\n"
                       "public class Bench extends java.applet.Applet {\n"
                       "  public void init() { setBackground(Color.orange); add(new Button(\"OK\")); }\n"
                       "  public void paint(Graphics g) {\n"
                       "    g.drawString(\"painted\", 10, 60); System.out.println(\"painted\"); System.exit(0);\n"
                       "  }\n"
                       "}\n";
const char kFloor[] = "import java.awt.*;\n"
                      "public class Floor extends Frame {\n"
                      "  public void paint(Graphics g) {\n"
                      "    g.drawString(\"painted\", 10, 60); System.out.println(\"painted\"); System.exit(0);\n"
                      "  }\n"
                      "  public static void main(String[] a) {\n"
                      "    Floor f = new Floor(); f.setTitle(\"Floor\"); f.setSize(400, 321); f.setVisible(true);\n"
                      "  }\n"
                      "}\n";

// The command's program, captured instead of started in a terminal.
class CapturingCommands : public ToolCommands {
public:
    using ToolCommands::ToolCommands;
    platform::ProcessSpec started;

protected:
    bool StartProgram(const platform::ProcessSpec& request) override
    {
        started = request;
        return true;
    }
    platform::DesktopEnvironment Environment() const override { return {}; }
};

int failures = 0;

// Counts a run that ended without painting (it would look fast).
void Run(const platform::ProcessSpec& request)
{
    QProcess process;
    process.setWorkingDirectory(request.workingFolder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(request.program, request.arguments);
    process.waitForFinished(60000);
    if (!process.readAllStandardOutput().contains("painted"))
        ++failures;
}

double ViewerRound(BenchContext& context)
{
    QElapsedTimer timer;
    timer.start();
    CapturingCommands commands(context);
    commands.OnRunAppletViewer();
    Run(commands.started);
    return timer.nsecsElapsed() / 1e6;
}

double FloorRound(const platform::ProcessSpec& floor)
{
    QElapsedTimer timer;
    timer.start();
    Run(floor);
    return timer.nsecsElapsed() / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Print(const char* name, const std::vector<double>& values, double floor)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("%-26s median %7.1f ms  (min %7.1f, max %7.1f)  %5.2f x floor\n", name, Median(values), *low, *high,
                Median(values) / floor);
}

bool CompileJava(const QString& jdk, const QString& folder, const QStringList& arguments)
{
    QProcess javac;
    javac.setWorkingDirectory(folder);
    javac.start(jdk + "javac", arguments);
    return javac.waitForFinished(120000) && javac.exitCode() == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const std::optional<QString> jdk = platform::FindJdk();
    if (!jdk || qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "needs a JDK and a display (run under xvfb-run)\n");
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("TARNWICK_APPLETVIEWER_DIR"))  // set: another build of the viewer
        qputenv("TARNWICK_APPLETVIEWER_DIR", TW_APPLETVIEWER_DIR);
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(folder + name);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    HtmlChoices page{"Bench", "Bench", 400, 300, true, {}};
    write("Bench.java", kApplet);
    write("Bench.html", GenerateHtmlPage(page).toUtf8());
    write("Floor.java", kFloor);
    if (!CompileJava(*jdk, folder, {"-nowarn", "Bench.java", "Floor.java"})) {
        std::fprintf(stderr, "javac failed\n");
        return 1;
    }
    // The same JDK taken for one without the Applet API (its release file says 26).
    QDir().mkpath(folder + "jdk26/bin");
    QFile release(folder + "jdk26/release");
    if (release.open(QIODevice::WriteOnly))
        release.write("JAVA_VERSION=\"26\"\n");
    release.close();
    for (const char* tool : {"java", "javac"})
        QFile::link(*jdk + tool, folder + "jdk26/bin/" + tool);

    BenchContext viewer;
    viewer.jdk = *jdk;
    viewer.file = {"Bench.java", "Bench", folder, "java"};
    BenchContext patched;
    patched.jdk = folder + "jdk26/bin/";
    patched.file = viewer.file;
    const platform::ProcessSpec floor{*jdk + "java", {"-cp", ".", "Floor"}, folder};

    FloorRound(floor);  // warm the file cache
    ViewerRound(viewer);
    ViewerRound(patched);
    std::vector<double> floors, viewers, patchedViewers;
    for (int i = 0; i < rounds; ++i) {
        floors.push_back(FloorRound(floor));
        viewers.push_back(ViewerRound(viewer));
        patchedViewers.push_back(ViewerRound(patched));
    }
    const double base = Median(floors);
    std::printf("JDK %s, %d rounds alternated\n", qPrintable(*jdk), rounds);
    Print("floor (Frame, one paint)", floors, base);
    Print("viewer", viewers, base);
    Print("viewer, API patched in", patchedViewers, base);
    std::printf("target: viewer <= 1.25 x floor; runs that did not paint: %d\n", failures);
    return 0;
}
