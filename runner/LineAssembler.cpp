#include "runner/LineAssembler.h"

#include "platform/TextCodec.h"
#include "runner/CapturedText.h"

namespace runner {

namespace {

// UTF-8 characters are at most four bytes long.
constexpr qsizetype kMaxStepBack = 3;

}  // namespace

LineAssembler::LineAssembler(qsizetype lineLimit, qint64 streamLimit)
    : m_lineLimit(lineLimit)
    , m_streamLimit(streamLimit)
{}

// Where a line starting at start is broken: the same cut as for a finished
// capture.
qsizetype LineAssembler::CutPoint(qsizetype start) const
{
    return start + LinePieceLength(QByteArrayView(m_tail).sliced(start), m_lineLimit);
}

QString LineAssembler::Push(QByteArrayView chunk)
{
    const qint64 room = qMax<qint64>(0, m_streamLimit - m_total);
    m_total += chunk.size();
    if (m_cut)
        return {};
    if (chunk.size() > room) {
        chunk = chunk.first(room);
        m_cut = true;
    }
    m_tail.append(chunk);
    QByteArray lines;
    qsizetype start = 0;
    for (qsizetype end; (end = m_tail.indexOf('\n', start)) >= 0; start = end + 1) {
        qsizetype stop = end;
        if (stop > start && m_tail[stop - 1] == '\r')
            --stop;
        while (stop - start > m_lineLimit) {
            const qsizetype cut = CutPoint(start);
            lines.append(m_tail.constData() + start, cut - start).append('\n');
            start = cut;
            m_broke = true;
        }
        lines.append(m_tail.constData() + start, stop - start).append('\n');
    }
    m_tail.remove(0, start);
    BreakTail(lines);
    if (m_cut)
        m_tail.clear();  // the unfinished rest of a line at the limit is left out
    return platform::DecodeToolOutput(lines);
}

// A tail longer than a line can be (even without its final CR) is broken at
// once, exactly where the whole line would be broken.
void LineAssembler::BreakTail(QByteArray& lines)
{
    qsizetype start = 0;
    while (m_tail.size() - start > m_lineLimit + 1) {
        const qsizetype cut = CutPoint(start);
        lines.append(m_tail.constData() + start, cut - start).append('\n');
        start = cut;
        m_broke = true;
    }
    m_tail.remove(0, start);
}

QString LineAssembler::TakeUnfinished()
{
    qsizetype end = m_tail.size();
    if (end > 0 && m_tail[end - 1] == '\r')
        --end;  // may be the first half of CR LF
    // Leave a character whose last bytes have not arrived yet.
    for (qsizetype back = 1; back <= kMaxStepBack + 1 && back <= end; ++back) {
        const auto byte = static_cast<unsigned char>(m_tail[end - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (length > back)
            end -= back;
        break;
    }
    const QByteArray taken = m_tail.left(end);
    m_tail.remove(0, end);
    return platform::DecodeToolOutput(taken);
}

QString LineAssembler::Flush()
{
    QString text;
    if (!m_tail.isEmpty()) {
        const bool cut = m_cut;
        m_cut = false;
        m_total -= 1;  // the added LF is not the tool's
        text = Push("\n");
        m_cut = cut;
    }
    if (m_broke)
        text += BrokenLinesNotice(m_lineLimit);
    if (m_cut)
        text += ShortenedNotice(m_streamLimit, m_total);
    return text;
}

}  // namespace runner
