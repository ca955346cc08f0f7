#pragma once
// Runs the applet viewer for real through the commands, on a virtual display where there is none: its test mode
// prints the life-cycle calls and saves each window as a PNG.
#include "platform/JdkLocator.h"

#include "tests/commands/CommandsTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

constexpr int kViewerTimeoutMs = 90000;

struct Viewed {
    QStringList lines;  // the test mode's report, one line each
    QStringList calls;  // its life-cycle lines: no snapshots, status or title
    QString errors;     // standard error
    int exitCode = -1;
    bool Has(const QString& line) const { return lines.contains(line); }
    bool Matches(const QString& pattern) const { return !lines.filter(QRegularExpression(pattern)).isEmpty(); }
    std::string Trace() const { return (lines.join('\n') + "\n" + errors).toStdString(); }
};

// The found JDK, Temurin 25 when installed, and the found one as a JDK 26 without the Applet API.
enum class Jdk { Found, Temurin25, WithoutApplets };

class ViewerTest : public CommandsTest, public ::testing::WithParamInterface<Jdk> {
protected:
    TempFolder terminalFolder;  // detached tools start in a fake terminal there
    const ScopedEnv viewerDir{"TARNWICK_APPLETVIEWER_DIR", TW_APPLETVIEWER_DIR};

    void SetUp() override
    {
        const std::optional<QString> found = platform::FindJdk();
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
        viewed.calls = viewed.lines;
        viewed.calls.removeIf([](const QString& line) {
            return QRegularExpression("^(snapshot |status|title )").match(line).hasMatch();
        });
        viewed.errors = QString::fromUtf8(process.readAllStandardError());
        viewed.exitCode = process.exitCode();
        EXPECT_FALSE(viewed.lines.isEmpty()) << "no report: " << viewed.errors.toStdString();
        return viewed;
    }

    // Packs one class with the JDK's jar (the fake JDK has none of its own).
    bool Jar(const QString& folder, const QString& archive, const QString& entry) const
    {
        QProcess jar;
        jar.setWorkingDirectory(folder);
        jar.start(QFileInfo(QFileInfo(main.jdk + "javac").canonicalFilePath()).path() + "/jar", {"cf", archive, entry});
        return jar.waitForFinished(60000) && jar.exitCode() == 0;
    }

    // The window saved by the test mode: applet index and class.
    QImage Snapshot(int index, const QString& className) const
    {
        return QImage(root.Path(QString("report/%1-%2.png").arg(index).arg(className)));
    }
};
