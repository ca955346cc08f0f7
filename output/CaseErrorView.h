#pragma once
// The standard error of one case run, marked up as the output window marks
// up a program's: the source lines of a stack trace are links. A long text
// is shown by its start and its end, where a stack trace stands. Enter
// opens the link under the cursor, else the first of its line, else the
// first of the text: the innermost frame of the program's own code.
#include "output/OutputView.h"

namespace output {

class CaseErrorView : public OutputView {
    Q_OBJECT
public:
    explicit CaseErrorView(QWidget* parent = nullptr);

    // Links resolve in context's folder. The cursor stands on the first link.
    void ShowError(const QString& error, const HintContext& context);
    void OpenLinkAtCursor();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// At most about 2 × part characters of error: its start and its end, whole
// lines, with a line that says how many lines were left out.
QString BoundedError(const QString& error, qsizetype part);

}  // namespace output
