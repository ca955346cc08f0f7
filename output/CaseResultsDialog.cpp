#include "output/CaseResultsDialog.h"

#include "judge/CaseHints.h"
#include "judge/CaseText.h"
#include "output/CaseErrorView.h"
#include "output/CaseRows.h"
#include "output/CaseRulesBar.h"
#include "output/CaseTextPane.h"
#include "runner/CapturedText.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QShortcut>
#include <QSplitter>
#include <QTreeWidget>

namespace output {

namespace {

const QString kFixFirst = QStringLiteral("コンパイルエラーを直してから、もう一度ケース実行してください");

enum Column { NameColumn, VerdictColumn, TimeColumn, DifferenceColumn };

QLabel* Caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QWidget* Titled(const QString& title, QWidget* content)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Caption(title, content));
    layout->addWidget(content, 1);
    return box;
}

}  // namespace

struct CaseResultsDialog::Parts {
    CaseResultsDialog& window;
    judge::CaseBatch& batch;
    QPointer<judge::CaseBatch> batchAlive;  // the caller may end the batch before the window
    CaseResultsView view;
    LinkOpener openLink;
    judge::JudgeRules rules;
    QSet<int> running;
    // The selected case's files, read once while it stays selected and is not run again.
    struct CaseTexts {
        int index = -1;
        std::optional<judge::CaseText> input;
        std::optional<judge::CaseText> expected;
    } texts;

    QLabel* folder = new QLabel;
    CaseRulesBar* rulesBar = nullptr;
    QTreeWidget* rows = new QTreeWidget;
    QLabel* detail = new QLabel;
    QLabel* hints = new QLabel;
    CaseTextPane* input = new CaseTextPane;
    CaseTextPane* expected = new CaseTextPane;
    CaseTextPane* actual = new CaseTextPane;
    QLabel* cutNotice = new QLabel;
    CaseErrorView* errors = new CaseErrorView;
    QPushButton* runOne = new QPushButton(QStringLiteral("この例を再実行(&R)"));
    QPushButton* runAll = new QPushButton(QStringLiteral("すべて再実行(&A)"));
    QPushButton* close = new QPushButton(QStringLiteral("閉じる"));

    Parts(CaseResultsDialog& owner, judge::CaseBatch& cases, CaseResultsView shown, LinkOpener opener)
        : window(owner)
        , batch(cases)
        , batchAlive(&cases)
        , view(std::move(shown))
        , openLink(std::move(opener))
        , rules(cases.Rules())
        , rulesBar(new CaseRulesBar(cases.Rules()))
    {}

    void Build();
    QWidget* BuildDetails();
    void Connect();
    void FillRows();
    CaseState StateOf(int index) const;
    void UpdateRow(int index);
    void UpdateAll();
    void UpdateTitle();
    int Current() const;
    void ShowCase(int index);
    void ShowTexts(int index, const judge::CaseResult& result);
};

