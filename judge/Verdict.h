#pragma once
// What a case run came to, and its names in the user's language.
#include <QString>

namespace judge {

enum class Verdict {
    Pending,       // not run yet, or running
    Accepted,      // 正解 (AC)
    WrongAnswer,   // 不正解 (WA)
    TimeLimit,     // 時間切れ (TLE)
    RuntimeError,  // 実行時エラー (RE): an exit code other than 0, an uncaught exception, a crash
    CompileError,  // コンパイルエラー (CE): nothing ran
    NotRun,        // the case could not be run: no expected output, an unreadable file
};

// "正解", "不正解", ...; "Accepted", "Wrong answer", ... when english.
QString VerdictName(Verdict verdict, bool english = false);
// "AC", "WA", "TLE", "RE", "CE"; "-" for a case not run.
QString VerdictCode(Verdict verdict);

}  // namespace judge
