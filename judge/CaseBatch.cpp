#include "judge/CaseBatch.h"

#include "judge/CaseRun.h"
#include "judge/CaseText.h"

#include <QThread>

namespace judge {

namespace {

// Case files are read whole; a longer one is refused, not cut.
constexpr qint64 kCaseFileLimit = runner::kStreamLimit;

CaseResult NotRun(const QString& message)
{
    CaseResult result;
    result.verdict = Verdict::NotRun;
    result.message = message;
    return result;
}

QString FileName(const QString& path) { return path.section(QLatin1Char('/'), -1); }

// The expected output's file as the finder would have found it.
QString ExpectedFileName(const QString& caseName)
{
    return caseName.startsWith(QLatin1String("in/")) ? QStringLiteral("out/") + caseName.sliced(3)
                                                     : caseName + QStringLiteral(".out");
}

CaseResult NoExpectedOutput(const TestCase& testCase)
{
    return NotRun(QStringLiteral("期待される出力 (%1) がないので実行しません").arg(ExpectedFileName(testCase.name)));
}

}  // namespace

CaseBatch::CaseBatch(platform::ProcessSpec program, QList<TestCase> cases, JudgeRules rules, int parallel,
                     QObject* parent)
    : QObject(parent)
    , m_program(std::move(program))
    , m_cases(std::move(cases))
    , m_rules(rules)
    , m_parallel(parallel > 0 ? parallel : std::max(1, QThread::idealThreadCount()))
    , m_results(m_cases.size())
{}

CaseBatch::~CaseBatch() { EndRuns(); }

void CaseBatch::RunAll()
{
    if (!CanRun())
        return;
    Abort();
    for (int i = 0; i < m_cases.size(); ++i) {
        m_results[i] = {};
        m_queue.append(i);
    }
    StartNext();
}

void CaseBatch::RunOne(int index)
{
    if (!CanRun() || index < 0 || index >= m_cases.size())
        return;
    for (auto it = m_running.begin(); it != m_running.end(); ++it) {
        if (it->index == index) {
            it->run->disconnect(this);
            m_running.erase(it);  // its destructor ends the program
            break;
        }
    }
    m_queue.removeAll(index);
    m_results[index] = {};
    m_queue.prepend(index);
    StartNext();
}

void CaseBatch::Abort()
{
    m_queue.clear();
    EndRuns();
    for (CaseResult& result : m_results) {
        if (result.verdict == Verdict::Pending)
            result = {};
    }
}

void CaseBatch::EndRuns()
{
    for (Running& running : m_running)
        running.run->disconnect(this);
    m_running.clear();
}

bool CaseBatch::IsRunning() const { return !m_running.empty() || !m_queue.isEmpty(); }

void CaseBatch::MarkCompileError()
{
    Abort();
    for (int i = 0; i < m_cases.size(); ++i) {
        // A case with no expected output is listed, not run, whatever the compiler said.
        m_results[i] = {};
        if (m_cases[i].expectedPath.isEmpty())
            m_results[i] = NoExpectedOutput(m_cases[i]);
        else
            m_results[i].verdict = Verdict::CompileError;
    }
    Q_EMIT finished();
}

int CaseBatch::AcceptedCount() const
{
    return int(std::count_if(m_results.begin(), m_results.end(),
                             [](const CaseResult& r) { return r.verdict == Verdict::Accepted; }));
}

int CaseBatch::JudgedCount() const
{
    return int(std::count_if(m_results.begin(), m_results.end(),
                             [](const CaseResult& r) { return r.verdict != Verdict::NotRun; }));
}

void CaseBatch::StartNext()
{
    // A case that cannot start finishes at once; its signal may start more.
    if (m_starting)
        return;
    m_starting = true;
    while (!m_queue.isEmpty() && int(m_running.size()) < m_parallel) {
        const int index = m_queue.takeFirst();
        Q_EMIT caseStarted(index);
        if (!Start(index))
            Q_EMIT caseFinished(index);
    }
    m_starting = false;
    if (m_running.empty() && m_queue.isEmpty())
        Q_EMIT finished();
}

bool CaseBatch::Start(int index)
{
    const TestCase& testCase = m_cases[index];
    if (testCase.expectedPath.isEmpty()) {
        m_results[index] = NoExpectedOutput(testCase);
        return false;
    }
    const std::optional<CaseText> input = ReadCaseText(testCase.inputPath, kCaseFileLimit);
    const std::optional<CaseText> expected = ReadCaseText(testCase.expectedPath, kCaseFileLimit);
    if (!input || !expected) {
        const QString path = input ? testCase.expectedPath : testCase.inputPath;
        m_results[index] =
            NotRun(QStringLiteral("%1 を読めません (普通のファイルでない、大きすぎる、または文字コードが分かりません)")
                       .arg(FileName(path)));
        return false;
    }
    auto run = std::make_unique<CaseRun>();
    connect(run.get(), &CaseRun::Finished, this, [this, raw = run.get()] { Finish(raw); });
    if (!run->Start(m_program, ProgramInput(*input), RunLimits{m_rules.timeLimitMs})) {
        m_results[index] = run->Result();
        return false;
    }
    m_running.push_back({index, std::move(run), expected->text});
    return true;
}

void CaseBatch::Finish(CaseRun* run)
{
    const auto it = std::find_if(m_running.begin(), m_running.end(),
                                 [run](const Running& running) { return running.run.get() == run; });
    if (it == m_running.end())
        return;
    const int index = it->index;
    Judge(index, *run, it->expected);
    // Deleted later: this is the run's own signal.
    it->run.release()->deleteLater();
    m_running.erase(it);
    Q_EMIT caseFinished(index);
    StartNext();
}

void CaseBatch::Judge(int index, const CaseRun& run, const QString& expected)
{
    CaseResult result = run.Result();
    const bool endedByItself = result.verdict == Verdict::Pending;
    if (endedByItself || result.outputCut)
        result.difference = Compare(expected, result.output, m_rules.compare);
    if (endedByItself)
        result.verdict = result.difference.same ? Verdict::Accepted : Verdict::WrongAnswer;
    m_results[index] = std::move(result);
}

QString SummaryText(int accepted, int judged, bool english)
{
    return english ? QStringLiteral("%1/%2 passed").arg(accepted).arg(judged)
                   : QStringLiteral("%1/%2 正解").arg(accepted).arg(judged);
}

}  // namespace judge
