#include "output/COutputView.h"

#include "output/ReadableColour.h"
#include "output/WrappedBlocks.h"

#include <QElapsedTimer>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

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
// A block of a run's text ends after this many lines or characters.
constexpr int kBlockLines = 16;
constexpr qsizetype kBlockChars = 4096;
// javac stops after 100 errors; output with more links than this is a dump.
constexpr int kMaxLinks = 2000;

bool IsAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

}  // namespace

COutputView::COutputView(QWidget* parent)
    : QPlainTextEdit(parent)
{
    auto* document = new QTextDocument(this);
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
    connect(bar, &QScrollBar::valueChanged, this, &COutputView::KeepEnd, Qt::QueuedConnection);
    connect(bar, &QScrollBar::rangeChanged, this, &COutputView::KeepEnd, Qt::QueuedConnection);
    SetColours();
}

void COutputView::KeepEnd()
{
    QScrollBar* bar = verticalScrollBar();
    if (m_following && !m_userMoving && bar->value() < bar->maximum())
        bar->setValue(bar->maximum());
}

// Based on the document's own format, so that plain text merges into few
// fragments (a million lines stay quick); every colour reads on the base.
void COutputView::SetColours()
{
    const QColor base = palette().color(QPalette::Base);
    for (QTextCharFormat& format : m_formats)
        format = QTextCursor(document()).charFormat();
    m_formats[static_cast<int>(runner::Stream::Error)].setForeground(ReadableOn(base, QColor(0xB0, 0x00, 0x20)));
    QTextCharFormat& input = m_formats[static_cast<int>(runner::Stream::Input)];
    input.setForeground(ReadableOn(base, QColor(0x00, 0x50, 0xA0)));
    input.setFontWeight(QFont::Bold);
    m_hintFormat = m_formats[0];
    m_hintFormat.setForeground(ReadableOn(base, QColor(0x1B, 0x6E, 0x20)));
    m_linkColour = ReadableOn(base, palette().color(QPalette::Link));
}

void COutputView::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        SetColours();
}

void COutputView::LoadText(QString text)
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
    QTimer::singleShot(0, this, &COutputView::LoadNextPart);
}

// Parts end after a line break where there is one, never inside a surrogate pair.
qsizetype COutputView::PartEnd(qsizetype from, qsizetype length) const
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

void COutputView::LoadNextPart()
{
    const qsizetype end = PartEnd(m_loaded, kLaterPart);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(m_pending.mid(m_loaded, end - m_loaded));
    m_loaded = end;
    if (IsLoading()) {
        QTimer::singleShot(0, this, &COutputView::LoadNextPart);
        return;
    }
    m_pending.clear();
    m_loaded = 0;
    document()->setUndoRedoEnabled(true);
    setReadOnly(false);
}

QString COutputView::Text() const
{
    if (IsLoading())
        return m_pending;
    QString text = toPlainText();
    for (const Chunk& chunk : m_arrived)
        text += chunk.text;
    return text;
}

void COutputView::BeginMarkup(output::HintContext context, QList<output::HintRule> rules)
{
    m_resolver = output::LinkResolver(context.folder);
    m_markup = std::make_unique<output::MarkupChain>(std::move(context), std::move(rules));
    m_following = true;
}

void COutputView::Append(QString text, runner::Stream stream)
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
void COutputView::ShowArrived(bool all)
{
    if (m_arrived.isEmpty())
        return;
    QElapsedTimer clock;
    clock.start();
    // One edit: the edit lays out and updates its range once for all of it.
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    while (!m_arrived.isEmpty() && (all || clock.elapsed() < kShowBudgetMs))
        InsertChunk(cursor, m_arrived.takeFirst());
    cursor.endEditBlock();
    if (!m_arrived.isEmpty())
        m_showTimer.start(0);  // the rest after the waiting events
}

void COutputView::EndStreams()
{
    ShowArrived(true);
    if (!m_markup)
        return;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    for (const runner::Stream stream : {runner::Stream::Output, runner::Stream::Error})
        InsertHint(cursor, m_markup->Finish(stream));
}

// Runs of plain lines go in whole; a line with a link or a hint goes in on
// its own.
void COutputView::InsertChunk(QTextCursor& cursor, const Chunk& chunk)
{
    const QTextCharFormat& format = FormatOf(chunk.stream);
    const QString& text = chunk.text;
    qsizetype plain = 0;  // the first character not inserted yet
    if (m_markup && m_markup->MayMark(text, chunk.stream)) {
        for (qsizetype start = 0, end; (end = text.indexOf(QLatin1Char('\n'), start)) >= 0; start = end + 1) {
            const QStringView line = QStringView(text).mid(start, end - start);
            output::Markup markup = m_markup->MarkLine(line, chunk.stream);
            Count(markup.counted);
            markup.links.removeIf([this](const output::SourceLink& link) { return LinkTarget(link).isEmpty(); });
            FollowMessageLink(markup, chunk.stream);
            if (markup.links.isEmpty() && markup.hint.isEmpty() && markup.hintBefore.isEmpty())
                continue;
            Insert(cursor, text.mid(plain, start - plain), format);
            InsertLine(cursor, line, markup, format);
            plain = end + 1;
        }
    }
    Insert(cursor, plain == 0 ? text : text.mid(plain), format);
}

