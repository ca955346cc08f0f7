// A run's text in a document, without a widget: links, columns, counts, blocks and colours.
#include "output/OutputFormatter.h"
#include "output/WrappedBlocks.h"

#include "tests/support/DarkPalette.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <cmath>

using namespace output;
using runner::Stream;

namespace {

// Each anchor of the document: "shown text → path relative to folder:line:column".
QStringList Links(const OutputFormatter& formatter, const TempFolder& folder)
{
    QStringList links;
    for (QTextBlock block = formatter.Document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isAnchor())
                continue;
            const std::optional<LinkPlace> place = formatter.Link(format.anchorHref());
            links << (place ? QString("%1 → %2:%3:%4")
                                  .arg(it.fragment().text(), QString(place->path).remove(folder.Path()))
                                  .arg(place->line)
                                  .arg(place->column)
                            : it.fragment().text() + " → nothing");
        }
    }
    return links;
}

class OutputFormatterTest : public ::testing::Test {
protected:
    OutputFormatterTest()
    {
        for (const char* file : {"A.java", "Sub.java", "p/Q.java"})
            folder.Write(file);
    }
    HintContext Context() const
    {
        HintContext context;
        context.folder = folder.Path();
        return context;
    }

    TempFolder folder;
    QTextDocument document;
    OutputFormatter formatter{&document};
};

// A link's column comes from the caret line of its own message, found by the link's index in the table: another
// stream's link between them, or a message whose file is missing, must not shift it.
TEST_F(OutputFormatterTest, LinksOpenTheirFileAtTheLineAndJavacsCaretColumn)
{
    formatter.BeginMarkup(Context(), {});
    const std::pair<const char*, Stream> pieces[] = {
        {"A.java:3: error: ';' expected\n        int x = 1\n", Stream::Error},
        {"\tat p.Q.m(Q.java:2)\n", Stream::Output},
        {"                 ^\n", Stream::Error},
        {"B.java:1: error: y\n  y\n  ^\n", Stream::Error},
        {"Sub.java:2: warning: [cast] redundant cast\n    z\n     ^\n", Stream::Error},
        {"A.java:1: error: typed\n", Stream::Input},
        {"Sub.java:9: error: the last, without its caret\n", Stream::Error},
    };
    QString all;
    for (const auto& [text, stream] : pieces) {
        formatter.Append(QString::fromUtf8(text), stream);
        all += QString::fromUtf8(text);
    }
    formatter.Finish(Stream::Output);
    formatter.Finish(Stream::Error);

    EXPECT_EQ(Links(formatter, folder), (QStringList{"A.java:3 → A.java:3:18", "Q.java:2 → p/Q.java:2:0",
                                                     "Sub.java:2 → Sub.java:2:6", "Sub.java:9 → Sub.java:9:0"}));
    EXPECT_EQ(formatter.LinkCount(), 4);
    EXPECT_EQ(formatter.Errors(), 3) << "B.java's error counts though its file is missing; typed text never does";
    EXPECT_EQ(formatter.Warnings(), 1);
    EXPECT_EQ(document.toPlainText(), all);
}

// javac stops at 100 errors; a dump of file names keeps the first 2000 links and stays text after them.
TEST_F(OutputFormatterTest, KeepsTheFirst2000LinksAndTheRestStayText)
{
    formatter.BeginMarkup(Context(), {});
    QString text;
    for (int i = 1; i <= 2100; ++i)
        text += QString("A.java:%1: error: x\n").arg(i);
    formatter.Append(text, Stream::Error);
    const QStringList links = Links(formatter, folder);
    EXPECT_EQ(links.size(), 2000);
    EXPECT_EQ(links.last(), "A.java:2000 → A.java:2000:0");
    EXPECT_EQ(formatter.Errors(), 2100);
    EXPECT_EQ(document.toPlainText(), text);
}

// A long run goes in as few blocks (a document pays for each), but a line with Japanese text has a block of its
// own: in one block, javac's caret would take the script of the text before it and leave its column.
TEST_F(OutputFormatterTest, PlainLinesShareBlocksButJapaneseLinesStandAlone)
{
    formatter.BeginMarkup(Context(), {});
    QString text;
    for (int i = 0; i < 1000; ++i)
        text += i == 500 ? QString("エラー1個\n") : QString("line %1\n").arg(i);
    int pieces = 0;
    for (qsizetype at = 0; at < text.size(); at += 777, ++pieces)
        formatter.Append(QStringView(text).mid(at, 777), Stream::Output);
    EXPECT_EQ(document.toPlainText(), text);
    // A block ends after 16 lines, at the last line break of each piece, and around the Japanese line.
    EXPECT_LE(document.blockCount(), 1000 / 16 + pieces + 3);
    const QTextBlock japanese = document.findBlock(static_cast<int>(text.indexOf(u"エラー")));
    EXPECT_EQ(japanese.text(), "エラー1個");
}

double Luminance(const QColor& c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double high = qMax(Luminance(a), Luminance(b));
    const double low = qMin(Luminance(a), Luminance(b));
    return (high + 0.05) / (low + 0.05);
}

// Errors, input, links and hints: each a colour of its own, with a contrast of 4.5:1. A hint is a block of its
// own that wraps, under the stack trace of the line it explains.
TEST_F(OutputFormatterTest, EveryColourReadsOnALightAndADarkBaseAndHintsHaveWrappedLinesOfTheirOwn)
{
    const QList<HintRule> rules{{"exception", nullptr, [](QStringView line, const HintContext&) {
                                     return line.startsWith(u"Exception") ? QStringLiteral("引数を与えましたか")
                                                                          : QString();
                                 }}};
    for (const QPalette& palette : {QApplication::palette(), DarkPalette()}) {
        QTextDocument text;
        OutputFormatter coloured(&text);
        coloured.SetPalette(palette);
        coloured.BeginMarkup(Context(), rules);
        coloured.Append(u"plain\n", Stream::Output);
        coloured.Append(u"A.java:1: error: x\n", Stream::Error);
        coloured.Append(u"Exception in thread \"main\"\n\tat A.main(A.java:1)\nafter\n", Stream::Output);
        coloured.Append(u"typed\n", Stream::Input);
        EXPECT_EQ(text.toPlainText(), "plain\nA.java:1: error: x\nException in thread \"main\"\n"
                                      "\tat A.main(A.java:1)\nヒント: 引数を与えましたか\nafter\ntyped\n");
        const QColor base = palette.color(QPalette::Base);
        QSet<QRgb> colours;
        for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
            EXPECT_EQ(block.userState() == WrappedBlocks::kWrapped, block.text().startsWith("ヒント: "))
                << block.text().toStdString();
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QBrush brush = it.fragment().charFormat().foreground();
                const QColor colour = brush.style() == Qt::NoBrush ? palette.color(QPalette::Text) : brush.color();
                EXPECT_GE(Contrast(colour, base), 4.5)
                    << it.fragment().text().toStdString() << " in " << colour.name().toStdString() << " on "
                    << base.name().toStdString();
                colours.insert(colour.rgb());
            }
        }
        EXPECT_EQ(colours.size(), 5) << "text, error, link, input and hint";
    }
}

}  // namespace
