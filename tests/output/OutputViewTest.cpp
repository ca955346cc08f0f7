// The output window's text during a run.
#include "output/OutputDialog.h"
#include "runner/LineAssembler.h"

#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <random>

using namespace output;
using namespace runner;

namespace {

class OutputViewTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    FakeUserDialogs dialogs;
    TempFolder folder;

    static void Feed(OutputDialog& window, const QString& text, Stream stream = Stream::Output)
    {
        window.AppendText(text, stream);
        while (window.HasUnshownText())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();  // paints, and so lays out what shows
    }
    // Whether the last line of the text is wholly in view (the text ends with LF).
    static bool EndInView(const OutputDialog& window)
    {
        const QPlainTextEdit& edit = *window.Edit();
        QTextCursor last(edit.document());
        last.setPosition(edit.document()->characterCount() - 2);
        const QRect line = edit.cursorRect(last);
        return line.top() >= 0 && line.bottom() <= edit.viewport()->height();
    }
};

// Wide lines, a resize or binary text keep the end in view; scrolling up stops following.
TEST_F(OutputViewTest, FollowsTheEndUntilTheUserScrollsAway)
{
    OutputDialog window;
    window.BeginRun("java Wide", "java Wide", false, folder.Path());
    window.resize(420, 300);
    window.show();
    for (int i = 0; i < 40; ++i)
        Feed(window, QString("line %1\n").arg(i));
    Feed(window, QString(300, 'w') + "\n");
    for (int i = 0; i < 40; ++i)
        Feed(window, QString("more %1\n").arg(i));
    EXPECT_TRUE(EndInView(window)) << "after a line wider than the window";
    window.resize(700, 520);
    Feed(window, "after resizing\n");
    EXPECT_TRUE(EndInView(window)) << "after a resize";
    QByteArray bytes(1 << 20, Qt::Uninitialized);
    std::mt19937 random(7);
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    LineAssembler lines;
    Feed(window, lines.Push(bytes) + lines.Flush());
    EXPECT_TRUE(EndInView(window)) << "after binary text";

    QScrollBar* bar = window.Edit()->verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);  // as a wheel or the scroll bar does
    const int reading = bar->value();
    Feed(window, "while the user reads\n");
    EXPECT_EQ(bar->value(), reading) << "scrolled up: the view stays";
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    Feed(window, "back at the end\n");
    window.EndRun({ToolOutcome::Status::Finished, 0, 100});
    QCoreApplication::processEvents();
    EXPECT_TRUE(EndInView(window)) << "back at the end: following again, up to the outcome";
}

// Text cut anywhere; a CR never makes a line.
TEST_F(OutputViewTest, ShowsOneLineBreakPerLfWhicheverWayTheTextCame)
{
    const QString text = "a\rb\nc\r\n\rd\r\r\n";
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        OutputDialog window;
        window.BeginRun("java Cr", "java Cr", false, folder.Path());
        window.AppendText(text.left(cut), Stream::Output);
        window.AppendText(text.mid(cut), Stream::Output);
        window.EndRun({ToolOutcome::Status::Finished, 0, 100});
        EXPECT_TRUE(window.Text().startsWith("ab\nc\nd\n【")) << cut;
        EXPECT_EQ(window.Text(), window.Edit()->toPlainText()) << cut;
    }
}

// The longest hint the table knows, under the launcher's line (wider than the window), and the Scanner's under lines
// that fit across.
const std::pair<const char*, bool> kHintedOutputs[] = {
    {"Error: LinkageError occurred while loading main class Compact\n"
     "\tjava.lang.UnsupportedClassVersionError: Compact has been compiled by a more recent version of the Java Runtime "
     "(class file version 69.0), this version of the Java Runtime only recognizes class file versions up to 61.0\n",
     false},
    {"Exception in thread \"main\" java.util.InputMismatchException\n\tat In.main(In.java:5)\n", true}};

// At the first size, and narrower, a hint reads whole without scrolling; a tool's line stays one line.
TEST_F(OutputViewTest, HintsWrapAndTheFirstSizeShowsTheLongestWhole)
{
    for (const auto& [output, linesFit] : kHintedOutputs) {
        settings.WriteIni("");  // the first size
        OutputDialog window;
        window.BeginRun("java Compact", "java Compact", true, folder.Path());
        window.show();
        Feed(window, output, Stream::Error);
        window.EndRun({ToolOutcome::Status::Finished, 1, 100});
        for (const int width : {0, 420}) {
            if (width)
                window.resize(width, window.height());
            Feed(window, "");
            const QPlainTextEdit& edit = *window.Edit();
            for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
                const QTextLayout& layout = *block.layout();
                if (!block.text().startsWith("ヒント: ")) {
                    EXPECT_EQ(layout.lineCount(), block.text().count(QChar::LineSeparator) + 1);
                    continue;
                }
                QTextCursor last(block);
                last.movePosition(QTextCursor::EndOfBlock);
                EXPECT_GT(layout.lineCount(), 1) << width;
                EXPECT_LE(edit.cursorRect(last).bottom(), edit.viewport()->height()) << width;
                for (int i = 0; i < layout.lineCount(); ++i)
                    EXPECT_LE(layout.lineAt(i).naturalTextWidth(), edit.viewport()->width()) << width;
            }
            EXPECT_EQ(edit.verticalScrollBar()->maximum(), 0) << "everything shows at once; width " << width;
            if (linesFit && !width) {
                EXPECT_EQ(edit.horizontalScrollBar()->maximum(), 0) << "nothing to scroll sideways";
            }
        }
    }
}

}  // namespace
