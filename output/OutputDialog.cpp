#include "output/OutputDialog.h"

#include "output/OutputLayout.h"
#include "platform/Captions.h"
#include "platform/FileContent.h"
#include "platform/UserDialogs.h"
#include "resources/FormIds.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace output {

OutputDialog::OutputDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_form.Build(this, resources::LoadFormTemplate(resources::OutputForm::Id));
    BuildView();
    connect(m_form.Get<QPushButton>(resources::OutputForm::Ok), &QPushButton::clicked, this, &QDialog::accept);
    connect(m_form.Get<QPushButton>(resources::OutputForm::Save), &QPushButton::clicked, this,
            &OutputDialog::OnSaveText);
    connect(m_form.Get<QPushButton>(resources::OutputForm::Copy), &QPushButton::clicked, this,
            &OutputDialog::OnCopyText);
    BuildRunControls();
    UpdateMinimumSize();
    QSize first = FirstSize(Controls(), m_form.ClientSize());
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        first = first.boundedTo(screen->availableSize());
    resize(first);
    m_placement.Restore();
}

OutputDialog::~OutputDialog()
{
    if (isVisible())
        m_placement.Store();
}

// The form's plain edit becomes the output view, in the same place of the tab order.
void OutputDialog::BuildView()
{
    QWidget* edit = m_form.Control(resources::OutputForm::OutputEdit);
    m_view = new OutputView(this);
    m_view->setObjectName(edit->objectName());
    m_view->setGeometry(edit->geometry());
    QWidget::setTabOrder(m_form.Control(resources::OutputForm::Ok), m_view);
    QWidget::setTabOrder(m_view, m_form.Control(resources::OutputForm::Save));
    delete edit;
    m_view->installEventFilter(this);
    connect(m_view, &OutputView::LinkActivated, this, &OutputDialog::LinkActivated);
}

void OutputDialog::BuildRunControls()
{
    m_command = new QLabel(this);
    m_command->setObjectName(QStringLiteral("commandLine"));
    m_command->setTextFormat(Qt::PlainText);
    m_command->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_abort = new QPushButton(QStringLiteral("中止(&A)"), this);
    m_abort->setObjectName(QStringLiteral("abortButton"));
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("inputLine"));
    m_input->setPlaceholderText(QStringLiteral("プログラムへの入力（Enterで送信）"));
    m_input->installEventFilter(this);
    m_endInput = new QPushButton(QStringLiteral("入力終了(Ctrl+D)"), this);
    m_endInput->setObjectName(QStringLiteral("endInputButton"));
    const int rowHeight = m_form.Control(resources::OutputForm::Ok)->height();
    for (QWidget* control : {static_cast<QWidget*>(m_command), static_cast<QWidget*>(m_abort),
                             static_cast<QWidget*>(m_input), static_cast<QWidget*>(m_endInput)}) {
        control->setFont(m_form.Control(resources::OutputForm::Ok)->font());
        control->hide();
    }
    m_input->setFont(m_view->font());
    m_abort->resize(m_abort->sizeHint().width(), rowHeight);
    m_endInput->resize(m_endInput->sizeHint());
    connect(m_abort, &QPushButton::clicked, this, [this] {
        m_abort->setEnabled(false);
        Q_EMIT AbortRequested();
    });
    connect(m_endInput, &QPushButton::clicked, this, &OutputDialog::CloseInput);
    auto* endKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(endKey, &QShortcut::activated, this, &OutputDialog::CloseInput);
}

void OutputDialog::SetText(QString text) { m_pending = std::move(text); }

void OutputDialog::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        if (!m_live)
            m_view->LoadText(std::exchange(m_pending, {}));
        LayoutControls();
        const bool typing = m_running && !m_input->isHidden();
        (typing ? static_cast<QWidget*>(m_input) : m_form.Control(resources::OutputForm::Ok))->setFocus();
    }
    QDialog::showEvent(event);
    m_placement.Shown();
}

QString OutputDialog::Text() const { return m_initialised || m_live ? m_view->Text() : m_pending; }

void OutputDialog::BeginRun(const QString& title, const QString& commandLine, bool acceptsInput, const QString& folder,
                            output::HintContext hints, bool countsDiagnostics)
{
    m_running = true;
    m_live = true;
    m_countsDiagnostics = countsDiagnostics;
    m_title = title;
    setWindowTitle(title + QStringLiteral(" - 実行中"));
    m_view->setReadOnly(true);
    m_view->document()->setUndoRedoEnabled(false);
    hints.folder = folder;
    m_view->BeginMarkup(std::move(hints));
    m_command->setToolTip(commandLine);
    m_command->show();
    m_abort->show();
    m_input->setVisible(acceptsInput);
    m_endInput->setVisible(acceptsInput);
    if (acceptsInput)
        m_input->setFocus();
    UpdateMinimumSize();
    LayoutControls();
}

void OutputDialog::AppendText(const QString& lines, runner::Stream stream) { m_view->Append(lines, stream); }

