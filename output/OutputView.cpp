#include "output/OutputView.h"

#include "output/WrappedBlocks.h"

#include <QElapsedTimer>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>

namespace output {

namespace {

// A finished text: the first part shows at once, the rest follows in parts
// small enough to keep the window responsive.
constexpr qsizetype kFirstPart = 64 * 1024;
constexpr qsizetype kLaterPart = 1024 * 1024;

// Arrived text goes in from the event loop for about this long at a time,
// in chunks of at most this many characters.
constexpr int kShowIntervalMs = 20;
constexpr qint64 kShowBudgetMs = 20;
constexpr qsizetype kShowSlice = 128 * 1024;

}  // namespace

OutputView::OutputView(QWidget* parent)
    : QPlainTextEdit(parent)
    , m_formatter(new QTextDocument(this))
{
    QTextDocument* document = m_formatter.Document();
    auto* layout = new output::WrappedBlocks(document, viewport());
    layout->setPaintDevice(viewport());
    document->setDocumentLayout(layout);
    setDocument(document);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Monospaced, so that javac's ^ stands under its column.
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setMouseTracking(true);
    m_showTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, [this] { ShowArrived(false); });
    // While the user has not scrolled away from the end, the end stays in
    // view whatever moves it: the text, a wide line's scroll bar, a resize.
    // Only the user's scrolling decides. The edit may put its value back
    // while it adjusts its range, so the end is taken after that.
    QScrollBar* bar = verticalScrollBar();
    connect(bar, &QScrollBar::actionTriggered, this,
            [this, bar] { m_following = bar->sliderPosition() >= bar->maximum(); });
    connect(bar, &QScrollBar::valueChanged, this, &OutputView::KeepEnd, Qt::QueuedConnection);
    connect(bar, &QScrollBar::rangeChanged, this, &OutputView::KeepEnd, Qt::QueuedConnection);
    m_formatter.SetPalette(palette());
}

void OutputView::KeepEnd()
{
    QScrollBar* bar = verticalScrollBar();
    if (m_following && !m_userMoving && bar->value() < bar->maximum())
        bar->setValue(bar->maximum());
}

void OutputView::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        m_formatter.SetPalette(palette());
}

void OutputView::LoadText(QString text)
{
    text.remove(QLatin1Char('\r'));
    m_pending = std::move(text);
    m_following = false;  // a finished text is read from its start
    m_loaded = PartEnd(0, kFirstPart);
    setPlainText(m_pending.left(m_loaded));
    if (!IsLoading()) {
        m_pending.clear();
        m_loaded = 0;
        return;
    }
    // Read-only while filling in, so the edit's text and the rest never disagree.
    setReadOnly(true);
    document()->setUndoRedoEnabled(false);
    QTimer::singleShot(0, this, &OutputView::LoadNextPart);
}

// Parts end after a line break where there is one, never inside a surrogate pair.
qsizetype OutputView::PartEnd(qsizetype from, qsizetype length) const
{
    const qsizetype size = m_pending.size();
    if (size - from <= length)
        return size;
    qsizetype end = from + length;
    const qsizetype lineEnd = m_pending.lastIndexOf(QLatin1Char('\n'), end - 1);
    if (lineEnd >= from)
        return lineEnd + 1;
    if (m_pending.at(end - 1).isHighSurrogate())
        --end;
    return end;
}

void OutputView::LoadNextPart()
{
    const qsizetype end = PartEnd(m_loaded, kLaterPart);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(m_pending.mid(m_loaded, end - m_loaded));
    m_loaded = end;
    if (IsLoading()) {
        QTimer::singleShot(0, this, &OutputView::LoadNextPart);
        return;
    }
    m_pending.clear();
    m_loaded = 0;
    document()->setUndoRedoEnabled(true);
    setReadOnly(false);
}

QString OutputView::Text() const
{
    if (IsLoading())
        return m_pending;
    QString text = toPlainText();
    for (const Chunk& chunk : m_arrived)
        text += chunk.text;
    return text;
}

void OutputView::BeginMarkup(output::HintContext context, QList<output::HintRule> rules)
{
    m_formatter.BeginMarkup(std::move(context), std::move(rules));
    m_following = true;
}

void OutputView::Append(QString text, runner::Stream stream)
{
    if (text.contains(QLatin1Char('\r')))
        text.remove(QLatin1Char('\r'));
    if (text.isEmpty())
        return;
    if (!m_arrived.isEmpty() && m_arrived.last().stream == stream && m_arrived.last().text.size() < kShowSlice)
        m_arrived.last().text += text;
    else
        m_arrived.append({std::move(text), stream});
    if (!m_showTimer.isActive())
        m_showTimer.start(kShowIntervalMs);
}

// Puts arrived text into the edit: all of it, or as much as fits in a short
// slice of time.
void OutputView::ShowArrived(bool all)
{
    if (m_arrived.isEmpty())
        return;
    QElapsedTimer clock;
    clock.start();
    // One edit: the edit lays out and updates its range once for all of it.
    QTextCursor edit(document());
    edit.beginEditBlock();
    while (!m_arrived.isEmpty() && (all || clock.elapsed() < kShowBudgetMs)) {
        const Chunk chunk = m_arrived.takeFirst();
        m_formatter.Append(chunk.text, chunk.stream);
    }
    edit.endEditBlock();
    if (!m_arrived.isEmpty())
        m_showTimer.start(0);  // the rest after the waiting events
}

void OutputView::EndStreams()
{
    ShowArrived(true);
    for (const runner::Stream stream : {runner::Stream::Output, runner::Stream::Error})
        m_formatter.Finish(stream);
}

void OutputView::ShowStart()
{
    m_following = false;
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void OutputView::ActivateLink(const QString& anchor)
{
    if (const std::optional<output::LinkPlace> place = m_formatter.Link(anchor))
        Q_EMIT LinkActivated(place->path, place->line, place->column);
}

// Keys and the mouse may move the view (the cursor, a selection): whether
// it still follows is decided once they are done.
void OutputView::keyPressEvent(QKeyEvent* event)
{
    m_userMoving = true;
    QPlainTextEdit::keyPressEvent(event);
    m_userMoving = false;
    m_following = verticalScrollBar()->value() >= verticalScrollBar()->maximum();
}

void OutputView::mousePressEvent(QMouseEvent* event)
{
    m_userMoving = true;
    QPlainTextEdit::mousePressEvent(event);
}

// A click on a link (not the end of a selection) opens its source line.
void OutputView::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    m_userMoving = false;
    m_following = verticalScrollBar()->value() >= verticalScrollBar()->maximum();
    if (event->button() == Qt::LeftButton && !textCursor().hasSelection()) {
        if (const QString anchor = anchorAt(event->position().toPoint()); !anchor.isEmpty())
            ActivateLink(anchor);
    }
}

void OutputView::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    const bool over = !anchorAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(over ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

}  // namespace output
