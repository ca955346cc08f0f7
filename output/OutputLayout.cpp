#include "output/OutputLayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QScrollBar>
#include <QtMath>

namespace output {

namespace {

// Around the text, and between the rows below it.
constexpr int kLeft = 10, kTop = 10, kRight = 15, kBottom = 30;
constexpr int kGap = 5;
// The least room kept for the text, for typing and for the command line.
constexpr int kLeastText = 40;
constexpr int kLeastInput = 60;
constexpr int kLeastCommand = 60;
constexpr int kFirstColumns = 80;
constexpr int kFirstLines = 16;

int RowHeight(const OutputControls& controls) { return controls.buttons.first()->height(); }

// The rows below the text besides the buttons; the status row keeps a gap
// under it too.
int ExtraRows(const OutputControls& c)
{
    return (c.input->isHidden() ? 0 : c.input->sizeHint().height() + kGap)
           + (c.command->isHidden() ? 0 : RowHeight(c) + 2 * kGap);
}

}  // namespace

void LayOutControls(const OutputControls& c, QSize client)
{
    const QRect r = QRect(QPoint(0, 0), client).adjusted(kLeft, kTop, -kRight, -kBottom - ExtraRows(c));
    c.text->setGeometry(r);
    int y = r.bottom() + 1 + kGap;
    if (!c.input->isHidden()) {
        const int height = c.input->sizeHint().height();
        const int width = c.endInput->width();
        c.input->setGeometry(r.x(), y, r.width() - width - kGap, height);
        c.endInput->setGeometry(r.right() + 1 - width, y, width, height);
        y += height + kGap;
    }
    int x = r.x();
    for (QWidget* button : c.buttons) {
        button->move(x, y);
        x += button->width() + 1;
    }
    if (c.command->isHidden())
        return;
    y += RowHeight(c) + kGap;
    x = r.x();
    if (!c.abort->isHidden()) {
        c.abort->move(x, y);
        x += c.abort->width() + 8;
    }
    c.command->setGeometry(x, y, qMax(0, r.right() + 1 - x), RowHeight(c));
    c.command->setText(c.command->fontMetrics().elidedText(c.command->toolTip(), Qt::ElideMiddle, c.command->width()));
}

QSize LeastSize(const OutputControls& c)
{
    int width = static_cast<int>(c.buttons.size()) - 1;
    for (const QWidget* button : c.buttons)
        width += button->width();
    if (!c.input->isHidden())
        width = qMax(width, kLeastInput + kGap + c.endInput->width());
    if (!c.command->isHidden())
        width = qMax(width, (c.abort->isHidden() ? 0 : c.abort->width() + 8) + kLeastCommand);
    return {kLeft + width + kRight, kTop + kLeastText + RowHeight(c) + ExtraRows(c) + kBottom};
}

QSize FirstSize(const OutputControls& c, QSize form)
{
    const auto* view = qobject_cast<const QPlainTextEdit*>(c.text);
    const QFontMetrics metrics = c.text->fontMetrics();
    const int around = 2 * (view->frameWidth() + qCeil(view->document()->documentMargin()));
    const int width = kFirstColumns * metrics.horizontalAdvance(QLatin1Char('0')) + around
                      + view->verticalScrollBar()->sizeHint().width();
    const int height = kFirstLines * metrics.lineSpacing() + around + view->horizontalScrollBar()->sizeHint().height();
    const int rows = RowHeight(c) + c.input->sizeHint().height() + kGap + RowHeight(c) + 2 * kGap;
    return form.expandedTo({kLeft + width + kRight, kTop + height + rows + kBottom});
}

}  // namespace output
