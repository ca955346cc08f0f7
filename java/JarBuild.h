#pragma once
// Building an executable Java archive with the JDK's archive tool: the names
// derived from the listed files, and the run itself (manifest, process).
#include "java/ClassFile.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace runner {
class RunningTool;
}

namespace java {

// The listed files in list order: sorted ignoring case, duplicates kept.
QStringList SortedJarEntries(const QStringList& files);

// What each listed class file declares, by path; a file that is no readable
// class is absent.
using ClassInfos = QHash<QString, java::ClassFileInfo>;
ClassInfos ReadClassInfos(const QStringList& files);

struct JarEntry {
    QString folder;  // the package root it is taken from ("-C"); empty: name is as listed
    QString name;    // relative to the base folder where inside it, else the full path
};

struct JarPlan {
    QString baseFolder;    // folder of the first entry (or its package root), ending in the separator
    QString mainName;      // main file relative to the base folder, without extension
    QString manifestText;  // "Main-Class: <class>" and CR LF: the qualified name, else the main name
    QList<JarEntry> entries;
    QStringList misplaced;  // class files outside their package's folders: no place in the archive fits
    // Arguments of the archive tool for a given manifest path; names that
    // begin like an option or an argument file get "./" in front.
    QStringList Arguments(const QString& manifestPath) const;
};

// files: the list in list order (not empty); mainFile: the chosen entry.
// A main class of a package that lies in its package's folders moves the
// base folder up to the package root. Every class file is packed under its
// qualified name's path, taken from its package root wherever it lies, so
// that classes from several folders load from the archive.
JarPlan PlanJar(const QStringList& files, const QString& mainFile, const ClassInfos& classes = {});

// Why java of that feature release could not run the planned archive, for
// the user: a misplaced class, or a main file without a main it starts.
// Empty when nothing is known to stop it.
QString UnrunnableReason(const JarPlan& plan, const QString& mainFile, const ClassInfos& classes, int featureRelease);

// The entry the main list starts with: a class file with a main method that
// java of that feature release starts, preferably the one named title.class,
// never a nested class (a "$" in its name); else the first class file that is
// not nested; else the first entry.
QString DefaultMainFile(const QStringList& files, const QString& title, const ClassInfos& classes, int featureRelease);

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

}  // namespace java
