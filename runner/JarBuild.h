#pragma once
// Building an executable Java archive with the JDK's archive tool: the names
// derived from the listed files, and the run itself (manifest, process).
#include <QString>
#include <QStringList>

#include <functional>

namespace runner {
class RunningTool;
}

// The listed files in list order: sorted ignoring case, duplicates kept.
QStringList SortedJarEntries(const QStringList& files);

struct JarPlan {
    QString baseFolder;    // folder of the first entry, ending in the separator
    QString mainName;      // main file relative to the base folder, without extension
    QString manifestText;  // "Main-Class: <main name>" and CR LF
    QStringList entries;   // relative to the base folder where inside it
    // Arguments of the archive tool for a given manifest path; names that
    // begin like an option or an argument file get "./" in front.
    QStringList Arguments(const QString& manifestPath) const;
};

// files: the list in list order (not empty); mainFile: the chosen entry.
JarPlan PlanJar(const QStringList& files, const QString& mainFile);

struct JarOutcome {
    enum class Status { Built, ToolFailed, NotStarted, NoManifest };
    Status status = Status::NotStarted;
    // Built and ToolFailed: what the tool wrote, as it arrived.
    // NotStarted and NoManifest: the message for the user.
    QString messages;
    bool Succeeded() const { return status == Status::Built; }
};

// Writes the manifest into a fresh temporary file, runs the archive tool in
// the base folder and waits for it (in follow, when given, which returns
// when the run has ended); the manifest is removed afterwards. jdkFolder
// ends in the separator.
JarOutcome RunJarBuild(const JarPlan& plan, const QString& jdkFolder,
                       const std::function<void(runner::RunningTool&)>& follow = {});
