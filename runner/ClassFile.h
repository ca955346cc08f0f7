#pragma once
// What the launcher and the archive tool need from a compiled Java class:
// its qualified name, the class-file version and whether it has the classic
// entry point. Any bytes are safe to read: a truncated or hostile file is
// simply not a class.
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace runner {

struct ClassFileInfo {
    QString name;  // qualified with dots: "a.b.Main", "Main", "a.b.Main$1"
    int majorVersion = 0;
    bool hasMain = false;  // declares public static void main(String[])

    QString PackageName() const;  // "a.b"; empty in the unnamed package
    QString SimpleName() const;   // "Main", "Main$1"
    // The package as a relative folder with a trailing separator ("a/b/"); empty for none.
    QString PackagePath() const;
};

std::optional<ClassFileInfo> ParseClassFile(QByteArrayView bytes);
// Reads the file (a class is never large; anything over 16 MiB is none).
std::optional<ClassFileInfo> ReadClassFile(const QString& path);

}  // namespace runner
