#pragma once
// "tarnwick --judge FILE.java": the program's cases judged without a window,
// one line per case and a summary on standard output, javac's messages and
// problems on standard error. Qt Core only, so it needs no display.
#include "judge/CaseFinder.h"
#include "judge/CaseResult.h"
#include "judge/Comparison.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace cmd {

inline constexpr char kJudgeOption[] = "--judge";

struct JudgeRequest {
    QString source;       // as given
    QString casesFolder;  // --cases; empty: found beside the source
    std::optional<int> timeLimitMs;
    std::optional<judge::CompareRule> compare;
};

// The program's arguments (without its name), --judge among them. The
// message names what is wrong when they cannot be used.
struct JudgeArguments {
    std::optional<JudgeRequest> request;
    QString error;
};
JudgeArguments ParseJudgeArguments(const QStringList& arguments, bool english);

// "sample-1  正解  0.41 秒"; a wrong answer adds where the output first
// differs: "  3 行目: 期待 6、出力 ７".
QString CaseLine(const judge::TestCase& testCase, const judge::CaseResult& result, bool english);

// The exit codes: every case passed, a case did not, nothing could be judged.
enum JudgeExit { kAllPassed = 0, kSomeFailed = 1, kCannotJudge = 2 };

// Compiles and runs the cases; returns a JudgeExit, or 128 + the signal that
// ended it early (every run is ended first). Needs a QCoreApplication.
int RunHeadlessJudge(const JudgeRequest& request, bool english, QTextStream& out, QTextStream& err);

}  // namespace cmd
