#include "output/CaseTextPane.h"

#include "judge/CaseHints.h"
#include "output/ReadableColour.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>

namespace output {

namespace {

// Full-width characters beyond this many are left unmarked: a page of them
// says enough, and each mark costs layout time.
constexpr int kMostFullWidthMarks = 2000;

// Full-width digits, letters, signs of numbers and the full-width space: they
// look like what a judge expects and are not.
bool IsFullWidthLookAlike(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x3000 || (u >= 0xFF0B && u <= 0xFF19) || (u >= 0xFF21 && u <= 0xFF3A) || (u >= 0xFF41 && u <= 0xFF5A);
}

// base moved towards tint, so text in the palette's colour stays readable.
QColor Tinted(const QColor& base, const QColor& tint, double amount)
{
    const auto mix = [amount](int from, int to) { return int(from + (to - from) * amount); };
    return QColor(mix(base.red(), tint.red()), mix(base.green(), tint.green()), mix(base.blue(), tint.blue()));
}

}  // namespace

CaseTextPane::CaseTextPane(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
}

void CaseTextPane::ShowText(QStringView text, int focusLine, CharRange differing, bool markFullWidth)
{
    m_markFullWidth = markFullWidth;
    m_excerpt = Excerpt(text, focusLine);
    m_differing = differing;
    m_cut = m_excerpt.cut;
    setPlainText(m_excerpt.text);
    QTextCursor cursor(document());
    for (const int notice : m_excerpt.notices) {
        cursor.setPosition(document()->findBlockByNumber(notice).position());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.setCharFormat(GreyFormat());
    }
    if (m_excerpt.missingLineEnd) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(judge::NoLineEndMark(), GreyFormat());
    }
    Mark();
    moveCursor(QTextCursor::Start);
}

void CaseTextPane::ShowNotice(const QString& notice)
{
    m_excerpt = {};
    m_differing = {};
    m_cut = false;
    m_markFullWidth = false;
    clear();
    QTextCursor(document()).insertText(notice, GreyFormat());
    Mark();
}

QTextCharFormat CaseTextPane::GreyFormat() const
{
    QTextCharFormat grey;
    grey.setForeground(ReadableOn(palette().color(QPalette::Base), palette().color(QPalette::PlaceholderText)));
    grey.setFontItalic(true);
    return grey;
}

// The marks are extra selections, so that they follow the palette without
// touching the text.
void CaseTextPane::Mark()
{
    QList<QTextEdit::ExtraSelection> marks;
    const QColor base = palette().color(QPalette::Base);
    m_focusBlock = m_excerpt.focusBlock;
    m_highlighted = {};
    if (const QTextBlock block = document()->findBlockByNumber(m_focusBlock); block.isValid()) {
        QTextEdit::ExtraSelection line;
        line.format.setBackground(Tinted(base, QColor(255, 196, 0), 0.3));
        line.format.setProperty(QTextFormat::FullWidthSelection, true);
        line.cursor = QTextCursor(block);
        marks << line;
        const qsizetype start = std::min<qsizetype>(m_differing.start, block.length() - 1);
        const qsizetype length = std::min<qsizetype>(m_differing.length, block.length() - 1 - start);
        if (length > 0) {
            QTextEdit::ExtraSelection part;
            part.format.setBackground(Tinted(base, QColor(255, 64, 64), 0.5));
            part.cursor = QTextCursor(block);
            part.cursor.setPosition(block.position() + int(start));
            part.cursor.setPosition(block.position() + int(start + length), QTextCursor::KeepAnchor);
            marks << part;
            m_highlighted = {start, length};
        }
    }
    m_fullWidthMarks = 0;
    const QString shown = m_markFullWidth ? document()->toPlainText() : QString();
    QTextCharFormat fullWidth;
    fullWidth.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    fullWidth.setUnderlineColor(Tinted(base, QColor(255, 64, 64), 0.8));
    for (qsizetype at = 0; at < shown.size() && m_fullWidthMarks < kMostFullWidthMarks; ++at) {
        if (!IsFullWidthLookAlike(shown[at]))
            continue;
        QTextEdit::ExtraSelection mark;
        mark.format = fullWidth;
        mark.cursor = QTextCursor(document());
        mark.cursor.setPosition(int(at));
        mark.cursor.setPosition(int(at + 1), QTextCursor::KeepAnchor);
        marks << mark;
        ++m_fullWidthMarks;
    }
    setExtraSelections(marks);
}

void CaseTextPane::ShowFocus()
{
    const QTextBlock block = document()->findBlockByNumber(std::max(0, m_focusBlock));
    QTextCursor cursor(block);
    if (m_focusBlock >= 0)
        cursor.setPosition(block.position() + int(std::min<qsizetype>(m_highlighted.start, block.length() - 1)));
    setTextCursor(cursor);
    centerCursor();
}

void CaseTextPane::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        Mark();
}

}  // namespace output
