#pragma once
// Puts a run's text into a document, line by line through the markup chain:
// links become anchors that open the file they resolve to, a javac message's
// link takes its column from the caret line under it, a hint gets a block of
// its own, errors and warnings are counted, and plain lines share blocks so
// that a long output goes in quickly. Needs no widget; the view that shows
// the document keeps the queue, the timing, the scrolling and the mouse.
#include "output/OutputMarkup.h"

#include <QTextCharFormat>

#include <memory>
#include <optional>

class QPalette;
class QTextCursor;
class QTextDocument;

namespace output {

// Where a link opens.
struct LinkPlace {
    QString path;
    int line = 0;
    int column = 0;  // 0: the line alone
};

class OutputFormatter {
public:
    explicit OutputFormatter(QTextDocument* document);
    ~OutputFormatter();
    OutputFormatter(const OutputFormatter&) = delete;
    OutputFormatter& operator=(const OutputFormatter&) = delete;

    QTextDocument* Document() const { return m_document; }
    // The colours of the streams, links and hints, readable on the palette's base.
    void SetPalette(const QPalette& palette);
    // The text from here on is marked up; links resolve in the context's folder.
    void BeginMarkup(HintContext context, QList<HintRule> rules = LearnerHintRules());
    // Inserts text at the end of the document: whole lines, or a piece of a
    // line that goes on later (inserted as it is). The text holds no CR.
    void Append(QStringView text, runner::Stream stream);
    // The stream ended: inserts the hint it still held back.
    void Finish(runner::Stream stream);

    // The place a link's anchor (its anchorHref) opens.
    std::optional<LinkPlace> Link(QStringView anchor) const;
    int LinkCount() const { return static_cast<int>(m_links.size()); }
    int Errors() const { return m_errors; }
    int Warnings() const { return m_warnings; }

private:
    QStringList ResolveLinks(QList<SourceLink>& links);
    void InsertLine(QTextCursor& cursor, QStringView line, const Markup& markup, const QStringList& paths,
                    const QTextCharFormat& format);
    void InsertHint(QTextCursor& cursor, const QString& hint);
    void Insert(QTextCursor& cursor, QString text, const QTextCharFormat& format);
    void Count(std::optional<SourceLink::Kind> kind);
    void FollowMessageLink(const Markup& markup, runner::Stream stream);
    const QTextCharFormat& FormatOf(runner::Stream stream) const;

    QTextDocument* m_document;
    std::unique_ptr<MarkupChain> m_markup;
    LinkResolver m_resolver;
    QTextCharFormat m_formats[3];  // by stream
    QTextCharFormat m_hintFormat;
    QColor m_linkColour;
    QList<LinkPlace> m_links;
    int m_messageLink[3] = {-1, -1, -1};  // by stream: the link of the javac message being read
    int m_errors = 0;
    int m_warnings = 0;
    int m_blockLines = 0;  // in the last block
    qsizetype m_blockChars = 0;
    bool m_lineAscii = true;  // the last line so far
};

}  // namespace output