void OutputDialog::EndRun(const runner::ToolOutcome& outcome, const QString& program)
{
    m_view->EndStreams();  // counts the errors and warnings
    m_view->Append(runner::OutcomeLine(outcome, program) + QLatin1Char('\n'), runner::Stream::Output);
    m_view->ShowArrived(true);
    m_running = false;
    using Status = runner::ToolOutcome::Status;
    const QString ending = outcome.status == Status::Finished ? QStringLiteral("終了コード %1").arg(outcome.exitCode)
                           : outcome.status == Status::Aborted ? QStringLiteral("中止しました")
                           : outcome.status == Status::Crashed ? QStringLiteral("異常終了しました")
                                                               : QStringLiteral("起動できません");
    // javac counts in its own words at the end of the text; the title says it once more, out of the way.
    const QString summary =
        m_countsDiagnostics ? output::DiagnosticSummary(m_view->Errors(), m_view->Warnings()) : QString();
    setWindowTitle(m_title + (summary.isEmpty() ? QString() : QStringLiteral(" - ") + summary) + QStringLiteral(" - ")
                   + ending);
    m_abort->hide();
    m_input->hide();
    m_endInput->hide();
    m_view->setReadOnly(false);
    m_view->document()->setUndoRedoEnabled(true);
    UpdateMinimumSize();
    LayoutControls();
    if (m_closeWhenEnded)
        Close(QDialog::Rejected);
    else
        m_form.Control(resources::OutputForm::Ok)->setFocus();
}

void OutputDialog::SendInputLine()
{
    if (!m_running || !m_input->isVisible() || !m_input->isEnabled())
        return;
    const QString line = m_input->text();
    m_input->clear();
    m_view->Append(line + QLatin1Char('\n'), runner::Stream::Input);
    Q_EMIT InputEntered(line);
}

void OutputDialog::CloseInput()
{
    if (!m_running || !m_input->isVisible() || !m_input->isEnabled())
        return;
    m_input->setEnabled(false);
    m_endInput->setEnabled(false);
    Q_EMIT InputClosed();
}

void OutputDialog::LayoutControls() { LayOutControls(Controls(), size()); }

// Room for every control that shows, and a little text.
void OutputDialog::UpdateMinimumSize() { setMinimumSize(LeastSize(Controls())); }

OutputControls OutputDialog::Controls() const
{
    return {m_view,
            {m_form.Control(resources::OutputForm::Ok), m_form.Control(resources::OutputForm::Save),
             m_form.Control(resources::OutputForm::Copy)},
            m_input,
            m_endInput,
            m_abort,
            m_command};
}

void OutputDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayoutControls();
}

void OutputDialog::OnSaveText()
{
    platform::FileDialogSpec request;
    request.mode = platform::FileDialogSpec::Mode::Save;
    request.title = QStringLiteral("メッセージを保存");
    request.defaultSuffix = QStringLiteral("txt");
    request.proposedName = QStringLiteral("msg.txt");
    request.filter = QStringLiteral("テキストファイル(*.txt)|*.txt||");
    request.confirmOverwrite = true;
    request.initialFolder = m_saveFolder;
    const std::optional<QString> path = platform::UserDialogs().ChooseFile(this, request);
    if (!path)
        return;
    // UTF-8 with CR LF, written whole or not at all: a failed save never leaves a cut file.
    const QByteArray bytes = Text().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8();
    if (platform::ReplaceFile(*path, bytes))
        return;
    platform::ShowMessage(this, QStringLiteral("%1に保存できません").arg(*path), platform::kFileErrorCaption,
                          platform::MsgIcon::Error);
}

void OutputDialog::OnCopyText()
{
    QGuiApplication::clipboard()->setText(Text());
    m_view->ShowStart();
}

// Enter and Escape close the window even from the edit; Enter in the input
// line sends it. While the program takes input, what is typed into the text
// goes to the input line instead.
bool OutputDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || (watched != m_input && watched != m_view))
        return QDialog::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == m_view && PassToInput(keyEvent))
        return true;
    if (watched == m_input && enter)
        SendInputLine();
    else if (watched == m_view && enter)
        accept();
    else if (watched == m_view && key == Qt::Key_Escape)
        reject();
    else
        return QDialog::eventFilter(watched, event);
    return true;
}

// Letters, signs, Enter and Backspace, without Ctrl or Alt: the keys the
// text has no use for while a run goes on. Moving and copying stay there.
bool OutputDialog::PassToInput(QKeyEvent* key)
{
    if (!m_running || m_input->isHidden() || !m_input->isEnabled()
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QString text = key->text();
    const bool typing =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Backspace
        || (!text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); }));
    if (!typing)
        return false;
    m_input->setFocus();
    QCoreApplication::sendEvent(m_input, key);
    return true;
}

// Closing while the tool runs asks to stop it (いいえ is the default, so Enter
// never stops it); the window closes once the run is over, also when it
// ended while the question was open.
void OutputDialog::done(int result)
{
    if (m_running) {
        const platform::MsgAnswer answer = platform::UserDialogs().Message(
            this, QStringLiteral("実行中のツールを中止しますか？"), platform::kQuestionCaption,
            platform::MsgIcon::Question, platform::MsgButtons::YesNoDefaultNo);
        if (answer != platform::MsgAnswer::Yes)
            return;
        if (m_running) {
            m_closeWhenEnded = true;
            m_abort->setEnabled(false);
            Q_EMIT AbortRequested();
            return;
        }
    }
    Close(result);
}

void OutputDialog::Close(int result)
{
    m_placement.Store();
    QDialog::done(result);
}

}  // namespace output
