#pragma once
// The results of a program's cases: one row per case (name, verdict, time,
// the first differing line), the summary in the title ("5/6 正解"), the
// selected case's input, expected output and the program's output side by
// side with the first difference marked, hints under the verdicts, the
// standard error of a failing run with links to the source lines, and
// re-running one case or all. Everything is reached by keyboard.
#include "judge/CaseBatch.h"
#include "output/FollowRun.h"

#include <QDialog>

#include <memory>

namespace output {

struct CaseResultsView {
    QString fileName;     // the source judged, for the title
    QString casesFolder;  // shown above the rows
    QString linkFolder;   // where stack frames' links are resolved (the run's working folder)
    HintContext hints = {};
};

class CaseResultsDialog : public QDialog {
    Q_OBJECT
public:
    // Shows batch's cases and follows its runs; the batch stays the caller's.
    CaseResultsDialog(judge::CaseBatch& batch, CaseResultsView view, LinkOpener openLink, QWidget* parent = nullptr);
    ~CaseResultsDialog() override;

    // The rules the user chose in the window (time limit, comparison); the
    // batch runs by them from the next run on.
    const judge::JudgeRules& Rules() const;

Q_SIGNALS:
    void rulesChanged(const judge::JudgeRules& rules);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace output
