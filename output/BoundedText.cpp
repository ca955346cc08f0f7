#include "output/BoundedText.h"

#include <algorithm>

namespace output {

namespace {

QString SkippedLines(qsizetype count) { return QStringLiteral("〔%1 行を省略〕").arg(count); }

class ExcerptBuilder {
public:
    ExcerptBuilder(TextExcerpt& excerpt, int lineLength)
        : m_excerpt(excerpt)
        , m_lineLength(lineLength)
    {}

    void Line(QStringView line, bool ended)
    {
        if (line.endsWith(u'\r') && ended)
            line.chop(1);
        if (line.size() > m_lineLength) {
            qsizetype keep = m_lineLength;
            if (line.at(keep - 1).isHighSurrogate())
                --keep;
            m_excerpt.text += line.left(keep);
            m_excerpt.text += QStringLiteral("…〔%1 文字を省略〕").arg(line.size() - keep);
            m_excerpt.cut = true;
        } else {
            m_excerpt.text += line;
        }
        if (ended)
            m_excerpt.text += u'\n';
        ++m_blocks;
    }

    void Notice(qsizetype skipped)
    {
        if (skipped <= 0)
            return;
        if (!m_excerpt.text.isEmpty() && !m_excerpt.text.endsWith(u'\n'))
            m_excerpt.text += u'\n';
        m_excerpt.notices << m_blocks++;
        m_excerpt.text += SkippedLines(skipped) + u'\n';
        m_excerpt.cut = true;
    }

    int Blocks() const { return m_blocks; }

private:
    TextExcerpt& m_excerpt;
    int m_lineLength;
    int m_blocks = 0;
};

}  // namespace

// Lines are found one at a time, so a text of millions of lines is read only
// as far as the shown part and then counted.
TextExcerpt Excerpt(QStringView text, int focusLine, const ExcerptLimits& limits)
{
    TextExcerpt excerpt;
    ExcerptBuilder builder(excerpt, std::max(1, limits.lineLength));
    const qsizetype aroundFrom = focusLine > 0 ? qsizetype(focusLine) - limits.aroundLines : 0;
    const qsizetype aroundTo = focusLine > 0 ? qsizetype(focusLine) + limits.aroundLines : 0;
    qsizetype headLines = limits.headLines;
    const auto shown = [&](qsizetype line) { return line <= headLines || (line >= aroundFrom && line <= aroundTo); };
    qsizetype line = 0;
    qsizetype skipped = 0;
    qsizetype at = 0;
    while (at < text.size()) {
        ++line;
        if (!shown(line) && line > std::max(headLines, aroundTo)) {
            skipped += text.mid(at).count(u'\n') + (text.endsWith(u'\n') ? 0 : 1);
            at = text.size();
            break;
        }
        const qsizetype end = text.indexOf(u'\n', at);
        const bool ended = end >= 0;
        if (shown(line)) {
            builder.Notice(std::exchange(skipped, 0));
            if (line == focusLine)
                excerpt.focusBlock = builder.Blocks();
            builder.Line(text.mid(at, (ended ? end : text.size()) - at), ended);
            if (line <= headLines && excerpt.text.size() >= limits.headChars)
                headLines = line;
            excerpt.missingLineEnd = !ended;
        } else {
            ++skipped;
        }
        at = ended ? end + 1 : text.size();
    }
    builder.Notice(skipped);
    if (skipped > 0)
        excerpt.missingLineEnd = false;
    return excerpt;
}

std::pair<CharRange, CharRange> DifferingParts(QStringView expected, QStringView actual)
{
    const qsizetype shorter = std::min(expected.size(), actual.size());
    qsizetype start = 0;
    while (start < shorter && expected[start] == actual[start])
        ++start;
    qsizetype end = 0;  // characters in common at the end, after start
    while (end < shorter - start && expected[expected.size() - 1 - end] == actual[actual.size() - 1 - end])
        ++end;
    // Never split a surrogate pair.
    if (start > 0 && expected.size() > start && QChar::isLowSurrogate(expected[start].unicode()))
        --start;
    if (end > 0 && QChar::isLowSurrogate(expected[expected.size() - end].unicode()))
        --end;
    return {CharRange{start, expected.size() - end - start}, CharRange{start, actual.size() - end - start}};
}

}  // namespace output
