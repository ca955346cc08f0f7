#include "runner/ToolOutcome.h"

namespace runner {

QString ElapsedText(qint64 elapsedMs) { return QStringLiteral("%1 秒").arg(elapsedMs / 1000.0, 0, 'f', 1); }

QString OutcomeLine(const ToolOutcome& outcome, const QString& program)
{
    const QString elapsed = ElapsedText(outcome.elapsedMs);
    switch (outcome.status) {
    case ToolOutcome::Status::NotStarted: return QStringLiteral("【%1を起動できません】").arg(program);
    case ToolOutcome::Status::Finished:
        return QStringLiteral("【終了しました（終了コード %1、%2）】").arg(outcome.exitCode).arg(elapsed);
    case ToolOutcome::Status::Crashed: return QStringLiteral("【異常終了しました（%1）】").arg(elapsed);
    case ToolOutcome::Status::Aborted: return QStringLiteral("【中止しました（%1）】").arg(elapsed);
    }
    return {};
}

}  // namespace runner
