#include "runner/LearnerHints.h"

namespace runner {

namespace {

const QString kPrefix = QStringLiteral("ヒント: ");

template <class Input, class Rule>
QString FirstHint(const QList<HintRule>& rules, const Input& input, const HintContext& context, Rule HintRule::*member)
{
    for (const HintRule& rule : rules) {
        if (rule.*member == nullptr)
            continue;
        if (const QString hint = (rule.*member)(input, context); !hint.isEmpty())
            return kPrefix + hint;
    }
    return {};
}

}  // namespace

QList<HintRule> LearnerHintRules() { return {}; }

QString HintFor(const QList<HintRule>& rules, const JavacMessage& message, const HintContext& context)
{
    return FirstHint(rules, message, context, &HintRule::message);
}

QString HintFor(const QList<HintRule>& rules, QStringView line, const HintContext& context)
{
    return FirstHint(rules, line, context, &HintRule::line);
}

}  // namespace runner
