#pragma once
// Runs a tool's request as Tarnwick does, through the kept JVM or the
// command, and keeps everything a user could tell apart: who answered, the
// exit code, each stream's text and the files the tool left.
#include "compiler/KeptCompiler.h"
#include "runner/RunningTool.h"

#include "tests/support/TempFolder.h"

#include <QDirIterator>
#include <QMap>
#include <QSignalSpy>
#include <gtest/gtest.h>

struct ToolResult {
    bool kept = false;
    runner::ToolOutcome::Status status = runner::ToolOutcome::Status::NotStarted;
    int exitCode = -1;
    QString output;
    QString error;
    QMap<QString, QByteArray> files;  // below the working folder, by relative path
};

inline QString KeptToolsJarForTests()
{
    return qEnvironmentVariable("TW_BINARY_DIR") + QStringLiteral("/appletviewer/tarnwick-tools.jar");
}

inline QMap<QString, QByteArray> FilesBelow(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(QDir(folder).relativeFilePath(path), file.readAll());
    }
    return files;
}

// Starts the request; before waiting, during calls whatever the test does
// to the run under way.
inline ToolResult RunTool(const platform::ProcessSpec& request, runner::IKeptTools* kept,
                          const std::function<void()>& during = {})
{
    runner::RunningTool tool;
    ToolResult result;
    QObject::connect(&tool, &runner::RunningTool::TextArrived, [&](const QString& text, runner::Stream stream) {
        (stream == runner::Stream::Error ? result.error : result.output) += text;
    });
    EXPECT_TRUE(tool.Start(request, false, kept));
    if (during)
        during();
    tool.WaitForEnd();
    result.kept = tool.RanKept();
    result.status = tool.Outcome().status;
    result.exitCode = tool.Outcome().exitCode;
    result.files = FilesBelow(request.workingFolder);
    return result;
}

// Prepares kept for the JDK and folder and waits until it takes requests.
inline bool WaitUntilReady(compiler::KeptCompiler& kept, const QString& jdk, const QString& folder)
{
    QSignalSpy ready(&kept, &compiler::KeptCompiler::Ready);
    kept.Prepare(jdk, folder);
    return kept.IsReady() || ready.wait(60000);
}
