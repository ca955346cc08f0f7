#include "output/CaseRows.h"

#include "judge/CaseHints.h"
#include "output/ReadableColour.h"

namespace output {

namespace {

using judge::Verdict;

// Lines in a row are cut here; the panes below show them whole.
constexpr qsizetype kRowLineLength = 40;

QString RowLine(const QString& line, bool missing)
{
    if (missing)
        return QStringLiteral("（行なし）");
    QString shown = judge::VisibleText(line);
    if (shown.size() > kRowLineLength)
        shown = shown.left(kRowLineLength - 1) + QStringLiteral("…");
    return shown.isEmpty() ? QStringLiteral("（空行）") : shown;
}

bool Ran(Verdict verdict)
{
    return verdict == Verdict::Accepted || verdict == Verdict::WrongAnswer || verdict == Verdict::TimeLimit
           || verdict == Verdict::RuntimeError;
}

}  // namespace

QString VerdictText(const judge::CaseResult& result, CaseState state)
{
    if (state == CaseState::Running)
        return QStringLiteral("実行中…");
    if (state == CaseState::Waiting)
        return judge::VerdictName(Verdict::Pending);
    return result.verdict == Verdict::Pending ? QString() : judge::VerdictName(result.verdict);
}

QColor VerdictColour(Verdict verdict, const QColor& base)
{
    switch (verdict) {
    case Verdict::Accepted: return ReadableOn(base, QColor(0x1e, 0x8e, 0x3e));
    case Verdict::WrongAnswer:
    case Verdict::CompileError: return ReadableOn(base, QColor(0xd9, 0x30, 0x25));
    case Verdict::TimeLimit: return ReadableOn(base, QColor(0xb0, 0x60, 0x00));
    case Verdict::RuntimeError: return ReadableOn(base, QColor(0xa0, 0x30, 0xb0));
    case Verdict::Pending:
    case Verdict::NotRun: break;
    }
    return {};
}

QString TimeText(const judge::CaseResult& result)
{
    if (!Ran(result.verdict))
        return {};
    return QStringLiteral("%1 秒").arg(double(result.elapsedMs) / 1000.0, 0, 'f', 2);
}

QString DifferenceText(const judge::CaseResult& result)
{
    if (!result.message.isEmpty())
        return result.message;
    const judge::Difference& difference = result.difference;
    if (result.verdict != Verdict::WrongAnswer || difference.same)
        return {};
    return QStringLiteral("%1 行目: 期待 %2、出力 %3")
        .arg(difference.line)
        .arg(RowLine(difference.expectedLine, difference.expectedMissing),
             RowLine(difference.actualLine, difference.actualMissing));
}

}  // namespace output
