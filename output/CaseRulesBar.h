#pragma once
// The rules cases are judged by, shown and changed in one row: the time
// limit in seconds, the comparison (行ごと, 完全一致, 数値（誤差）with its
// tolerance) and the comparison in words.
#include "judge/JudgeRules.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace output {

class CaseRulesBar : public QWidget {
    Q_OBJECT
public:
    explicit CaseRulesBar(const judge::JudgeRules& rules, QWidget* parent = nullptr);
    const judge::JudgeRules& Rules() const { return m_rules; }

    QDoubleSpinBox* TimeLimit() const { return m_timeLimit; }
    QComboBox* Mode() const { return m_mode; }
    QLineEdit* Tolerance() const { return m_tolerance; }

Q_SIGNALS:
    void RulesChanged(const judge::JudgeRules& rules);

private:
    void Show();
    void Take();

    judge::JudgeRules m_rules;
    QDoubleSpinBox* m_timeLimit;
    QComboBox* m_mode;
    QLineEdit* m_tolerance;
    QLabel* m_description;
};

}  // namespace output
