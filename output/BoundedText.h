#pragma once
// A part of a long text that a window can show at once: its first lines and
// the lines around one line of interest, each line cut at a length, with a
// notice line where lines were left out. Qt Core only.
#include <QList>
#include <QString>
#include <QStringView>

namespace output {

struct ExcerptLimits {
    int headLines = 2000;           // shown from the start
    int aroundLines = 50;           // shown before and after the line of interest
    int lineLength = 2000;          // characters of one line
    qsizetype headChars = 1 << 20;  // the first lines end here, if not before
};

struct TextExcerpt {
    QString text;                 // the shown lines, each ending in LF but the last when the text's last has no end
    QList<int> notices;           // the blocks (from 0) that say what was left out
    int focusBlock = -1;          // the block of the line of interest; -1 when none or beyond the text
    bool cut = false;             // lines or characters were left out
    bool missingLineEnd = false;  // the text's last line is shown and has no line end
};

// focusLine counts from 1; 0 for none. CR LF counts as a line end.
TextExcerpt Excerpt(QStringView text, int focusLine, const ExcerptLimits& limits = {});

// The differing part of two lines: what lies between their common start and
// their common end. Full-width and ASCII digits differ.
struct CharRange {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const CharRange&) const = default;
};
std::pair<CharRange, CharRange> DifferingParts(QStringView expected, QStringView actual);

}  // namespace output
