#include "judge/Comparison.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace judge {

namespace {

bool IsBlank(QChar c)
{
    // U+3000 is not a blank here: a full-width space is a difference the user must see.
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView TrimEnd(QStringView line)
{
    qsizetype end = line.size();
    while (end > 0 && IsBlank(line[end - 1]))
        --end;
    return line.first(end);
}

// Lines as a mode compares them: trimmed at the end and without empty lines
// at the end, except in the exact mode.
QList<QStringView> ComparedLines(const QStringList& lines, CompareRule::Mode mode)
{
    QList<QStringView> result;
    result.reserve(lines.size());
    for (const QString& line : lines)
        result.append(mode == CompareRule::Mode::Exact ? QStringView(line) : TrimEnd(line));
    if (mode != CompareRule::Mode::Exact) {
        while (!result.isEmpty() && result.last().isEmpty())
            result.removeLast();
    }
    return result;
}

int FirstDifferentColumn(QStringView expected, QStringView actual)
{
    const qsizetype common = std::min(expected.size(), actual.size());
    qsizetype at = 0;
    while (at < common && expected[at] == actual[at])
        ++at;
    return int(at) + 1;
}

struct Token {
    QStringView text;
    qsizetype start = 0;
};

QList<Token> Tokens(QStringView line)
{
    QList<Token> tokens;
    qsizetype at = 0;
    while (at < line.size()) {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        const qsizetype start = at;
        while (at < line.size() && !IsBlank(line[at]))
            ++at;
        if (at > start)
            tokens.append({line.sliced(start, at - start), start});
    }
    return tokens;
}

// A decimal number as programs print them: digits, a point, an exponent.
std::optional<double> Number(QStringView token)
{
    for (const QChar c : token) {
        if (!(c.isDigit() && c.unicode() < 0x80) && !QStringView(u"+-.eE").contains(c))
            return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(token, &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

bool Near(double expected, double actual, double tolerance)
{
    const double difference = std::abs(expected - actual);
    // A little slack, so that 1.000001 against 1 is within 1e-6 although
    // neither is exact in binary.
    const double slack = 1 + 1e-9;
    return difference <= tolerance * slack || difference <= tolerance * std::abs(expected) * slack;
}

// The column of the first token that differs beyond the tolerance, or 0.
int FirstDifferentNumber(QStringView expected, QStringView actual, double tolerance)
{
    const QList<Token> want = Tokens(expected);
    const QList<Token> got = Tokens(actual);
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
        if (i >= want.size() || i >= got.size())
            return int(i < got.size() ? got[i].start : actual.size()) + 1;
        if (want[i].text == got[i].text)
            continue;
        const auto a = Number(want[i].text);
        const auto b = Number(got[i].text);
        if (!a || !b || !Near(*a, *b, tolerance))
            return int(got[i].start) + 1;
    }
    return 0;
}

bool EndsWithLineEnd(QStringView text) { return text.endsWith(QLatin1Char('\n')); }

Difference DifferenceAt(const QStringList& expected, const QStringList& actual, int index, int column)
{
    Difference difference;
    difference.same = false;
    difference.line = index + 1;
    difference.column = column;
    difference.expectedMissing = index >= expected.size();
    difference.actualMissing = index >= actual.size();
    if (!difference.expectedMissing)
        difference.expectedLine = expected[index];
    if (!difference.actualMissing)
        difference.actualLine = actual[index];
    return difference;
}

}  // namespace

std::optional<CompareRule> ParseCompareRule(QStringView text)
{
    const QString lower = text.trimmed().toString().toLower();
    if (lower == QLatin1String("lines"))
        return CompareRule{CompareRule::Mode::Lines};
    if (lower == QLatin1String("exact"))
        return CompareRule{CompareRule::Mode::Exact};
    if (lower == QLatin1String("float"))
        return CompareRule{CompareRule::Mode::Float};
    if (!lower.startsWith(QLatin1String("float:")))
        return std::nullopt;
    bool ok = false;
    const double tolerance = QLocale::c().toDouble(QStringView(lower).sliced(6).trimmed(), &ok);
    if (!ok || !std::isfinite(tolerance) || tolerance < 0)
        return std::nullopt;
    return CompareRule{CompareRule::Mode::Float, tolerance};
}

QString CompareRuleText(const CompareRule& rule)
{
    switch (rule.mode) {
    case CompareRule::Mode::Lines: return QStringLiteral("lines");
    case CompareRule::Mode::Exact: return QStringLiteral("exact");
    case CompareRule::Mode::Float: return QStringLiteral("float:") + QString::number(rule.tolerance);
    }
    return {};
}

QString DescribeCompareRule(const CompareRule& rule, bool english)
{
    switch (rule.mode) {
    case CompareRule::Mode::Lines:
        return english ? QStringLiteral("Blanks at line ends and empty lines at the end ignored")
                       : QStringLiteral("行末の空白と最後の空行を無視");
    case CompareRule::Mode::Exact:
        return english ? QStringLiteral("Exact (CR LF equals LF)") : QStringLiteral("完全一致 (CR LF は LF と同じ)");
    case CompareRule::Mode::Float:
        return english ? QStringLiteral("Numbers within %1 (absolute or relative)").arg(rule.tolerance)
                       : QStringLiteral("数値は誤差 %1 まで同じ (絶対または相対)").arg(rule.tolerance);
    }
    return {};
}

QStringList SplitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        else if (end > start && text[end - 1] == QLatin1Char('\r'))
            --end;
        lines.append(text.sliced(start, end - start).toString());
        start = next;
    }
    return lines;
}

Difference Compare(QStringView expected, QStringView actual, const CompareRule& rule)
{
    const QStringList expectedLines = SplitLines(expected);
    const QStringList actualLines = SplitLines(actual);
    const QList<QStringView> want = ComparedLines(expectedLines, rule.mode);
    const QList<QStringView> got = ComparedLines(actualLines, rule.mode);
    const qsizetype count = std::max(want.size(), got.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (i >= want.size() || i >= got.size())
            return DifferenceAt(expectedLines, actualLines, int(i), 1);
        if (want[i] == got[i])
            continue;
        if (rule.mode != CompareRule::Mode::Float)
            return DifferenceAt(expectedLines, actualLines, int(i), FirstDifferentColumn(want[i], got[i]));
        if (const int column = FirstDifferentNumber(want[i], got[i], rule.tolerance); column > 0)
            return DifferenceAt(expectedLines, actualLines, int(i), column);
    }
    // The exact mode also tells a missing final line end.
    if (rule.mode == CompareRule::Mode::Exact && count > 0 && EndsWithLineEnd(expected) != EndsWithLineEnd(actual))
        return DifferenceAt(expectedLines, actualLines, int(count - 1), int(want.last().size()) + 1);
    return {};
}

}  // namespace judge
