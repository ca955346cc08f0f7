#include "generators/TemplateText.h"

namespace gen {

namespace {

bool IsPlaceholderKind(QChar kind) { return kind == u's' || kind == u'd' || kind == u'c'; }

// Walks the template once, handing each piece of the result to sink in order.
template <class Sink>
void ForEachPiece(QStringView tmpl, std::initializer_list<QStringView> args, Sink&& sink)
{
    const QChar* text = tmpl.data();
    const qsizetype size = tmpl.size();
    const QStringView* next = args.begin();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\n' && c != u'%')
            continue;
        const bool lineEnd = c == u'\n';
        if (!lineEnd && (i + 1 >= size || !IsPlaceholderKind(text[i + 1])))
            continue;
        sink(QStringView(text + runStart, i - runStart));
        if (lineEnd) {
            sink(kLineEnd);
        } else {
            if (next != args.end())
                sink(*next);
            if (next + 1 < args.end())
                ++next;
            ++i;
        }
        runStart = i + 1;
    }
    sink(QStringView(text + runStart, size - runStart));
}

}  // namespace

void Append(QString& out, QStringView tmpl, std::initializer_list<QStringView> args)
{
    ForEachPiece(tmpl, args, [&out](QStringView piece) { out.append(piece); });
}

Template::Template(QStringView text)
{
    int argCount = 0;
    const QChar* data = text.data();
    std::u16string literal;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = data[i].unicode();
        if (c == u'\n') {
            literal += u"\r\n";
            continue;
        }
        if (c == u'%' && i + 1 < text.size() && IsPlaceholderKind(data[i + 1])) {
            m_pieces.push_back({-1, std::move(literal)});
            m_pieces.push_back({argCount++, {}});
            literal.clear();
            ++i;
            continue;
        }
        literal += c;
    }
    m_pieces.push_back({-1, std::move(literal)});
}

void Template::AppendTo(std::u16string& out, std::initializer_list<QStringView> args) const
{
    for (const Piece& piece : m_pieces) {
        if (piece.arg < 0) {
            out += piece.text;
        } else if (args.size() > 0) {
            const size_t index = std::min<size_t>(static_cast<size_t>(piece.arg), args.size() - 1);
            AppendView(out, args.begin()[index]);
        }
    }
}

void AppendLines(QString& out, std::span<const TemplateLine> lines, bool comments)
{
    for (const TemplateLine& line : lines) {
        if (comments || !line.commentsOnly)
            Append(out, line.text);
    }
}

QString JavaStringText(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        // A line break inside a literal does not compile; write it as its escape.
        if (c == u'\r' || c == u'\n') {
            result.append(c == u'\r' ? u"\\r" : u"\\n");
            continue;
        }
        if (c == u'"' || c == u'\\')
            result.append(u'\\');
        result.append(c);
    }
    return result;
}

QString JavaCharText(const QString& character)
{
    if (character == u"'" || character == u"\\")
        return QStringLiteral("\\") + character;
    return character;
}

QString JavaCommentText(const QString& text)
{
    QString result;
    result.reserve(text.size() + 2);
    qsizetype backslashes = 0;  // directly before the current character
    for (QChar c : text) {
        // A line break would end a line comment: the rest would become code.
        if (c == u'\r' || c == u'\n')
            c = u' ';
        // A backslash starts an escape after an even run of backslashes only.
        if (c == u'u' && backslashes % 2 == 1)
            result.append(u'\\');
        backslashes = c == u'\\' ? backslashes + 1 : 0;
        result.append(c);
    }
    return result;
}

QString HtmlEscaped(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': result.append(u"&quot;"); break;
        case u'<': result.append(u"&lt;"); break;
        case u'>': result.append(u"&gt;"); break;
        case u'&': result.append(u"&amp;"); break;
        default: result.append(c);
        }
    }
    return result;
}

}  // namespace gen
