#pragma once
// What the launcher, the archive tool and the hints need from a compiled
// Java class: its qualified name, the class-file version, which entry point
// it has, its superclass and the source it was compiled from. Any bytes are
// safe to read: a truncated or hostile file is simply not a class.
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace java {

struct ClassFileInfo {
    QString name;  // qualified with dots: "a.b.Main", "Main", "a.b.Main$1"
    int majorVersion = 0;
    bool hasMain = false;  // declares public static void main(String[])
    QString superName{};   // qualified with dots; empty for java.lang.Object
    QString sourceFile{};  // "Hello.java"; empty when compiled without it (-g:none)
    // Declares what the launcher of release 25 and later starts: a main(String[]),
    // else a main(), not private; an instance main only in a class it can create
    // (not abstract, with a constructor without arguments that is not private).
    bool hasLaunchableMain = false;

    // Whether java of that feature release starts this class.
    bool LaunchableOn(int featureRelease) const;

    QString PackageName() const;  // "a.b"; empty in the unnamed package
    QString SimpleName() const;   // "Main", "Main$1"
    // The package as a relative folder with a trailing separator ("a/b/"); empty for none.
    QString PackagePath() const;
    // Where the class file belongs below its package root: "a/b/Main$1.class".
    QString FilePath() const;
};

std::optional<ClassFileInfo> ParseClassFile(QByteArrayView bytes);
// Reads the file (a class is never large; anything over 16 MiB is none).
std::optional<ClassFileInfo> ReadClassFile(const QString& path);

// The top-level classes of folder (ending in the separator) that javac made
// from the source named sourceName, those with main first, then by name.
QList<ClassFileInfo> ClassesCompiledFrom(const QString& folder, const QString& sourceName);

// Whether the class of root (a package root, ending in the separator) named
// className extends Applet or JApplet, directly or through classes of root.
bool IsAppletClass(const QString& root, const QString& className);

}  // namespace java
