#pragma once
// Marks up a tool's output line by line: the links a line holds, whether it
// is a compiler error or warning, and a hint for learners. A chain of small
// parsers looks at each line; a parser that has begun a message of several
// lines (javac quotes the source line and puts a caret under it) sees the
// next lines of its stream first. Qt Core only: the view inserts the result.
#include "output/LearnerHints.h"
#include "output/OutputLinks.h"
#include "runner/Stream.h"

#include <QList>
#include <QSet>
#include <QStringView>

#include <optional>

namespace output {

struct Markup {
    QList<SourceLink> links;                  // ranges of the line that open a source line
    std::optional<SourceLink::Kind> counted;  // a compiler error or warning, for the summary
    QString hint;                             // "ヒント: …", a line of its own under this line
    QString hintBefore;                       // the hint of a message that ended just before this line
    int column = 0;  // on javac's caret line: the column (from 1) that the message's link opens
    bool IsPlain() const
    {
        return links.isEmpty() && !counted && hint.isEmpty() && hintBefore.isEmpty() && column == 0;
    }
};

class LineParser {
public:
    enum class Result { NotHandled, Done, InProgress };
    virtual ~LineParser() = default;
    // One line without its LF. InProgress: the parser wants the stream's next
    // line before any other parser.
    virtual Result Parse(QStringView line, Markup& markup) = 0;
    // The stream ended: the hint of a message still held back, else empty.
    virtual QString Finish() { return {}; }
};

struct JavacParts;

// "Hello.java:5: error: …" (also "エラー", "警告"), then the quoted source
// line, the caret line and javac's indented details ("  symbol: …"). Only
// errors get hints: warnings can come by the thousand. The message's hint
// goes under its last line, which is known only when the
// next line comes (hintBefore) or the stream ends. Errors of the same text
// in a row on one line (a full-width space at each of 20 places) are one
// message to the rules, hinted under the last; a hint already given is not
// given again.
class JavacMessageParser : public LineParser {
public:
    JavacMessageParser(const QList<HintRule>& rules, const HintContext& context);
    Result Parse(QStringView line, Markup& markup) override;
    QString Finish() override;

private:
    enum class Expect { Message, Source, Caret, Details };
    Result Begin(QStringView line, const std::optional<JavacParts>& parts, Markup& markup, bool repeat = false);
    bool Repeats(QStringView line, const std::optional<JavacParts>& parts) const;
    QString Complete();

    const QList<HintRule>& m_rules;
    const HintContext& m_context;
    bool m_keepText = false;  // only hint rules read the message's text
    bool m_hinted = false;    // the message is an error and rules read it
    Expect m_expect = Expect::Message;
    JavacMessage m_message;
    QSet<QString> m_given;  // the hints given in this run
};

// "\tat pkg.Class.method(File.java:12)" with Java identifiers in any
// script; frames of the JDK's own modules and packages get no link.
class StackFrameParser : public LineParser {
public:
    Result Parse(QStringView line, Markup& markup) override;
};

// A line no other parser took, given to the hint rules.
class LineHintParser : public LineParser {
public:
    LineHintParser(const QList<HintRule>& rules, const HintContext& context);
    Result Parse(QStringView line, Markup& markup) override;

private:
    const QList<HintRule>& m_rules;
    const HintContext& m_context;
};

class MarkupChain {
public:
    explicit MarkupChain(HintContext context = {}, QList<HintRule> rules = LearnerHintRules());
    MarkupChain(const MarkupChain&) = delete;
    MarkupChain& operator=(const MarkupChain&) = delete;

    // One whole line without its LF. Typed input is never marked up.
    Markup MarkLine(QStringView line, runner::Stream stream);
    // Whether any line of text may get markup; false lets a view insert a
    // long run of plain lines at once.
    bool MayMark(QStringView text, runner::Stream stream) const;
    // The stream ended: the hint still held back, else empty.
    QString Finish(runner::Stream stream);

private:
    struct Parsers {
        Parsers(const QList<HintRule>& rules, const HintContext& context)
            : javac(rules, context)
            , lines(rules, context)
        {}
        JavacMessageParser javac;
        StackFrameParser frames;
        LineHintParser lines;
        LineParser* inProgress = nullptr;
        QString traceHint;  // a line hint held until the stack trace under its line ends
    };
    Parsers& Of(runner::Stream stream) { return stream == runner::Stream::Error ? m_error : m_output; }
    void MarkWith(Parsers& parsers, QStringView line, Markup& markup);

    HintContext m_context;
    QList<HintRule> m_rules;
    QList<QStringView> m_markers;  // of the line rules, each once
    bool m_anyLine = false;        // a line rule without a marker
    bool m_markerInJavac = false;  // a marker is part of ".java:"
    Parsers m_output{m_rules, m_context};
    Parsers m_error{m_rules, m_context};
};

}  // namespace output