void CaseResultsDialog::Parts::Build()
{
    folder->setText(QStringLiteral("ケースのフォルダー: %1").arg(view.casesFolder));
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rows->setObjectName(QStringLiteral("caseRows"));
    rows->setHeaderLabels(
        {QStringLiteral("ケース"), QStringLiteral("判定"), QStringLiteral("時間"), QStringLiteral("最初の違い")});
    rows->setRootIsDecorated(false);
    rows->setUniformRowHeights(true);
    rows->setAllColumnsShowFocus(true);
    rows->header()->setStretchLastSection(true);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(Titled(QStringLiteral("ケース(&L)"), rows));
    splitter->addWidget(BuildDetails());
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);
    rows->setMinimumHeight(rows->fontMetrics().height() * 6);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {runOne, runAll, close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    runOne->setObjectName(QStringLiteral("runOneButton"));
    runAll->setObjectName(QStringLiteral("runAllButton"));
    runAll->setToolTip(QStringLiteral("F5"));
    if (!batch.CanRun()) {
        // Nothing was compiled to run: the source has to be fixed first.
        runAll->setEnabled(false);
        runAll->setToolTip(kFixFirst);
    }
    close->setObjectName(QStringLiteral("closeButton"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(folder);
    layout->addWidget(rulesBar);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    FillRows();
    QWidget::setTabOrder(rows, input);
}

QWidget* CaseResultsDialog::Parts::BuildDetails()
{
    detail->setObjectName(QStringLiteral("caseDetail"));
    hints->setObjectName(QStringLiteral("caseHints"));
    cutNotice->setObjectName(QStringLiteral("cutNotice"));
    for (QLabel* label : {detail, hints, cutNotice}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    cutNotice->setText(QStringLiteral("長いため、最初の部分と最初の違いの前後だけを表示しています。"));
    cutNotice->hide();
    input->setObjectName(QStringLiteral("inputPane"));
    expected->setObjectName(QStringLiteral("expectedPane"));
    actual->setObjectName(QStringLiteral("actualPane"));
    errors->setObjectName(QStringLiteral("errorView"));
    auto* texts = new QSplitter(Qt::Horizontal);
    texts->addWidget(Titled(QStringLiteral("入力(&I)"), input));
    texts->addWidget(Titled(QStringLiteral("期待される出力(&X)"), expected));
    texts->addWidget(Titled(QStringLiteral("プログラムの出力(&O)"), actual));
    auto* lower = new QSplitter(Qt::Vertical);
    lower->addWidget(texts);
    lower->addWidget(Titled(QStringLiteral("標準エラー(&S)"), errors));
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 1);
    for (QSplitter* splitter : {texts, lower})
        splitter->setChildrenCollapsible(false);
    for (QPlainTextEdit* pane : {static_cast<QPlainTextEdit*>(input), static_cast<QPlainTextEdit*>(expected),
                                 static_cast<QPlainTextEdit*>(actual), static_cast<QPlainTextEdit*>(errors)})
        pane->setMinimumSize(pane->fontMetrics().horizontalAdvance(u'0') * 12, pane->fontMetrics().height() * 4);
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(detail);
    layout->addWidget(hints);
    layout->addWidget(lower, 1);
    layout->addWidget(cutNotice);
    return box;
}

void CaseResultsDialog::Parts::Connect()
{
    connect(&batch, &judge::CaseBatch::caseStarted, &window, [this](int index) {
        const bool first = running.isEmpty();
        running.insert(index);
        if (index == texts.index)
            texts = {};
        first ? UpdateAll() : UpdateRow(index);
    });
    connect(&batch, &judge::CaseBatch::caseFinished, &window, [this](int index) {
        running.remove(index);
        UpdateRow(index);
        UpdateTitle();
        if (index == Current())
            ShowCase(index);
    });
    connect(&batch, &judge::CaseBatch::finished, &window, [this] {
        running.clear();
        UpdateAll();
    });
    connect(rows, &QTreeWidget::currentItemChanged, &window, [this] { ShowCase(Current()); });
    connect(rulesBar, &CaseRulesBar::RulesChanged, &window, [this](const judge::JudgeRules& chosen) {
        rules = chosen;
        batch.SetRules(chosen);
        Q_EMIT window.rulesChanged(chosen);
    });
    connect(runOne, &QPushButton::clicked, &window, [this] {
        if (Current() >= 0) {
            batch.RunOne(Current());
            UpdateAll();
        }
    });
    connect(runAll, &QPushButton::clicked, &window, [this] {
        batch.RunAll();
        UpdateAll();
    });
    auto* again = new QShortcut(QKeySequence(Qt::Key_F5), &window);
    connect(again, &QShortcut::activated, runAll, &QPushButton::click);
    connect(close, &QPushButton::clicked, &window, &QDialog::reject);
    // Closing ends the runs: nothing of them is left behind the window.
    connect(&window, &QDialog::finished, &batch, &judge::CaseBatch::Abort);
    if (openLink)
        connect(errors, &OutputView::LinkActivated, &window, openLink);
    rows->installEventFilter(&window);
}

void CaseResultsDialog::Parts::FillRows()
{
    QList<QTreeWidgetItem*> items;
    for (const judge::TestCase& testCase : batch.Cases())
        items << new QTreeWidgetItem(QStringList{testCase.name});
    rows->addTopLevelItems(items);
    UpdateAll();
    rows->resizeColumnToContents(NameColumn);
    rows->setColumnWidth(NameColumn, rows->columnWidth(NameColumn) + rows->fontMetrics().horizontalAdvance(u'0') * 2);
    rows->setColumnWidth(VerdictColumn, rows->fontMetrics().horizontalAdvance(QStringLiteral("コンパイルエラー__")));
    rows->setColumnWidth(TimeColumn, rows->fontMetrics().horizontalAdvance(QStringLiteral("00.00 秒__")));
    if (!items.isEmpty())
        rows->setCurrentItem(items.first());
}

CaseState CaseResultsDialog::Parts::StateOf(int index) const
{
    if (running.contains(index) || batch.IsRunning(index))
        return CaseState::Running;
    const bool waiting = batch.IsRunning() && batch.Result(index).verdict == judge::Verdict::Pending;
    return waiting ? CaseState::Waiting : CaseState::Idle;
}

void CaseResultsDialog::Parts::UpdateRow(int index)
{
    QTreeWidgetItem* item = rows->topLevelItem(index);
    const judge::CaseResult& result = batch.Result(index);
    const CaseState state = StateOf(index);
    item->setText(VerdictColumn, VerdictText(result, state));
    const QColor colour =
        state == CaseState::Idle ? VerdictColour(result.verdict, rows->palette().color(QPalette::Base)) : QColor();
    item->setForeground(VerdictColumn, colour.isValid() ? QBrush(colour) : QBrush());
    item->setText(TimeColumn, state == CaseState::Idle ? TimeText(result) : QString());
    item->setTextAlignment(TimeColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(DifferenceColumn, state == CaseState::Idle ? DifferenceText(result) : QString());
}

void CaseResultsDialog::Parts::UpdateAll()
{
    for (int index = 0; index < rows->topLevelItemCount(); ++index)
        UpdateRow(index);
    UpdateTitle();
    if (Current() >= 0)
        ShowCase(Current());
}

void CaseResultsDialog::Parts::UpdateTitle()
{
    window.setWindowTitle(
        QStringLiteral("%1 — %2").arg(view.fileName, judge::SummaryText(batch.AcceptedCount(), batch.JudgedCount())));
}

int CaseResultsDialog::Parts::Current() const
{
    QTreeWidgetItem* item = rows->currentItem();
    return item ? rows->indexOfTopLevelItem(item) : -1;
}

void CaseResultsDialog::Parts::ShowCase(int index)
{
    runOne->setEnabled(index >= 0 && batch.CanRun());
    runOne->setToolTip(batch.CanRun() ? QString() : kFixFirst);
    if (index < 0)
        return;
    const judge::CaseResult& result = batch.Result(index);
    const CaseState state = StateOf(index);
    QStringList lines{QStringLiteral("%1: %2").arg(batch.Cases()[index].name, VerdictText(result, state))};
    if (state == CaseState::Idle && !TimeText(result).isEmpty())
        lines.first() += QStringLiteral("（%1）").arg(TimeText(result));
    if (state == CaseState::Idle && !DifferenceText(result).isEmpty())
        lines << DifferenceText(result);
    detail->setText(lines.join(u'\n'));
    ShowTexts(index, result);
    HintContext context = view.hints;
    context.folder = view.linkFolder;
    errors->ShowError(state == CaseState::Idle ? result.error : QString(), context);
}

void CaseResultsDialog::Parts::ShowTexts(int index, const judge::CaseResult& result)
{
    const judge::TestCase& testCase = batch.Cases()[index];
    const bool read = texts.index != index;
    if (read) {
        const auto text = [](const QString& path) { return judge::ReadCaseText(path, runner::kStreamLimit); };
        texts = {index, text(testCase.inputPath),
                 testCase.expectedPath.isEmpty() ? std::nullopt : text(testCase.expectedPath)};
    }
    const std::optional<judge::CaseText>& in = texts.input;
    const std::optional<judge::CaseText>& out = texts.expected;
    const judge::Difference& difference = result.difference;
    const bool differs = result.verdict == judge::Verdict::WrongAnswer && !difference.same;
    const auto [expectedPart, actualPart] =
        differs ? DifferingParts(difference.expectedLine, difference.actualLine) : std::pair<CharRange, CharRange>();
    const int line = differs ? difference.line : 0;
    if (read)
        in ? input->ShowText(in->text) : input->ShowNotice(QStringLiteral("入力のファイルを読めません。"));
    if (out)
        expected->ShowText(out->text, difference.expectedMissing ? 0 : line, expectedPart);
    else
        expected->ShowNotice(testCase.expectedPath.isEmpty()
                                 ? QStringLiteral("期待される出力のファイルがありません。")
                                 : QStringLiteral("期待される出力のファイルを読めません。"));
    actual->ShowText(StateOf(index) == CaseState::Idle ? result.output : QString(), difference.actualMissing ? 0 : line,
                     actualPart, true);
    cutNotice->setVisible(input->IsCut() || expected->IsCut() || actual->IsCut());
    QStringList shownHints;
    if (StateOf(index) == CaseState::Idle && result.verdict != judge::Verdict::Pending) {
        for (const QString& hint : judge::CaseHints(result, out ? QStringView(out->text) : QStringView()))
            shownHints << QStringLiteral("ヒント: ") + hint;
    }
    hints->setText(shownHints.join(u'\n'));
    hints->setVisible(!shownHints.isEmpty());
}

CaseResultsDialog::CaseResultsDialog(judge::CaseBatch& batch, CaseResultsView view, LinkOpener openLink,
                                     QWidget* parent)
    : QDialog(parent)
    , m_parts(std::make_unique<Parts>(*this, batch, std::move(view), std::move(openLink)))
{
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_parts->Build();
    m_parts->Connect();
    m_parts->ShowCase(m_parts->Current());
    m_parts->rows->setFocus();
    QSize first(960, 680);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        first = first.boundedTo(screen->availableSize());
    resize(first);
}

CaseResultsDialog::~CaseResultsDialog()
{
    if (m_parts->batchAlive)
        m_parts->batch.Abort();
}

const judge::JudgeRules& CaseResultsDialog::Rules() const { return m_parts->rules; }

// Enter on a row shows where its output differs, and does not close the window.
bool CaseResultsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    if (watched == m_parts->rows && m_parts->Current() >= 0) {
        m_parts->actual->setFocus();
        m_parts->actual->ShowFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace output
