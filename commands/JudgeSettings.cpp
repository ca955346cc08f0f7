#include "commands/JudgeSettings.h"

#include "settings/SettingFile.h"

namespace cmd {

namespace ini = settings::ini;

judge::JudgeRules StoredJudgeRules()
{
    const settings::SettingFile file;
    judge::JudgeRules rules;
    const QString seconds = file.ReadString(ini::Judge::TimeLimit, {});
    if (const std::optional<int> limit = judge::ParseTimeLimit(seconds))
        rules.timeLimitMs = *limit;
    if (const std::optional<judge::CompareRule> compare =
            judge::ParseCompareRule(file.ReadString(ini::Judge::Compare, {})))
        rules.compare = *compare;
    return rules;
}

bool StoreJudgeRules(const judge::JudgeRules& rules, const judge::JudgeRules& before)
{
    QList<settings::SettingValue> values;
    if (rules.timeLimitMs != before.timeLimitMs)
        values.append({ini::Judge::TimeLimit, TimeLimitText(rules.timeLimitMs)});
    if (!(rules.compare == before.compare))
        values.append({ini::Judge::Compare, judge::CompareRuleText(rules.compare)});
    return values.isEmpty() || settings::SettingFile().WriteValues(values);
}

QString TimeLimitText(int timeLimitMs) { return QString::number(timeLimitMs / 1000.0, 'g', 6); }

QString CasesFolderKey(const QString& sourcePath)
{
    QString key = sourcePath;
    key.replace(QLatin1Char('%'), QLatin1String("%25"));
    key.replace(QLatin1Char('='), QLatin1String("%3D"));
    return key;
}

QString RememberedCasesFolder(const QString& sourcePath)
{
    return settings::SettingFile().ReadString(ini::JudgeCases::Section, CasesFolderKey(sourcePath), {});
}

bool RememberCasesFolder(const QString& sourcePath, const QString& folder)
{
    return settings::SettingFile().WriteString(ini::JudgeCases::Section, CasesFolderKey(sourcePath), folder);
}

}  // namespace cmd
