#pragma once
// The rules a set of cases is judged by: the time limit and the comparison.
// A teacher keeps them with the cases in "judge.ini":
//   [Judge]
//   TimeLimit=2.5
//   Compare=float:1e-6
#include "judge/Comparison.h"

namespace judge {

inline constexpr char kRulesFileName[] = "judge.ini";
inline constexpr int kDefaultTimeLimitMs = 2000;

struct JudgeRules {
    int timeLimitMs = kDefaultTimeLimitMs;  // wall time per case, the JVM's start included
    CompareRule compare;
    bool operator==(const JudgeRules&) const = default;
};

// Seconds as the user writes them ("2", "0.5"); nothing unless 0.1 to 600.
std::optional<int> ParseTimeLimit(QStringView seconds);

struct RulesFile {
    JudgeRules rules;
    QStringList problems;  // one line for each value that was not understood (and not used)
};

// rules, changed by what folder's judge.ini says; a missing file changes nothing.
RulesFile ReadRulesFile(const QString& folder, const JudgeRules& rules);

}  // namespace judge
