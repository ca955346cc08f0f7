#pragma once
// The Java file that every command works on, by its parts.
#include <QString>

namespace java {

struct CurrentFile {
    QString fileName;   // Hello.java
    QString title;      // Hello
    QString folder;     // ends in the separator
    QString extension;  // lower case, no dot
    bool IsEmpty() const { return fileName.isEmpty(); }
};

}  // namespace java
