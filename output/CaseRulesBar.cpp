#include "output/CaseRulesBar.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>

namespace output {

namespace {

using Mode = judge::CompareRule::Mode;

// The limits ParseTimeLimit accepts, in seconds.
constexpr double kShortestLimit = 0.1;
constexpr double kLongestLimit = 600;

QLabel* Caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QString ToleranceText(double tolerance) { return QString::number(tolerance, 'g', 6); }

}  // namespace

CaseRulesBar::CaseRulesBar(const judge::JudgeRules& rules, QWidget* parent)
    : QWidget(parent)
    , m_rules(rules)
    , m_timeLimit(new QDoubleSpinBox)
    , m_mode(new QComboBox)
    , m_tolerance(new QLineEdit)
    , m_description(new QLabel)
{
    m_timeLimit->setObjectName(QStringLiteral("timeLimit"));
    m_timeLimit->setRange(kShortestLimit, kLongestLimit);
    m_timeLimit->setDecimals(1);
    m_timeLimit->setSingleStep(0.5);
    m_timeLimit->setSuffix(QStringLiteral(" 秒"));
    m_mode->setObjectName(QStringLiteral("compareMode"));
    m_mode->addItem(QStringLiteral("行ごと"), int(Mode::Lines));
    m_mode->addItem(QStringLiteral("完全一致"), int(Mode::Exact));
    m_mode->addItem(QStringLiteral("数値（誤差）"), int(Mode::Float));
    m_tolerance->setObjectName(QStringLiteral("tolerance"));
    m_tolerance->setFixedWidth(m_tolerance->fontMetrics().horizontalAdvance(QStringLiteral("0.000001__")) + 16);
    m_description->setObjectName(QStringLiteral("compareDescription"));
    m_description->setWordWrap(true);
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Caption(QStringLiteral("制限時間(&T):"), m_timeLimit));
    layout->addWidget(m_timeLimit);
    layout->addSpacing(12);
    layout->addWidget(Caption(QStringLiteral("比較(&M):"), m_mode));
    layout->addWidget(m_mode);
    layout->addWidget(Caption(QStringLiteral("誤差(&E):"), m_tolerance));
    layout->addWidget(m_tolerance);
    layout->addStretch(1);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(layout);
    rows->addWidget(m_description);
    Show();
    connect(m_timeLimit, &QDoubleSpinBox::editingFinished, this, &CaseRulesBar::Take);
    connect(m_timeLimit, &QDoubleSpinBox::valueChanged, this, [this] {
        if (!m_timeLimit->hasFocus())
            Take();
    });
    connect(m_mode, &QComboBox::currentIndexChanged, this, &CaseRulesBar::Take);
    connect(m_tolerance, &QLineEdit::editingFinished, this, &CaseRulesBar::Take);
}

void CaseRulesBar::Show()
{
    const QSignalBlocker blockTime(m_timeLimit);
    const QSignalBlocker blockMode(m_mode);
    m_timeLimit->setValue(m_rules.timeLimitMs / 1000.0);
    m_mode->setCurrentIndex(m_mode->findData(int(m_rules.compare.mode)));
    m_tolerance->setText(ToleranceText(m_rules.compare.tolerance));
    m_tolerance->setEnabled(m_rules.compare.mode == Mode::Float);
    m_description->setText(judge::DescribeCompareRule(m_rules.compare));
}

// A tolerance that is no number >= 0 is put back to the one in use.
void CaseRulesBar::Take()
{
    judge::JudgeRules chosen = m_rules;
    chosen.timeLimitMs = qRound(m_timeLimit->value() * 1000);
    chosen.compare.mode = judge::CompareRule::Mode(m_mode->currentData().toInt());
    if (const auto parsed = judge::ParseCompareRule(QStringLiteral("float:") + m_tolerance->text().trimmed()))
        chosen.compare.tolerance = parsed->tolerance;
    const bool changed = !(chosen == m_rules);
    m_rules = chosen;
    Show();
    if (changed)
        Q_EMIT RulesChanged(m_rules);
}

}  // namespace output