void COutputView::InsertLine(QTextCursor& cursor, QStringView line, const output::Markup& markup,
                             const QTextCharFormat& format)
{
    InsertHint(cursor, markup.hintBefore);
    qsizetype done = 0;
    for (const output::SourceLink& link : markup.links) {
        QTextCharFormat anchor = format;
        anchor.setAnchor(true);
        anchor.setAnchorHref(QString::number(m_links.size()));
        anchor.setFontUnderline(true);
        anchor.setForeground(m_linkColour);
        m_links.append({LinkTarget(link), link.line});
        Insert(cursor, line.mid(done, link.start - done).toString(), format);
        Insert(cursor, line.mid(link.start, link.length).toString(), anchor);
        done = link.start + link.length;
    }
    Insert(cursor, line.mid(done).toString() + QLatin1Char('\n'), format);
    InsertHint(cursor, markup.hint);
}

// A hint wraps at the view's width; the tool's lines stay as they are.
void COutputView::InsertHint(QTextCursor& cursor, const QString& hint)
{
    if (hint.isEmpty())
        return;
    // Marked before the text goes in, so that it is never laid out as one line.
    cursor.block().setUserState(output::WrappedBlocks::kWrapped);
    Insert(cursor, hint + QLatin1Char('\n'), m_hintFormat);
    cursor.block().previous().setUserState(output::WrappedBlocks::kWrapped);
    cursor.block().setUserState(-1);
}

// A run's lines go into the document in blocks of a few lines, joined by
// U+2028, which the edit shows as a line break and toPlainText turns back
// into LF: a QTextDocument pays for each block it inserts, so a long output
// goes in several times faster, and a block stays small enough to lay out
// at once. Only ASCII lines share a block: in one block, blanks and signs
// take the script of the text around them, so after a Japanese line javac's
// caret would be drawn in the Japanese font, out of its column. The last
// line break of each insertion ends a block: the edit updates its scroll
// range only when the number of blocks changes.
void COutputView::Insert(QTextCursor& cursor, QString text, const QTextCharFormat& format)
{
    const qsizetype last = text.lastIndexOf(QLatin1Char('\n'));
    qsizetype start = 0;  // of the line in text
    qsizetype lf = text.indexOf(QLatin1Char('\n'));
    bool ascii = m_lineAscii && IsAscii(QStringView(text).left(lf < 0 ? text.size() : lf));
    while (lf >= 0) {
        const qsizetype next = text.indexOf(QLatin1Char('\n'), lf + 1);
        const bool nextAscii = IsAscii(QStringView(text).mid(lf + 1, (next < 0 ? text.size() : next) - lf - 1));
        m_blockChars += lf - start;
        if (lf != last && ascii && nextAscii && ++m_blockLines < kBlockLines && m_blockChars < kBlockChars) {
            text[lf] = QChar::LineSeparator;
        } else {
            m_blockLines = 0;
            m_blockChars = 0;
        }
        start = lf + 1;
        lf = next;
        ascii = nextAscii;
    }
    m_blockChars += text.size() - start;
    m_lineAscii = ascii;  // the line that the next insertion goes on with
    cursor.insertText(text, format);
}

QString COutputView::LinkTarget(const output::SourceLink& link)
{
    return m_links.size() < kMaxLinks ? m_resolver.Resolve(link) : QString();
}

void COutputView::Count(std::optional<output::SourceLink::Kind> kind)
{
    if (kind == output::SourceLink::Kind::Error)
        ++m_errors;
    else if (kind == output::SourceLink::Kind::Warning)
        ++m_warnings;
}

// A javac message's link learns its column from the caret line under it.
void COutputView::FollowMessageLink(const output::Markup& markup, runner::Stream stream)
{
    int& link = m_messageLink[static_cast<int>(stream)];
    if (markup.counted)
        link = markup.links.isEmpty() ? -1 : static_cast<int>(m_links.size());
    else if (markup.column > 0 && link >= 0)
        m_links[link].column = markup.column;
}

const QTextCharFormat& COutputView::FormatOf(runner::Stream stream) const
{
    return m_formats[static_cast<int>(stream)];
}

void COutputView::ShowStart()
{
    m_following = false;
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void COutputView::ActivateLink(const QString& anchor)
{
    bool ok = false;
    const int index = anchor.toInt(&ok);
    if (ok && index >= 0 && index < m_links.size())
        Q_EMIT LinkActivated(m_links[index].path, m_links[index].line, m_links[index].column);
}

// Keys and the mouse may move the view (the cursor, a selection): whether
// it still follows is decided once they are done.
void COutputView::keyPressEvent(QKeyEvent* event)
{
    m_userMoving = true;
    QPlainTextEdit::keyPressEvent(event);
    m_userMoving = false;
    m_following = verticalScrollBar()->value() >= verticalScrollBar()->maximum();
}

void COutputView::mousePressEvent(QMouseEvent* event)
{
    m_userMoving = true;
    QPlainTextEdit::mousePressEvent(event);
}

// A click on a link (not the end of a selection) opens its source line.
void COutputView::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    m_userMoving = false;
    m_following = verticalScrollBar()->value() >= verticalScrollBar()->maximum();
    if (event->button() == Qt::LeftButton && !textCursor().hasSelection()) {
        if (const QString anchor = anchorAt(event->position().toPoint()); !anchor.isEmpty())
            ActivateLink(anchor);
    }
}

void COutputView::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    const bool over = !anchorAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(over ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

}  // namespace output
