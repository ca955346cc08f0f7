#include "judge/Verdict.h"

namespace judge {

QString VerdictName(Verdict verdict, bool english)
{
    switch (verdict) {
    case Verdict::Pending: return english ? QStringLiteral("Pending") : QStringLiteral("実行待ち");
    case Verdict::Accepted: return english ? QStringLiteral("Accepted") : QStringLiteral("正解");
    case Verdict::WrongAnswer: return english ? QStringLiteral("Wrong answer") : QStringLiteral("不正解");
    case Verdict::TimeLimit: return english ? QStringLiteral("Time limit exceeded") : QStringLiteral("時間切れ");
    case Verdict::RuntimeError: return english ? QStringLiteral("Runtime error") : QStringLiteral("実行時エラー");
    case Verdict::CompileError: return english ? QStringLiteral("Compile error") : QStringLiteral("コンパイルエラー");
    case Verdict::NotRun: return english ? QStringLiteral("Not run") : QStringLiteral("実行せず");
    }
    return {};
}

QString VerdictCode(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Accepted: return QStringLiteral("AC");
    case Verdict::WrongAnswer: return QStringLiteral("WA");
    case Verdict::TimeLimit: return QStringLiteral("TLE");
    case Verdict::RuntimeError: return QStringLiteral("RE");
    case Verdict::CompileError: return QStringLiteral("CE");
    case Verdict::Pending:
    case Verdict::NotRun: break;
    }
    return QStringLiteral("-");
}

}  // namespace judge
