#include "judge/CaseHints.h"

#include <algorithm>

namespace judge {

namespace {

constexpr char16_t kFullWidthSpace = 0x3000;

// Full-width forms of ASCII letters, digits and signs (０, Ａ, ＋ ...).
bool IsFullWidthAscii(QChar c) { return c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E; }

bool HasFullWidthAscii(QStringView text) { return std::any_of(text.begin(), text.end(), IsFullWidthAscii); }

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

qsizetype TrailingBlanks(QStringView line)
{
    qsizetype count = 0;
    while (count < line.size() && IsBlank(line[line.size() - 1 - count]))
        ++count;
    return count;
}

// Lines that count in the default comparison: without empty lines at the end.
qsizetype CountedLines(QStringView text)
{
    QStringList lines = SplitLines(text);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines.size();
}

void AddOutputHints(const CaseResult& result, QStringView expected, QStringList& hints)
{
    const Difference& difference = result.difference;
    if (HasFullWidthAscii(result.output) && !HasFullWidthAscii(expected))
        hints.append(QStringLiteral("全角の数字や英字 (２ など) を出力しています。半角 (2) で出力してください。"));
    if (result.output.contains(kFullWidthSpace) && !expected.contains(kFullWidthSpace))
        hints.append(QStringLiteral("全角の空白を出力しています。半角の空白にしてください。"));
    if (difference.expectedMissing) {
        const qsizetype extra = CountedLines(result.output) - CountedLines(expected);
        hints.append(QStringLiteral("期待される出力のあとに %1 行多く出力しています。"
                                    "デバッグ用の出力を消し忘れていませんか。")
                         .arg(std::max<qsizetype>(extra, 1)));
    }
    if (!difference.expectedMissing && !difference.actualMissing) {
        const QStringView actual = difference.actualLine;
        if (TrailingBlanks(actual) > 0 && actual.chopped(TrailingBlanks(actual)) == difference.expectedLine)
            hints.append(QStringLiteral("%1 行目の終わりに余分な空白があります。").arg(difference.line));
    }
    // Equal lines that still differ: only the final line end is left (the exact mode).
    if (difference.line > 0 && !difference.expectedMissing && !difference.actualMissing
        && difference.expectedLine == difference.actualLine) {
        if (expected.endsWith(QLatin1Char('\n')) && !result.output.endsWith(QLatin1Char('\n')))
            hints.append(QStringLiteral("最後の行に改行がありません。println で出力してください。"));
        else if (!expected.endsWith(QLatin1Char('\n')) && result.output.endsWith(QLatin1Char('\n')))
            hints.append(QStringLiteral("最後に余分な改行があります。"));
    }
}

}  // namespace

QStringList CaseHints(const CaseResult& result, QStringView expected)
{
    QStringList hints;
    switch (result.verdict) {
    case Verdict::WrongAnswer: AddOutputHints(result, expected, hints); break;
    case Verdict::RuntimeError:
        if (result.error.contains(QLatin1String("java.util.NoSuchElementException")))
            hints.append(QStringLiteral("入力が足りません。プログラムがケースの入力より多く読もうとしています。"
                                        "読む回数や、入力の終わりの判定を確かめてください。"));
        break;
    case Verdict::TimeLimit:
        if (result.inputExhausted)
            hints.append(QStringLiteral("入力をすべて読んだあとも終わりません。来ない入力を待っているか、"
                                        "入力の終わりを正しく判定できていない可能性があります。"));
        break;
    default: break;
    }
    return hints;
}

QString VisibleText(QStringView line)
{
    const qsizetype trailing = TrailingBlanks(line);
    QString visible;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (i >= line.size() - trailing) {
            visible += c == QLatin1Char('\t') ? QStringLiteral("⇥") : QStringLiteral("␣");
        } else if (c == kFullWidthSpace) {
            visible += QStringLiteral("[全角空白]");
        } else if (IsFullWidthAscii(c)) {
            // A run of full-width characters is marked once, after its end.
            visible += c;
            if (i + 1 == line.size() || !IsFullWidthAscii(line[i + 1]))
                visible += QStringLiteral("(全角)");
        } else {
            visible += c;
        }
    }
    return visible;
}

QString NoLineEndMark() { return QStringLiteral("[改行なし]"); }

}  // namespace judge
