// The portable archive as a classroom uses it: made by cpack, unpacked, moved
// as a whole to another folder (a stick mounted elsewhere) and started there,
// offscreen and on an X server.
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString err;
};

ToolRun RunTool(const QString& program, const QStringList& arguments, const QString& folder,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(90000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The shared objects that the dynamic loader initialised (LD_DEBUG=libs).
QStringList LoadedObjects(const QString& loaderOutput)
{
    static const QRegularExpression init(QStringLiteral("calling init: (.+)$"), QRegularExpression::MultilineOption);
    QStringList objects;
    for (auto it = init.globalMatch(loaderOutput); it.hasNext();)
        objects << it.next().captured(1);
    return objects;
}

// The unpacked program's folder, moved away from where it was unpacked.
QString UnpackArchive(const TempFolder& work)
{
    const QString binary = qEnvironmentVariable("TW_BINARY_DIR");
    const ToolRun cpack =
        RunTool(TW_CPACK, {"-G", "TGZ", "-B", work.Path("out"), "--config", binary + "/CPackConfig.cmake"}, binary);
    const QStringList archives = QDir(work.Path("out")).entryList({"*.tar.gz"}, QDir::Files);
    if (cpack.exitCode != 0 || archives.size() != 1) {
        ADD_FAILURE() << "cpack: " << cpack.err.toStdString();
        return {};
    }
    QDir().mkpath(work.Path("unpacked"));
    QDir().mkpath(work.Path("stick"));
    const ToolRun tar = RunTool("tar", {"xzf", work.Path("out/") + archives[0]}, work.Path("unpacked"));
    const QString top = QDir(work.Path("unpacked")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
    const QString folder = work.Path("stick/Java 教室");
    if (tar.exitCode != 0 || top.isEmpty() || !QDir().rename(work.Path("unpacked/") + top, folder)) {
        ADD_FAILURE() << "tar: " << tar.err.toStdString();
        return {};
    }
    return folder;
}

TEST(PortableArchive, RunsFromAnyFolderOnItsOwnQtAndKeepsItsSettingsBesideIt)
{
    TempFolder work;
    const QString folder = UnpackArchive(work);
    ASSERT_FALSE(folder.isEmpty());
    for (const char* file :
         {"appletviewer/tarnwick-appletviewer.jar", "appletviewer/applet-api.jar", "help/index.html"})
        EXPECT_TRUE(QFileInfo(folder + "/" + file).size() > 0) << file;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"TARNWICK_SETTINGS_DIR", "TARNWICK_APPLETVIEWER_DIR", "DISPLAY", "WAYLAND_DISPLAY",
                             "QT_QPA_PLATFORM", "QT_PLUGIN_PATH", "LD_LIBRARY_PATH"})
        env.remove(name);
    env.insert("XDG_CONFIG_HOME", work.Path("config"));
    env.insert("TARNWICK_EXIT_AFTER_FIRST_PAINT", "1");
    env.insert("LD_DEBUG", "libs");

    QProcess xvfb;
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    const bool hasX = xvfb.waitForReadyRead(10000);
    const QString display = ":" + QString::fromUtf8(xvfb.readLine()).trimmed();
    const std::tuple<const char*, const char*, QString> platforms[] = {
        // plugin, variable, value
        {"offscreen", "QT_QPA_PLATFORM", "offscreen"},
        {"xcb", "DISPLAY", display},
    };
    for (const auto& [plugin, variable, value] : platforms) {
        if (QString(plugin) == "xcb" && !hasX)
            continue;
        QProcessEnvironment platformEnv = env;
        platformEnv.insert(variable, value);
        const ToolRun run = RunTool(folder + "/tarnwick", {}, work.Path(), platformEnv);
        EXPECT_EQ(run.exitCode, 0) << plugin << run.err.right(2000).toStdString();
        const QStringList loaded = LoadedObjects(run.err);
        EXPECT_TRUE(loaded.contains(folder + "/plugins/platforms/libq" + plugin + ".so")) << plugin;
        for (const QString& object : loaded) {
            const QString name = QFileInfo(object).fileName();
            if (name.startsWith("libQt6") || name.startsWith("libicu") || object.contains("/plugins/")) {
                EXPECT_TRUE(object.startsWith(folder + "/")) << plugin << " loaded " << object.toStdString();
            }
        }
    }
    xvfb.kill();
    xvfb.waitForFinished();
    // The first start found a JDK and stored it beside the program, not in the
    // user's configuration folder.
    QFile ini(folder + "/Setting.ini");
    EXPECT_TRUE(ini.open(QIODevice::ReadOnly) && ini.readAll().contains("[JDK]"));
    EXPECT_FALSE(QFileInfo::exists(work.Path("config/tarnwick")));
}

}  // namespace
