#pragma once
// How a program's output is compared with the expected output, and where the
// two first differ.
#include <QString>
#include <QStringList>

#include <optional>

namespace judge {

struct CompareRule {
    enum class Mode {
        Lines,  // CR LF equals LF; blanks and TABs at a line's end and empty lines at the end do not count
        Exact,  // byte for byte, after decoding (CR LF still equals LF)
        Float,  // as Lines, but numbers within the tolerance (absolute or relative) are equal
    };
    Mode mode = Mode::Lines;
    double tolerance = 1e-6;
    bool operator==(const CompareRule&) const = default;
};

// "lines", "exact", "float" (tolerance 1e-6) or "float:1e-9"; letter case
// does not count. Nothing for any other text or a tolerance that is not a
// finite number >= 0.
std::optional<CompareRule> ParseCompareRule(QStringView text);
// The form ParseCompareRule reads: "lines", "exact", "float:1e-06".
QString CompareRuleText(const CompareRule& rule);
// The rule for the user: 「行末の空白と最後の空行を無視」 and the like; in
// English when english.
QString DescribeCompareRule(const CompareRule& rule, bool english = false);

// Where expected and actual first differ. Lines and columns count from 1.
struct Difference {
    bool same = true;
    int line = 0;                  // the first line that differs; 0 when same
    int column = 0;                // the first character of that line that differs (in either text);
                                   // in the numeric mode, where the differing number begins in the output
    QString expectedLine;          // that line of each text, without its line end;
    QString actualLine;            // empty when the text has no such line
    bool expectedMissing = false;  // the expected output ended before this line
    bool actualMissing = false;    // the program's output ended before this line
};

Difference Compare(QStringView expected, QStringView actual, const CompareRule& rule);

// The text's lines without their ends (CR LF or LF); a last line without an
// end is a line, an empty text has none.
QStringList SplitLines(QStringView text);

}  // namespace judge
