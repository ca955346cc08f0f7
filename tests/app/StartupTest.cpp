// The program started from a shell: options and a machine without a display.
#include "tests/support/QtPrinters.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun Start(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("TW_BINARY_DIR") + "/tarnwick", arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QProcessEnvironment WithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    return environment;
}

// Without a display it says so in one line. The help speaks Japanese in a Japanese locale and English elsewhere (the
// manual page is made from it in the C locale).
TEST(Startup, WithoutADisplayItSaysSoButHelpAndVersionNeedNone)
{
    const ProgramRun run = Start({}, WithoutDisplay());
    EXPECT_TRUE(run.exitCode == 2 && run.err.count('\n') == 1 && run.err.startsWith("tarnwick: "))
        << run.err.toStdString();
    const ProgramRun version = Start({"--version"}, WithoutDisplay());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Tarnwick 1.12\n");
    const std::pair<QStringList, const char*> cases[] = {{{"LANG=ja_JP.UTF-8"}, "使い方: tarnwick"},
                                                         {{"LC_ALL=ja_JP.UTF-8", "LANG=C"}, "使い方: tarnwick"},
                                                         {{"LC_ALL=C.UTF-8"}, "Usage: tarnwick"},
                                                         {{"LANG=en_US.UTF-8"}, "Usage: tarnwick"}};
    for (const auto& [locale, usage] : cases) {
        QProcessEnvironment environment = WithoutDisplay();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(name);
        for (const QString& variable : locale)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        const ProgramRun help = Start({"--help"}, environment);
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith(QString::fromUtf8(usage))) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains("--version") && help.out.contains("--judge"));
    }
}

}  // namespace
