#include "output/OutputFormatter.h"

#include "output/ReadableColour.h"
#include "output/WrappedBlocks.h"

#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace output {

namespace {

// A block of a run's text ends after this many lines or characters.
constexpr int kBlockLines = 16;
constexpr qsizetype kBlockChars = 4096;
// javac stops after 100 errors; output with more links than this is a dump.
constexpr qsizetype kMaxLinks = 2000;

bool IsAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

}  // namespace

OutputFormatter::OutputFormatter(QTextDocument* document)
    : m_document(document)
{
    SetPalette(QPalette());
}

OutputFormatter::~OutputFormatter() = default;

// Based on the document's own format, so that plain text merges into few
// fragments (a million lines stay quick); every colour reads on the base.
void OutputFormatter::SetPalette(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    for (QTextCharFormat& format : m_formats)
        format = QTextCursor(m_document).charFormat();
    m_formats[static_cast<int>(runner::Stream::Error)].setForeground(ReadableOn(base, QColor(0xB0, 0x00, 0x20)));
    QTextCharFormat& input = m_formats[static_cast<int>(runner::Stream::Input)];
    input.setForeground(ReadableOn(base, QColor(0x00, 0x50, 0xA0)));
    input.setFontWeight(QFont::Bold);
    m_hintFormat = m_formats[0];
    m_hintFormat.setForeground(ReadableOn(base, QColor(0x1B, 0x6E, 0x20)));
    m_linkColour = ReadableOn(base, palette.color(QPalette::Link));
}

void OutputFormatter::BeginMarkup(HintContext context, QList<HintRule> rules)
{
    m_resolver = LinkResolver(context.folder);
    m_markup = std::make_unique<MarkupChain>(std::move(context), std::move(rules));
    std::fill(std::begin(m_messageLink), std::end(m_messageLink), -1);
}

// Runs of plain lines go in whole; a line with a link or a hint goes in on
// its own.
void OutputFormatter::Append(QStringView text, runner::Stream stream)
{
    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    const QTextCharFormat& format = FormatOf(stream);
    qsizetype plain = 0;  // the first character not inserted yet
    if (m_markup && m_markup->MayMark(text, stream)) {
        for (qsizetype start = 0, end; (end = text.indexOf(QLatin1Char('\n'), start)) >= 0; start = end + 1) {
            const QStringView line = text.mid(start, end - start);
            Markup markup = m_markup->MarkLine(line, stream);
            Count(markup.counted);
            const QStringList paths = ResolveLinks(markup.links);
            FollowMessageLink(markup, stream);
            if (markup.links.isEmpty() && markup.hint.isEmpty() && markup.hintBefore.isEmpty())
                continue;
            Insert(cursor, text.mid(plain, start - plain).toString(), format);
            InsertLine(cursor, line, markup, paths, format);
            plain = end + 1;
        }
    }
    Insert(cursor, text.mid(plain).toString(), format);
}

void OutputFormatter::Finish(runner::Stream stream)
{
    if (!m_markup)
        return;
    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    InsertHint(cursor, m_markup->Finish(stream));
}

std::optional<LinkPlace> OutputFormatter::Link(QStringView anchor) const
{
    bool ok = false;
    const int index = anchor.toInt(&ok);
    if (!ok || index < 0 || index >= m_links.size())
        return std::nullopt;
    return m_links[index];
}

// The files the links open, in their order; a link that opens none (its file
// is missing, or the table is full) is dropped.
QStringList OutputFormatter::ResolveLinks(QList<SourceLink>& links)
{
    QStringList paths;
    QList<SourceLink> kept;
    for (const SourceLink& link : links) {
        if (m_links.size() + paths.size() >= kMaxLinks)
            break;
        if (QString path = m_resolver.Resolve(link); !path.isEmpty()) {
            paths << std::move(path);
            kept << link;
        }
    }
    links = std::move(kept);
    return paths;
}

void OutputFormatter::InsertLine(QTextCursor& cursor, QStringView line, const Markup& markup, const QStringList& paths,
                                 const QTextCharFormat& format)
{
    InsertHint(cursor, markup.hintBefore);
    qsizetype done = 0;
    for (qsizetype i = 0; i < markup.links.size(); ++i) {
        const SourceLink& link = markup.links[i];
        QTextCharFormat anchor = format;
        anchor.setAnchor(true);
        anchor.setAnchorHref(QString::number(m_links.size()));
        anchor.setFontUnderline(true);
        anchor.setForeground(m_linkColour);
        m_links.append({paths[i], link.line});
        Insert(cursor, line.mid(done, link.start - done).toString(), format);
        Insert(cursor, line.mid(link.start, link.length).toString(), anchor);
        done = link.start + link.length;
    }
    Insert(cursor, line.mid(done).toString() + QLatin1Char('\n'), format);
    InsertHint(cursor, markup.hint);
}

// A hint wraps at the view's width; the tool's lines stay as they are.
void OutputFormatter::InsertHint(QTextCursor& cursor, const QString& hint)
{
    if (hint.isEmpty())
        return;
    // Marked before the text goes in, so that it is never laid out as one line.
    cursor.block().setUserState(WrappedBlocks::kWrapped);
    Insert(cursor, hint + QLatin1Char('\n'), m_hintFormat);
    cursor.block().previous().setUserState(WrappedBlocks::kWrapped);
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
void OutputFormatter::Insert(QTextCursor& cursor, QString text, const QTextCharFormat& format)
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

void OutputFormatter::Count(std::optional<SourceLink::Kind> kind)
{
    if (kind == SourceLink::Kind::Error)
        ++m_errors;
    else if (kind == SourceLink::Kind::Warning)
        ++m_warnings;
}

// A javac message's link learns its column from the caret line under it.
void OutputFormatter::FollowMessageLink(const Markup& markup, runner::Stream stream)
{
    int& link = m_messageLink[static_cast<int>(stream)];
    if (markup.counted)
        link = markup.links.isEmpty() ? -1 : static_cast<int>(m_links.size());
    else if (markup.column > 0 && link >= 0)
        m_links[link].column = markup.column;
}

const QTextCharFormat& OutputFormatter::FormatOf(runner::Stream stream) const
{
    return m_formats[static_cast<int>(stream)];
}

}  // namespace output
