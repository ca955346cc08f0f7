#pragma once
// What Setting.ini keeps for case runs: the rules the user chose last, and
// the cases' folder chosen for each source.
#include "judge/JudgeRules.h"

#include <QString>

namespace cmd {

// The stored rules; the defaults for values missing or not understood.
judge::JudgeRules StoredJudgeRules();
// Writes the values of rules that differ from before, so that a rule that
// came from a judge.ini and was left alone does not become the user's own.
bool StoreJudgeRules(const judge::JudgeRules& rules, const judge::JudgeRules& before);
// Seconds as ParseTimeLimit reads them: "2", "0.5".
QString TimeLimitText(int timeLimitMs);

// The key of a source's cases' folder: its absolute path, with "%" and "="
// escaped so that every path is a key name.
QString CasesFolderKey(const QString& sourcePath);
// The folder chosen for the source, as stored (ending in "/"); empty when none.
QString RememberedCasesFolder(const QString& sourcePath);
bool RememberCasesFolder(const QString& sourcePath, const QString& folder);

}  // namespace cmd
