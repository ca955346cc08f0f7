#include "output/CaseErrorView.h"

#include <QKeyEvent>
#include <QTextBlock>

namespace output {

namespace {

constexpr qsizetype kErrorPart = 128 * 1024;

QString FirstAnchor(const QTextBlock& block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().isAnchor())
            return it.fragment().charFormat().anchorHref();
    }
    return {};
}

}  // namespace

QString BoundedError(const QString& error, qsizetype part)
{
    if (error.size() <= 2 * part)
        return error;
    const qsizetype headEnd = error.lastIndexOf(u'\n', part) + 1;
    const qsizetype tailStart = error.indexOf(u'\n', error.size() - part) + 1;
    if (headEnd <= 0 || tailStart <= headEnd)
        return error.left(part) + QStringLiteral("\n〔以下省略〕\n");
    const qsizetype skipped = QStringView(error).mid(headEnd, tailStart - headEnd).count(u'\n');
    return error.left(headEnd) + QStringLiteral("〔%1 行を省略〕\n").arg(skipped) + error.mid(tailStart);
}

CaseErrorView::CaseErrorView(QWidget* parent)
    : OutputView(parent)
{
    setReadOnly(true);
}

void CaseErrorView::ShowError(const QString& error, const HintContext& context)
{
    clear();
    BeginMarkup(context);
    Append(BoundedError(error, kErrorPart), runner::Stream::Error);
    EndStreams();
    ShowStart();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (!FirstAnchor(block).isEmpty()) {
            setTextCursor(QTextCursor(block));
            ensureCursorVisible();
            break;
        }
    }
}

void CaseErrorView::OpenLinkAtCursor()
{
    QString anchor = textCursor().charFormat().anchorHref();
    if (anchor.isEmpty())
        anchor = FirstAnchor(textCursor().block());
    for (QTextBlock block = document()->begin(); anchor.isEmpty() && block.isValid(); block = block.next())
        anchor = FirstAnchor(block);
    if (!anchor.isEmpty())
        ActivateLink(anchor);
}

void CaseErrorView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        OpenLinkAtCursor();
    else
        OutputView::keyPressEvent(event);
}

}  // namespace output
