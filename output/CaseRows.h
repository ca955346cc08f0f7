#pragma once
// What the results window says of one case in its row: the verdict (or that
// the case runs), its colour, the time and the first differing line.
#include "judge/CaseResult.h"

#include <QColor>

namespace output {

enum class CaseState { Idle, Waiting, Running };

// "正解", "実行中…", "実行待ち"; empty for a case not run yet.
QString VerdictText(const judge::CaseResult& result, CaseState state);
// A colour for the verdict that can be read on base; invalid for no colour.
QColor VerdictColour(judge::Verdict verdict, const QColor& base);
// "0.41 秒"; empty when the case did not run.
QString TimeText(const judge::CaseResult& result);
// "3 行目: 期待 6、出力 ７"; why a case was not run; empty when nothing differs.
QString DifferenceText(const judge::CaseResult& result);

}  // namespace output
