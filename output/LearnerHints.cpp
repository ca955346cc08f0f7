#include "output/LearnerHints.h"

#include <algorithm>

namespace output {

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

int JavacMessage::Column() const
{
    if (caretColumn < 0)
        return 0;
    const QStringView before = QStringView(sourceLine).left(caretColumn);
    return static_cast<int>(before.size()
                            - std::count_if(before.begin(), before.end(), [](QChar c) { return c.isLowSurrogate(); }))
           + 1;
}

QList<HintRule> LearnerHintRules() { return JavacHintRules() + EncodingHintRules() + LauncherHintRules(); }

QString HintFor(const QList<HintRule>& rules, const JavacMessage& message, const HintContext& context)
{
    return FirstHint(rules, message, context, &HintRule::message);
}

QString HintFor(const QList<HintRule>& rules, QStringView line, const HintContext& context)
{
    return FirstHint(rules, line, context, &HintRule::line);
}

}  // namespace output
