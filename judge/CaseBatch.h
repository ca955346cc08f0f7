#pragma once
// Running a program on its cases, several at once, and judging each.
#include "judge/CaseFinder.h"
#include "judge/CaseResult.h"
#include "judge/JudgeRules.h"
#include "platform/Processes.h"

#include <QList>
#include <QObject>

#include <algorithm>
#include <memory>
#include <vector>

namespace judge {

class CaseRun;

class CaseBatch : public QObject {
    Q_OBJECT
public:
    // Runs at most parallel cases at once (0: as many as the machine has cores).
    CaseBatch(platform::ProcessSpec program, QList<TestCase> cases, JudgeRules rules, int parallel = 0,
              QObject* parent = nullptr);
    ~CaseBatch() override;  // ends every run

    const QList<TestCase>& Cases() const { return m_cases; }
    const JudgeRules& Rules() const { return m_rules; }
    void SetRules(const JudgeRules& rules) { m_rules = rules; }
    const CaseResult& Result(int index) const { return m_results[index]; }

    // Every case again; one case again. Running cases are ended first.
    // Nothing without a program (after a compile error).
    void RunAll();
    void RunOne(int index);
    // Ends every run; their cases stay Pending.
    void Abort();
    bool IsRunning() const;
    bool CanRun() const { return !m_program.program.isEmpty(); }
    // Whether the case's program runs now (a window opened after RunAll asks).
    bool IsRunning(int index) const
    {
        return std::any_of(m_running.begin(), m_running.end(),
                           [index](const Running& running) { return running.index == index; });
    }
    // Every case CompileError, nothing run.
    void MarkCompileError();
    // Cases judged Accepted, and cases that have a verdict other than NotRun.
    int AcceptedCount() const;
    int JudgedCount() const;

Q_SIGNALS:
    void caseStarted(int index);
    void caseFinished(int index);
    void finished();

private:
    struct Running {
        int index = 0;
        std::unique_ptr<CaseRun> run;
        QString expected;
    };

    void StartNext();
    bool Start(int index);
    void Finish(CaseRun* run);
    void Judge(int index, const CaseRun& run, const QString& expected);
    void EndRuns();

    platform::ProcessSpec m_program;
    QList<TestCase> m_cases;
    JudgeRules m_rules;
    int m_parallel;
    QList<CaseResult> m_results;
    QList<int> m_queue;
    std::vector<Running> m_running;
    bool m_starting = false;  // StartNext is on the stack
};

// "5/6 正解"; "5/6 passed" when english.
QString SummaryText(int accepted, int judged, bool english = false);

}  // namespace judge
