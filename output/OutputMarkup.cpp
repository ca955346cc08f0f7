#include "output/OutputMarkup.h"

#include <QRegularExpression>

#include <algorithm>

namespace output {

// Where the parts of a javac message lie in a line, without copying any.
struct JavacParts {
    qsizetype nameEnd = -1;    // after ".java"
    qsizetype numberEnd = -1;  // after the line number
    int line = 0;
    SourceLink::Kind kind = SourceLink::Kind::Error;
    qsizetype textStart = -1;  // after "error: "
};

namespace {

constexpr QStringView kJavacSuffix = u".java:";

// Whether text holds marker: a search for its first character, which the
// library does with vector instructions, is several times quicker than a
// search for a short string where that character is rare.
bool Holds(QStringView text, QStringView marker)
{
    const QChar first = marker.front();
    for (qsizetype at = text.indexOf(first); at >= 0; at = text.indexOf(first, at + 1)) {
        if (text.mid(at).startsWith(marker))
            return true;
    }
    return false;
}

int LineNumber(QStringView digits)
{
    bool ok = false;
    const int line = digits.toInt(&ok);
    return ok && line > 0 ? line : 0;
}

// Read by hand: compiler output can be a million lines. A name that begins
// with a blank or holds a double quote is a source line quoting a message.
std::optional<JavacParts> FindJavacParts(QStringView line)
{
    constexpr QStringView kSuffix = kJavacSuffix;
    const qsizetype suffix = line.indexOf(kSuffix);
    if (suffix <= 0 || line.front().isSpace() || line.left(suffix).contains(QLatin1Char('"')))
        return std::nullopt;
    JavacParts parts;
    parts.nameEnd = suffix + 5;
    qsizetype end = suffix + kSuffix.size();
    constexpr int kLargest = 99999999;  // lines of a real source file
    for (; end < line.size() && line[end] >= u'0' && line[end] <= u'9' && parts.line <= kLargest; ++end)
        parts.line = parts.line * 10 + (line[end].unicode() - u'0');
    parts.numberEnd = end;
    if (parts.line == 0 || !line.mid(end).startsWith(u": "))
        return std::nullopt;
    const QStringView rest = line.mid(end + 2);
    static constexpr struct {
        QStringView word;
        SourceLink::Kind kind;
    } kKinds[] = {{u"error:", SourceLink::Kind::Error},
                  {u"エラー:", SourceLink::Kind::Error},
                  {u"warning:", SourceLink::Kind::Warning},
                  {u"警告:", SourceLink::Kind::Warning}};
    for (const auto& [word, kind] : kKinds) {
        if (!rest.isEmpty() && rest.front() == word.front() && rest.startsWith(word)) {
            const qsizetype text = end + 2 + word.size();
            parts.kind = kind;
            parts.textStart = text < line.size() && line[text] == u' ' ? text + 1 : text;
            return parts;
        }
    }
    return std::nullopt;
}

// Blanks, then javac's caret.
std::optional<int> CaretColumn(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    if (trimmed != u"^")
        return std::nullopt;
    return static_cast<int>(line.indexOf(QLatin1Char('^')));
}

// What Character.isJavaIdentifierStart and isJavaIdentifierPart accept.
QString Identifier()
{
    return QStringLiteral(R"([\p{L}\p{Nl}\p{Sc}\p{Pc}][\p{L}\p{Nl}\p{Sc}\p{Pc}\p{Nd}\p{Mn}\p{Mc}\p{Cf}]*)");
}

// "at [loader/][module[@version]/]pkg.Class$Inner.method(File.java:12)".
const QRegularExpression kFrame(
    QStringLiteral(
        R"(^\s*at (?:([^\s(/]*)/)?(?:([^\s(/]*)/)?(%1(?:\.%1)*)\.(%1|<init>|<clinit>)\(([^():/]+\.java):(\d+)\))")
        .arg(Identifier()),
    QRegularExpression::UseUnicodePropertiesOption);

// Frames that a user's file of the same name must not claim.
bool IsJdkFrame(QStringView module, QStringView package)
{
    for (const QStringView prefix : {u"java.", u"jdk."}) {
        if (module.startsWith(prefix))
            return true;
    }
    if (!module.isEmpty())
        return false;
    for (const QStringView prefix : {u"java.", u"javax.", u"jdk.", u"sun.", u"com.sun."}) {
        if (package.startsWith(prefix))
            return true;
    }
    return false;
}

}  // namespace

JavacMessageParser::JavacMessageParser(const QList<HintRule>& rules, const HintContext& context)
    : m_rules(rules)
    , m_context(context)
{
    for (const HintRule& rule : rules)
        m_keepText = m_keepText || rule.message != nullptr;
}

LineParser::Result JavacMessageParser::Parse(QStringView line, Markup& markup)
{
    std::optional<JavacParts> parts;
    switch (m_expect) {
    case Expect::Message: return Begin(line, FindJavacParts(line), markup);
    case Expect::Source:
        if ((parts = FindJavacParts(line)))
            break;
        m_message.sourceLine = line.toString();
        m_expect = Expect::Caret;
        return Result::InProgress;
    case Expect::Caret:
        if (const std::optional<int> column = CaretColumn(line)) {
            const int first = m_message.caretColumn;  // a repeat's link opens its own column
            m_message.caretColumn = *column;
            markup.column = m_message.Column();
            if (m_message.places > 1)
                m_message.caretColumn = first;
            m_expect = Expect::Details;
            return Result::InProgress;
        }
        parts = FindJavacParts(line);
        break;
    case Expect::Details:
        if (line.startsWith(u"  ")) {
            if (m_hinted && m_message.places == 1)
                m_message.details << line.trimmed().toString();
            return Result::InProgress;
        }
        parts = FindJavacParts(line);
        break;
    }
    const bool repeat = Repeats(line, parts);
    if (!repeat)
        markup.hintBefore = Complete();
    return Begin(line, parts, markup, repeat);
}

bool JavacMessageParser::Repeats(QStringView line, const std::optional<JavacParts>& parts) const
{
    return parts && m_hinted && parts->kind == SourceLink::Kind::Error && m_message.details.isEmpty()
           && parts->line == m_message.line && line.mid(parts->textStart) == m_message.text
           && line.left(parts->nameEnd) == m_message.file;
}

LineParser::Result JavacMessageParser::Begin(QStringView line, const std::optional<JavacParts>& parts, Markup& markup,
                                             bool repeat)
{
    if (!parts)
        return Result::NotHandled;
    SourceLink link;
    link.kind = parts->kind;
    link.line = parts->line;
    link.file = line.left(parts->nameEnd).toString();
    link.length = parts->numberEnd;
    markup.counted = link.kind;
    markup.links << std::move(link);
    m_expect = Expect::Source;
    if (repeat) {
        ++m_message.places;
        return Result::InProgress;
    }
    m_message = JavacMessage();
    m_hinted = m_keepText && parts->kind == SourceLink::Kind::Error;
    if (m_hinted) {
        m_message.kind = parts->kind;
        m_message.file = line.left(parts->nameEnd).toString();
        m_message.line = parts->line;
        m_message.text = line.mid(parts->textStart).toString();
    }
    return Result::InProgress;
}

QString JavacMessageParser::Complete()
{
    m_expect = Expect::Message;
    QString hint = m_hinted ? HintFor(m_rules, m_message, m_context) : QString();
    if (hint.isEmpty() || m_given.contains(hint))
        return {};
    m_given.insert(hint);
    return hint;
}

QString JavacMessageParser::Finish() { return m_expect == Expect::Message ? QString() : Complete(); }

LineParser::Result StackFrameParser::Parse(QStringView line, Markup& markup)
{
    if (!line.trimmed().startsWith(u"at ") || !line.contains(u".java:"))
        return Result::NotHandled;
    const QRegularExpressionMatch frame = kFrame.match(line);
    if (!frame.hasMatch())
        return Result::NotHandled;
    const QStringView module = frame.hasCaptured(2) ? frame.capturedView(2) : frame.capturedView(1);
    const QStringView className = frame.capturedView(3);
    const QStringView package = className.left(qMax<qsizetype>(0, className.lastIndexOf(QLatin1Char('.'))));
    const int number = LineNumber(frame.capturedView(6));
    if (number == 0 || IsJdkFrame(module, package))
        return Result::Done;
    SourceLink link;
    link.kind = SourceLink::Kind::Trace;
    link.package = package.toString();
    link.file = frame.captured(5);
    link.line = number;
    link.start = frame.capturedStart(5);
    link.length = frame.capturedEnd(6) - link.start;
    markup.links << std::move(link);
    return Result::Done;
}

LineHintParser::LineHintParser(const QList<HintRule>& rules, const HintContext& context)
    : m_rules(rules)
    , m_context(context)
{}

LineParser::Result LineHintParser::Parse(QStringView line, Markup& markup)
{
    markup.hint = HintFor(m_rules, line, m_context);
    return markup.hint.isEmpty() ? Result::NotHandled : Result::Done;
}

MarkupChain::MarkupChain(HintContext context, QList<HintRule> rules)
    : m_context(std::move(context))
    , m_rules(std::move(rules))
{
    for (const HintRule& rule : m_rules) {
        if (rule.line && rule.marker.isEmpty())
            m_anyLine = true;
        else if (rule.line && !m_markers.contains(rule.marker))
            m_markers << rule.marker;
    }
    m_markerInJavac = std::any_of(m_markers.begin(), m_markers.end(),
                                  [](QStringView marker) { return QStringView(kJavacSuffix).contains(marker); });
}

namespace {

// The lines a stack trace continues with under its exception's line.
bool ContinuesTrace(QStringView line)
{
    return line.startsWith(u"\tat ") || line.startsWith(u"\t... ") || line.startsWith(u"Caused by: ")
           || line.startsWith(u"\tSuppressed: ") || line.startsWith(u"\t\tat ") || line.startsWith(u"\t\t... ");
}

}  // namespace

Markup MarkupChain::MarkLine(QStringView line, runner::Stream stream)
{
    Markup markup;
    if (stream == runner::Stream::Input)
        return markup;
    Parsers& parsers = Of(stream);
    if (!parsers.traceHint.isEmpty() && !ContinuesTrace(line))
        markup.hintBefore = std::exchange(parsers.traceHint, QString());
    MarkWith(parsers, line, markup);
    // A hint goes under the whole stack trace, not between the exception and its frames.
    if (!markup.hint.isEmpty() && parsers.traceHint.isEmpty())
        parsers.traceHint = std::exchange(markup.hint, QString());
    return markup;
}

void MarkupChain::MarkWith(Parsers& parsers, QStringView line, Markup& markup)
{
    LineParser* const held = std::exchange(parsers.inProgress, nullptr);
    if (held && held->Parse(line, markup) != LineParser::Result::NotHandled) {
        parsers.inProgress = held;  // went on, or began a message of its own again
        return;
    }
    for (LineParser* parser : {static_cast<LineParser*>(&parsers.javac), static_cast<LineParser*>(&parsers.frames),
                               static_cast<LineParser*>(&parsers.lines)}) {
        if (parser == held)
            continue;  // it has just declined the line
        const LineParser::Result result = parser->Parse(line, markup);
        if (result == LineParser::Result::InProgress)
            parsers.inProgress = parser;
        if (result != LineParser::Result::NotHandled)
            break;
    }
}

bool MarkupChain::MayMark(QStringView text, runner::Stream stream) const
{
    if (stream == runner::Stream::Input)
        return false;
    const Parsers& parsers = stream == runner::Stream::Error ? m_error : m_output;
    if (parsers.inProgress || !parsers.traceHint.isEmpty() || m_anyLine)
        return true;
    // Each search reads the whole text: text without a marker that is part
    // of ".java:" holds no ".java:" either.
    for (const QStringView marker : m_markers) {
        if (Holds(text, marker))
            return true;
    }
    return !m_markerInJavac && text.contains(kJavacSuffix);
}

QString MarkupChain::Finish(runner::Stream stream)
{
    if (stream == runner::Stream::Input)
        return {};
    Parsers& parsers = Of(stream);
    LineParser* const held = std::exchange(parsers.inProgress, nullptr);
    const QString hint = held ? held->Finish() : QString();
    return hint.isEmpty() ? std::exchange(parsers.traceHint, QString()) : hint;
}

}  // namespace output
