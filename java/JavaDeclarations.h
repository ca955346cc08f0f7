#pragma once
// The types that Java sources declare, read from their text without a
// compiler: enough to tell a learner's own class from one of the JDK's, and
// to count the public types of a file.
#include <QList>
#include <QString>
#include <QStringView>

namespace java {

struct TypeDeclaration {
    QString name;
    bool isPublic = false;
    bool topLevel = false;  // not inside another type
    bool operator==(const TypeDeclaration&) const = default;
};

// The classes, interfaces, enums and records of source in their order;
// comments and string and character literals are skipped.
QList<TypeDeclaration> DeclaredTypes(QStringView source);

// A source file's text in its own encoding (its first MiB); empty when it
// cannot be read.
QString ReadJavaSource(const QString& path);

// Whether folder (ending in the separator) holds name.java or name.class,
// or a source there declares a type of that name.
bool FolderHasType(const QString& folder, const QString& name);

}  // namespace java
