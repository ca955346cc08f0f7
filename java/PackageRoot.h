#pragma once
// Where the tools work on a Java file of a package: javac and java run in the
// package root (the folder above the package's folders), take the file by its
// path below the root and the class by its qualified name. A file of the
// unnamed package, or one whose folder does not match its package, stays in
// its own folder under its own name.
#include "java/CurrentFile.h"

#include <QByteArrayView>
#include <QString>

namespace java {

struct JavaTarget {
    QString folder;          // the working folder, ending in the separator
    QString file;            // the current file relative to it: "a/b/Main.java", "Main.java"
    QString className;       // what java runs: "a.b.Main", else the file's title
    QString classFile;       // relative to the folder: "a/b/Main.class"
    QString package;         // declared by the source or the class; empty for none
    bool misplaced = false;  // a package whose folders the file does not lie in

    // The file's folder below the root: "a/b/", or empty.
    QString PackagePath() const;
};

// The name after "package" at the start of a Java source (comments,
// annotations and a byte-order mark skipped); empty when it declares none.
QString DeclaredPackage(QByteArrayView source);

// Reads the source's package or the class file's name; other files, and
// files that cannot be read, stay as they are.
JavaTarget ResolveJavaTarget(const java::CurrentFile& file);

// The message for a misplaced file: its package and the folder it belongs in.
QString MisplacedMessage(const java::CurrentFile& file, const JavaTarget& target);

}  // namespace java
