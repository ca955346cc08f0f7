#pragma once
// Hints under a verdict for a beginner: what most likely made the output
// differ or the program fail.
#include "judge/CaseResult.h"

#include <QStringList>

namespace judge {

// Each hint is one or two sentences in Japanese, e.g.
//  - full-width digits or spaces in the output where the expected output has ASCII;
//  - a line printed beyond the expected output (a debug line);
//  - Scanner's NoSuchElementException: 「入力が足りません」 (the program reads more than the case gives);
//  - a time limit reached after the whole input was read (it waits for input that never comes);
//  - a missing or extra line end at the end, a trailing blank (in the exact mode).
QStringList CaseHints(const CaseResult& result, QStringView expected);

// The differing characters made visible: "２" (全角), "␣" for a trailing
// blank, "　" (全角空白), "[改行なし]" for a missing final line end.
QString VisibleText(QStringView line);
// What stands for a missing final line end: "[改行なし]".
QString NoLineEndMark();

}  // namespace judge
