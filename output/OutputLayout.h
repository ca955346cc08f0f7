#pragma once
// Where the output window's controls go: the text on top, then the input
// line (a program run), the buttons, and 中止 with the command line. Hidden
// controls take no room; every control that shows fits inside the window at
// any size down to LeastSize.
#include <QList>
#include <QSize>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace output {

struct OutputControls {
    QWidget* text = nullptr;
    QList<QWidget*> buttons;  // OK, 保存, copy: the form's row, 1 pixel apart
    QLineEdit* input = nullptr;
    QPushButton* endInput = nullptr;
    QPushButton* abort = nullptr;
    QLabel* command = nullptr;  // shows its tool tip, shortened in the middle
};

void LayOutControls(const OutputControls& controls, QSize client);
QSize LeastSize(const OutputControls& controls);
// The window's size before the user chose one: the text shows 80 columns and
// 16 lines of its font even in a program run (the input line and the
// command row shown), so javac's and the launcher's lines fit across and the
// longest hint, wrapped, fits with the lines it explains. Never smaller than
// the form.
QSize FirstSize(const OutputControls& controls, QSize form);

}  // namespace output
