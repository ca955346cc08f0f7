#include "output/WrappedBlocks.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>

namespace output {

namespace {

constexpr QTextOption::WrapMode kWrapMode = QTextOption::WrapAtWordBoundaryOrAnywhere;

}  // namespace

WrappedBlocks::WrappedBlocks(QTextDocument* document, QWidget* widthFrom)
    : QPlainTextDocumentLayout(document)
    , m_widthFrom(widthFrom)
{}

// The plain layout lays every block out as one line; a wrapped block is laid
// out again whenever it was laid out that way or for another width.
QRectF WrappedBlocks::blockBoundingRect(const QTextBlock& block) const
{
    if (block.isValid() && block.userState() == kWrapped && m_widthFrom) {
        const qreal width = m_widthFrom->width() - 2 * document()->documentMargin();
        const QTextLayout* layout = block.layout();
        if (width > 0
            && (layout->lineCount() == 0 || layout->textOption().wrapMode() != kWrapMode
                || layout->lineAt(0).width() != width))
            Wrap(block, width);
    }
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void WrappedBlocks::Wrap(const QTextBlock& block, qreal width) const
{
    QTextLayout* layout = block.layout();
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(kWrapMode);
    layout->setTextOption(option);
    const qreal margin = document()->documentMargin();
    qreal height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(margin, height));
        height += line.height();
    }
    layout->endLayout();
    const int lines = document()->lineCount();
    QTextBlock(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
    // The edit takes its scroll range from the lines; it is asked again
    // once the layout that asked now is done.
    if (document()->lineCount() != lines) {
        auto* self = const_cast<WrappedBlocks*>(this);
        QMetaObject::invokeMethod(
            self, [self] { Q_EMIT self->documentSizeChanged(self->documentSize()); }, Qt::QueuedConnection);
    }
}

}  // namespace output
