#pragma once
// How a tool run ended, and the one line that tells the user.
#include <QString>

namespace runner {

struct ToolOutcome {
    enum class Status { NotStarted, Finished, Crashed, Aborted };
    Status status = Status::NotStarted;
    int exitCode = 0;      // meaningful when Finished
    qint64 elapsedMs = 0;  // from the start to the end of the process
    bool Succeeded() const { return status == Status::Finished && exitCode == 0; }
    bool operator==(const ToolOutcome&) const = default;
};

// "【終了しました（終了コード 3、1.2 秒）】" and the like; program names the
// tool for a run that did not start.
QString OutcomeLine(const ToolOutcome& outcome, const QString& program = {});

// Seconds with one decimal: "1.2 秒".
QString ElapsedText(qint64 elapsedMs);

}  // namespace runner
