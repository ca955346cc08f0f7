#pragma once
// Whether javadoc may write its pages into the "doc" folder beside the
// sources: javadoc replaces index.html, stylesheet.css and some twenty more
// files there without asking.
#include <QString>

namespace cmd {

struct DocumentFolder {
    enum class Kind {
        Free,         // missing, empty, javadoc's own or no folder (javadoc says so itself)
        Foreign,      // a folder that javadoc did not make
        LinkOutside,  // a link to a place outside the source folder, or to none
    };
    Kind kind = Kind::Free;
    QString path;    // the folder, as javadoc is told it
    QString target;  // where a link leads; empty when nowhere
};

// The "doc" folder of folder (which ends in "/").
DocumentFolder InspectDocumentFolder(const QString& folder);

}  // namespace cmd
