#pragma once
// Runs a real JDK's tools on generated sources.
#include "tests/support/InstalledJdks.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

struct ToolRun {
    int exitCode = -1;
    QString output;  // standard output and error, merged
};

inline ToolRun RunProgram(const QString& program, const QStringList& arguments, int timeoutMs = 850 * 1000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(timeoutMs)) << process.errorString().toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

// javac of the JDK, in English whatever the locale.
inline ToolRun Javac(const QString& jdk, const QStringList& arguments)
{
    return RunProgram(jdk + "javac", QStringList{"-J-Duser.language=en"} + arguments);
}
