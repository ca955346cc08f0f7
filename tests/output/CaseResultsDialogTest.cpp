// The results window following a real batch of cases: /bin/cat (its output
// is the case's input) and a small shell script stand in for a program.
#include "output/CaseResultsDialog.h"

#include "judge/CaseHints.h"
#include "output/CaseRulesBar.h"
#include "output/CaseTextPane.h"
#include "output/OutputView.h"

#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace output;
using judge::Verdict;

namespace output {
void PrintTo(const CharRange& range, std::ostream* out) { *out << range.start << "+" << range.length; }
}  // namespace output

namespace {

enum Column { NameColumn, VerdictColumn, TimeColumn, DifferenceColumn };

// The first line says what the program does; the rest is its input.
const QStringList kSteps = {"read",
                            "if:loop:spin",
                            "if:throw:drain",
                            "if:throw:err:Exception in thread \"main\" java.util.NoSuchElementException",
                            "if:throw:err:\tat java.base/java.util.Scanner.nextInt(Scanner.java:2258)",
                            "if:throw:err:\tat Main.main(Main.java:7)",
                            "if:throw:exit:1",
                            "cat"};

class CaseResultsTest : public ::testing::Test {
protected:
    TempFolder folder;
    QList<judge::TestCase> cases;

    // A case whose program prints actual; expected empty for a case without expected output.
    void AddCase(const QString& name, const QByteArray& actual, std::optional<QByteArray> expected)
    {
        judge::TestCase testCase{name, folder.Write(name + ".in", "print\n" + actual), {}};
        if (expected)
            testCase.expectedPath = folder.Write(name + ".out", *expected);
        cases << testCase;
    }
    platform::ProcessSpec Program() const { return {QStringLiteral(TW_FAKE_TOOL), kSteps, folder.Path()}; }

