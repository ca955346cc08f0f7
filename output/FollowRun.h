#pragma once
// The output window following a run: it opens with the first text (a
// program run, which may wait for input, also after a moment without any),
// shows the text as it arrives and how the run ended, and closes when the
// user closes it.
#include "output/LearnerHints.h"
#include "runner/RunningTool.h"

#include <functional>

class QWidget;

namespace output {

// What the output window of a run shows besides the text.
struct RunView {
    QString title;        // the command and the file
    QString commandLine;  // for the user to read
    QString program;
    QString folder;                  // where links are resolved
    bool force = false;              // a window even when the tool wrote nothing and succeeded
    HintContext hints = {};          // what hints may know of the run (the folder is taken from above)
    bool countsDiagnostics = false;  // a compiler: its errors and warnings are counted
    QString saveFolder = {};         // where 保存 starts
    QString note = {};               // Tarnwick's line before the tool's output
};

using LinkOpener = std::function<void(const QString& path, int line, int column)>;

// Returns when the run has ended and its window (if one opened) was closed.
void FollowRun(QWidget* owner, runner::RunningTool& run, const RunView& view, const LinkOpener& openLink);

}  // namespace output
