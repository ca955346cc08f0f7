#pragma once
// The output view's document layout: a tool's lines stay one line each (so
// javac's caret keeps its column and a long line scrolls), while blocks
// marked as wrapped (the hints) break at the view's width, between words or
// anywhere, so that they read whole without scrolling.
#include <QPlainTextDocumentLayout>
#include <QPointer>

namespace output {

class WrappedBlocks : public QPlainTextDocumentLayout {
    Q_OBJECT
public:
    // A block with this user state wraps.
    static constexpr int kWrapped = 1;

    // Lines of wrapped blocks are as wide as the widget (the view's viewport).
    WrappedBlocks(QTextDocument* document, QWidget* widthFrom);

    QRectF blockBoundingRect(const QTextBlock& block) const override;

private:
    void Wrap(const QTextBlock& block, qreal width) const;

    QPointer<QWidget> m_widthFrom;
};

}  // namespace output