    static void WaitForEnd(judge::CaseBatch& batch)
    {
        QSignalSpy finished(&batch, &judge::CaseBatch::finished);
        if (batch.IsRunning()) {
            ASSERT_TRUE(finished.wait(20000));
        }
    }
    static QTreeWidget* Rows(const CaseResultsDialog& window) { return window.findChild<QTreeWidget*>("caseRows"); }
    static CaseTextPane* Pane(const CaseResultsDialog& window, const char* name)
    {
        return window.findChild<CaseTextPane*>(name);
    }
};

TEST_F(CaseResultsTest, RowsAndTitleFollowTheRuns)
{
    AddCase("sample-1", "6\n", "6\n");
    AddCase("sample-2", "７\n", "7\n");
    AddCase("ループ 3", "", "1\n");
    cases[2].inputPath = folder.Write("loop.in", "loop\n");
    AddCase("sample-4", "", std::nullopt);
    judge::CaseBatch batch(Program(), cases, {500, {}}, 1);
    batch.RunAll();  // before the window opens, as the command does
    CaseResultsDialog window(batch, {"Main.java", folder.Path(), folder.Path()}, {});
    window.show();
    QTreeWidget* rows = Rows(window);
    ASSERT_EQ(rows->topLevelItemCount(), 4);
    EXPECT_EQ(rows->topLevelItem(0)->text(VerdictColumn), "実行中…");
    EXPECT_EQ(rows->topLevelItem(1)->text(VerdictColumn), judge::VerdictName(Verdict::Pending));
    QStringList whileRunning;
    QObject::connect(&batch, &judge::CaseBatch::caseStarted, &window,
                     [&](int index) { whileRunning << rows->topLevelItem(index)->text(VerdictColumn); });
    WaitForEnd(batch);
    EXPECT_GE(whileRunning.size(), 2);
    whileRunning.removeDuplicates();
    EXPECT_EQ(whileRunning, QStringList{"実行中…"});
    const Verdict verdicts[] = {Verdict::Accepted, Verdict::WrongAnswer, Verdict::TimeLimit, Verdict::NotRun};
    for (int index = 0; index < 4; ++index) {
        const QTreeWidgetItem* row = rows->topLevelItem(index);
        EXPECT_EQ(row->text(NameColumn), cases[index].name);
        EXPECT_EQ(row->text(VerdictColumn), judge::VerdictName(verdicts[index])) << index;
        EXPECT_EQ(row->text(TimeColumn).endsWith(" 秒"), index < 3) << index;
    }
    EXPECT_EQ(rows->topLevelItem(1)->text(DifferenceColumn),
              "1 行目: 期待 " + judge::VisibleText(u"7") + "、出力 " + judge::VisibleText(u"７"));
    EXPECT_FALSE(rows->topLevelItem(3)->text(DifferenceColumn).isEmpty());  // why it did not run
    EXPECT_NE(rows->topLevelItem(0)->foreground(VerdictColumn), rows->topLevelItem(1)->foreground(VerdictColumn));
    EXPECT_EQ(window.windowTitle(), "Main.java — " + judge::SummaryText(1, batch.JudgedCount()));
}

// The first differing line is marked in both outputs and its differing
// characters highlighted; what cannot be seen gets a mark of its own.
TEST_F(CaseResultsTest, MarksTheDifferenceAndWhatCannotBeSeen)
{
    struct Row {
        const char* name;
        QByteArray expected;
        QByteArray actual;
        judge::CompareRule::Mode mode;
        int block;              // of the marked line in both outputs
        CharRange highlighted;  // in the program's output
        bool fullWidth;
        bool missingLineEnd;
    };
    using Mode = judge::CompareRule::Mode;
    const Row rows[] = {
        {"full-width digit", "1\n6\n", "1\n６\n", Mode::Lines, 1, {0, 1}, true, false},
        {"full-width space", "a b\n", "a　b\n", Mode::Lines, 0, {1, 1}, true, false},
        {"trailing blank", "1\n", "1 \n", Mode::Exact, 0, {1, 1}, false, false},
        {"missing final line end", "1\n2\n", "1\n2", Mode::Exact, -2, {}, false, true},
    };
    for (const Row& row : rows) {
        cases = {};
        AddCase(row.name, row.actual, row.expected);
        judge::CaseBatch batch(Program(), cases, {5000, {row.mode}});
        batch.RunAll();
        WaitForEnd(batch);
        ASSERT_EQ(batch.Result(0).verdict, Verdict::WrongAnswer) << row.name;
        CaseResultsDialog window(batch, {"Main.java", folder.Path(), folder.Path()}, {});
        const CaseTextPane* actual = Pane(window, "actualPane");
        if (row.block >= 0) {
            EXPECT_EQ(actual->FocusBlock(), row.block) << row.name;
            EXPECT_EQ(Pane(window, "expectedPane")->FocusBlock(), row.block) << row.name;
            EXPECT_EQ(actual->Highlighted(), row.highlighted) << row.name;
        }
        EXPECT_EQ(actual->FullWidthMarks() > 0, row.fullWidth) << row.name;
        EXPECT_EQ(actual->toPlainText().endsWith(judge::NoLineEndMark()), row.missingLineEnd) << row.name;
        EXPECT_FALSE(Pane(window, "expectedPane")->toPlainText().endsWith(judge::NoLineEndMark())) << row.name;
    }
}

// Up and Down choose a case, Enter shows its difference, the buttons and F5
// run again, and closing ends what runs.
TEST_F(CaseResultsTest, KeyboardAndButtons)
{
    AddCase("sample-1", "1\n", "1\n");
    AddCase("sample-2", "1\n2\n3\n", "1\n2\n4\n");
    judge::CaseBatch batch(Program(), cases, {5000, {}});
    batch.RunAll();
    WaitForEnd(batch);
    CaseResultsDialog window(batch, {"Main.java", folder.Path(), folder.Path()}, {});
    window.show();
    QApplication::setActiveWindow(&window);
    QTreeWidget* rows = Rows(window);
    rows->setFocus();
    QTest::keyClick(rows, Qt::Key_Down);
    EXPECT_EQ(rows->currentItem(), rows->topLevelItem(1));
    EXPECT_EQ(Pane(window, "inputPane")->toPlainText(), "print\n1\n2\n3\n");
    QTest::keyClick(rows, Qt::Key_Return);
    CaseTextPane* actual = Pane(window, "actualPane");
    EXPECT_TRUE(actual->hasFocus());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(actual->textCursor().blockNumber(), 2);

    QSignalSpy started(&batch, &judge::CaseBatch::caseStarted);
    window.findChild<QPushButton*>("runOneButton")->click();
    WaitForEnd(batch);
    EXPECT_EQ(started.size(), 1);
    EXPECT_EQ(started.at(0).at(0).toInt(), 1);
    folder.Write("sample-2.out", "1\n2\n3\n");  // mended between runs: shown as it is now
    QTest::keyClick(actual, Qt::Key_F5);
    WaitForEnd(batch);
    EXPECT_EQ(started.size(), 3);
    EXPECT_EQ(rows->topLevelItem(1)->text(VerdictColumn), judge::VerdictName(Verdict::Accepted));
    EXPECT_EQ(Pane(window, "expectedPane")->toPlainText(), "1\n2\n3\n");

    cases[0].inputPath = folder.Write("loop.in", "loop\n");
    judge::CaseBatch endless(Program(), cases, {60000, {}});
    CaseResultsDialog running(endless, {"Main.java", folder.Path(), folder.Path()}, {});
    running.show();
    endless.RunAll();
    ASSERT_TRUE(endless.IsRunning());
    QTest::keyClick(Rows(running), Qt::Key_Escape);
    EXPECT_FALSE(running.isVisible());
    EXPECT_FALSE(endless.IsRunning());
}

TEST_F(CaseResultsTest, RulesChosenInTheWindowAreTheBatchs)
{
    AddCase("sample-1", "1\n", "1\n");
    judge::CaseBatch batch(Program(), cases, {});
    CaseResultsDialog window(batch, {"Main.java", folder.Path(), folder.Path()}, {});
    QSignalSpy changed(&window, &CaseResultsDialog::rulesChanged);
    auto* bar = window.findChild<CaseRulesBar*>();
    bar->TimeLimit()->setValue(2.5);
    bar->Mode()->setCurrentIndex(bar->Mode()->findText("数値（誤差）"));
    bar->Tolerance()->setText("1e-9");
    Q_EMIT bar->Tolerance()->editingFinished();
    bar->Tolerance()->setText("-1");
    Q_EMIT bar->Tolerance()->editingFinished();
    EXPECT_EQ(bar->Tolerance()->text(), "1e-09");
    const judge::JudgeRules chosen{2500, {judge::CompareRule::Mode::Float, 1e-9}};
    EXPECT_EQ(window.Rules(), chosen);
    EXPECT_EQ(batch.Rules(), chosen);
    EXPECT_EQ(changed.size(), 3);
    EXPECT_EQ(window.findChild<QLabel*>("compareDescription")->text(), judge::DescribeCompareRule(chosen.compare));
}

// Enter in standard error opens the program's own frame of the stack trace.
TEST_F(CaseResultsTest, EnterInStandardErrorOpensTheSourceLine)
{
    const QString source = folder.Write("Main.java", "class Main {}\n");
    AddCase("sample-1", "", "3\n");
    cases[0].inputPath = folder.Write("throw.in", "throw\n1\n");
    judge::CaseBatch batch(Program(), cases, {5000, {}});
    batch.RunAll();
    WaitForEnd(batch);
    ASSERT_EQ(batch.Result(0).verdict, Verdict::RuntimeError);
    QStringList opened;
    CaseResultsDialog window(batch, {"Main.java", folder.Path(), folder.Path()},
                             [&](const QString& path, int line, int) { opened << path + ":" + QString::number(line); });
    window.show();
    auto* errors = window.findChild<OutputView*>("errorView");
    ASSERT_EQ(errors->LinkCount(), 1);
    errors->setFocus();
    QTest::keyClick(errors, Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{source + ":7"});
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
