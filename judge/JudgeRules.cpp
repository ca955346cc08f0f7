#include "judge/JudgeRules.h"

#include "platform/FileContent.h"
#include "settings/IniDocument.h"

#include <QFileInfo>
#include <QLocale>

#include <cmath>

namespace judge {

namespace {

const QString kSection = QStringLiteral("Judge");

QString Problem(const QString& key, const QString& value)
{
    return QStringLiteral("%1 の %2=%3 は読めないので使いません").arg(QLatin1String(kRulesFileName), key, value);
}

}  // namespace

std::optional<int> ParseTimeLimit(QStringView seconds)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(seconds.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || value < 0.1 || value > 600)
        return std::nullopt;
    return int(std::lround(value * 1000));
}

RulesFile ReadRulesFile(const QString& folder, const JudgeRules& rules)
{
    RulesFile result{rules, {}};
    const QString path =
        folder + (folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + QLatin1String(kRulesFileName);
    if (!QFileInfo::exists(path))
        return result;
    const std::optional<QByteArray> bytes = platform::ReadWholeFile(path);
    if (!bytes) {
        result.problems.append(QStringLiteral("%1 を読めません").arg(QLatin1String(kRulesFileName)));
        return result;
    }
    const settings::IniDocument ini = settings::IniDocument::FromBytes(*bytes);
    if (const auto value = ini.Value(kSection, QStringLiteral("TimeLimit"))) {
        if (const auto limit = ParseTimeLimit(*value))
            result.rules.timeLimitMs = *limit;
        else
            result.problems.append(Problem(QStringLiteral("TimeLimit"), *value));
    }
    if (const auto value = ini.Value(kSection, QStringLiteral("Compare"))) {
        if (const auto compare = ParseCompareRule(*value))
            result.rules.compare = *compare;
        else
            result.problems.append(Problem(QStringLiteral("Compare"), *value));
    }
    return result;
}

}  // namespace judge
