#include "runner/COutputDialog.h"

#include "platform/UserDialogs.h"
#include "runner/OutputLinks.h"
#include "settings/CSettingFile.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <QTimer>

namespace {

constexpr int kTemplate = 136;
constexpr int kOk = 1;
constexpr int kEdit = 1089;
constexpr int kSave = 1001;
constexpr int kCopy = 1003;
const QString kSection = QStringLiteral("MsgDlg");

// The first part shows at once; the rest follows in parts small enough to
// keep the window responsive.
constexpr qsizetype kFirstPart = 64 * 1024;
constexpr qsizetype kLaterPart = 1024 * 1024;

// Arrived text goes into the edit in slices that keep the event loop free
// (chunks of about this many characters, for about this long at a time).
constexpr int kShowIntervalMs = 20;
constexpr qint64 kShowBudgetMs = 20;
constexpr qsizetype kShowSlice = 128 * 1024;
// javac stops after 100 errors; output with more links than this is a dump.
constexpr int kMaxLinks = 2000;

enum ShowState { kNormal = 1, kMinimized = 2, kMaximized = 3 };

QSize FrameExtent(const QWidget* window) { return window->frameGeometry().size() - window->size(); }

}  // namespace

COutputDialog::COutputDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_form.Build(this, LoadFormTemplate(kTemplate));
    m_edit = m_form.Get<QPlainTextEdit>(kEdit);
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Monospaced, so that javac's ^ stands under its column.
    m_edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_edit->installEventFilter(this);
    m_edit->viewport()->installEventFilter(this);
    connect(m_form.Get<QPushButton>(kOk), &QPushButton::clicked, this, &QDialog::accept);
    connect(m_form.Get<QPushButton>(kSave), &QPushButton::clicked, this, &COutputDialog::OnSaveText);
    connect(m_form.Get<QPushButton>(kCopy), &QPushButton::clicked, this, &COutputDialog::OnCopyText);
    resize(m_form.ClientSize());
    int buttons = 0;
    for (const int id : {kOk, kSave, kCopy})
        buttons += m_form.Control(id)->width();
    setMinimumSize(10 + buttons + 2 + 15, 10 + 40 + 30 + m_form.Control(kOk)->height());
    RestorePlacement();
    BuildRunControls();
}

void COutputDialog::BuildRunControls()
{
    m_command = new QLabel(this);
    m_command->setObjectName(QStringLiteral("commandLine"));
    m_command->setTextFormat(Qt::PlainText);
    m_command->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_abort = new QPushButton(QStringLiteral("中止"), this);
    m_abort->setObjectName(QStringLiteral("abortButton"));
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("inputLine"));
    m_input->setPlaceholderText(QStringLiteral("プログラムへの入力（Enterで送信）"));
    m_input->installEventFilter(this);
    m_endInput = new QPushButton(QStringLiteral("入力終了(Ctrl+D)"), this);
    m_endInput->setObjectName(QStringLiteral("endInputButton"));
    for (QWidget* control : {static_cast<QWidget*>(m_command), static_cast<QWidget*>(m_abort),
                             static_cast<QWidget*>(m_input), static_cast<QWidget*>(m_endInput)}) {
        control->setFont(m_form.Control(kOk)->font());
        control->hide();
    }
    m_input->setFont(m_edit->font());
    m_abort->resize(m_abort->sizeHint());
    m_endInput->resize(m_endInput->sizeHint());
    connect(m_abort, &QPushButton::clicked, this, [this] {
        m_abort->setEnabled(false);
        emit AbortRequested();
    });
    connect(m_endInput, &QPushButton::clicked, this, &COutputDialog::CloseInput);
    auto* endKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(endKey, &QShortcut::activated, this, &COutputDialog::CloseInput);
    m_showTimer.setSingleShot(true);
    m_showTimer.setInterval(kShowIntervalMs);
    connect(&m_showTimer, &QTimer::timeout, this, [this] { ShowArrived(false); });
    // Based on the document's own format, so that plain text merges into
    // few fragments (a million lines stay quick).
    for (QTextCharFormat& format : m_formats)
        format = QTextCursor(m_edit->document()).charFormat();
    m_formats[static_cast<int>(runner::Stream::Error)].setForeground(QColor(0xB0, 0x00, 0x20));
    m_formats[static_cast<int>(runner::Stream::Input)].setForeground(QColor(0x00, 0x50, 0xA0));
    m_formats[static_cast<int>(runner::Stream::Input)].setFontWeight(QFont::Bold);
}

void COutputDialog::SetText(QString text) { m_pending = std::move(text); }

QString COutputDialog::NormalizeLineBreaks(QString text)
{
    text.remove(QLatin1Char('\r'));
    return text;
}

QByteArray COutputDialog::SavedBytes(const QString& text)
{
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return crlf.toUtf8();
}

// The frame last measured on a shown output window: the same value turns
// the stored outer rectangle into a client size and back, so the size never
// creeps from one showing to the next.
namespace {
QSize s_frame;
}  // namespace

// The stored outer rectangle, when there is one, made at least the minimum
// size and moved onto a screen when it lies off every one. Before the first
// show the frame is not known yet: the last measured one is taken, else the
// owner's (same decorations), else the platform window's own; it is
// corrected once the window shows.
void COutputDialog::RestorePlacement()
{
    const CSettingFile settings;
    const QString keys[] = {QStringLiteral("Top"), QStringLiteral("Bottom"), QStringLiteral("Left"),
                            QStringLiteral("Right")};
    for (const QString& key : keys) {
        if (settings.GetString(kSection, key, {}).isEmpty())
            return;
    }
    const QRect current = frameGeometry();
    const int top = settings.GetInt(kSection, keys[0], current.top());
    const int bottom = settings.GetInt(kSection, keys[1], current.top() + current.height());
    const int left = settings.GetInt(kSection, keys[2], current.left());
    const int right = settings.GetInt(kSection, keys[3], current.left() + current.width());
    m_frame = s_frame;
    if (m_frame.isEmpty() && parentWidget())
        m_frame = FrameExtent(parentWidget()->window());
    if (m_frame.isEmpty()) {
        create();
        m_frame = FrameExtent(this);
    }
    m_restored = OnScreen(QRect(left, top, qMax(0, right - left), qMax(0, bottom - top)));
    move(m_restored.topLeft());
    resize(m_restored.size() - m_frame);
}

QRect COutputDialog::OnScreen(QRect outer) const
{
    const QSize least = minimumSize() + m_frame;
    outer.setSize(outer.size().expandedTo(least));
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    for (const QScreen* candidate : QGuiApplication::screens()) {
        if (candidate->availableGeometry().intersects(outer))
            screen = candidate;
    }
    if (!screen)
        return outer;
    const QRect area = screen->availableGeometry();
    outer.setSize(outer.size().boundedTo(area.size()).expandedTo(least));
    if (!area.intersects(outer))
        outer.moveCenter(area.center());
    return outer;
}

// Once shown, the real frame is known: the outer rectangle becomes exactly
// the stored one.
void COutputDialog::FitRestoredFrame()
{
    const QSize frame = FrameExtent(this);
    if (frame.isEmpty() || frame == m_frame)
        return;
    s_frame = m_frame = frame;
    if (m_restored.isValid() && !isMaximized()) {
        move(m_restored.topLeft());
        resize(m_restored.size() - frame);
    }
}

void COutputDialog::StorePlacement()
{
    // A window that never showed (or was already taken apart) has no place of its own.
    if (!m_initialised || !isVisible())
        return;
    const QSize frame = FrameExtent(this).isEmpty() ? m_frame : FrameExtent(this);
    if (!frame.isEmpty())
        s_frame = frame;
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    if (normal.width() < minimumWidth() || normal.height() < minimumHeight())
        return;
    const QPoint offset = geometry().topLeft() - frameGeometry().topLeft();
    const QRect outer(normal.topLeft() - offset, normal.size() + frame);
    const int state = isMinimized() ? kMinimized : isMaximized() ? kMaximized : kNormal;
    CSettingFile settings;
    settings.WriteInt(kSection, QStringLiteral("Top"), outer.top());
    settings.WriteInt(kSection, QStringLiteral("Bottom"), outer.top() + outer.height());
    settings.WriteInt(kSection, QStringLiteral("Left"), outer.left());
    settings.WriteInt(kSection, QStringLiteral("Right"), outer.left() + outer.width());
    settings.WriteInt(kSection, QStringLiteral("Max"), state);
}

void COutputDialog::showEvent(QShowEvent* event)
{
    if (!m_initialised)
        OnInitDialog();
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &COutputDialog::FitRestoredFrame);
}

void COutputDialog::OnInitDialog()
{
    m_initialised = true;
    m_pending = NormalizeLineBreaks(std::move(m_pending));
    m_loaded = PartEnd(0, kFirstPart);
    if (!m_live)
        m_edit->setPlainText(m_pending.left(m_loaded));
    if (IsLoading()) {
        // Read-only while filling in, so the edit's text and the rest never disagree.
        m_edit->setReadOnly(true);
        m_edit->document()->setUndoRedoEnabled(false);
        QTimer::singleShot(0, this, &COutputDialog::LoadNextPart);
    } else {
        m_pending.clear();
        m_loaded = 0;
    }
    LayoutControls();
    const bool typing = m_running && !m_input->isHidden();
    (typing ? static_cast<QWidget*>(m_input) : m_form.Control(kOk))->setFocus();
}

// Parts end after a line break where there is one, never inside a surrogate pair.
qsizetype COutputDialog::PartEnd(qsizetype from, qsizetype length) const
{
    const qsizetype size = m_pending.size();
    if (size - from <= length)
        return size;
    qsizetype end = from + length;
    const qsizetype lineEnd = m_pending.lastIndexOf(QLatin1Char('\n'), end - 1);
    if (lineEnd >= from)
        return lineEnd + 1;
    if (m_pending.at(end - 1).isHighSurrogate())
        --end;
    return end;
}

void COutputDialog::LoadNextPart()
{
    const qsizetype end = PartEnd(m_loaded, kLaterPart);
    QTextCursor cursor(m_edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(m_pending.mid(m_loaded, end - m_loaded));
    m_loaded = end;
    if (IsLoading()) {
        QTimer::singleShot(0, this, &COutputDialog::LoadNextPart);
        return;
    }
    m_pending.clear();
    m_loaded = 0;
    m_edit->document()->setUndoRedoEnabled(true);
    m_edit->setReadOnly(false);
}

QString COutputDialog::Text() const
{
    if (IsLoading())
        return m_pending;
    QString text = m_edit->toPlainText();
    for (const Chunk& chunk : m_arrived)
        text += chunk.text;
    return text;
}

void COutputDialog::BeginRun(const QString& title, const QString& commandLine, bool acceptsInput, const QString& folder)
{
    m_running = true;
    m_live = true;
    m_title = title;
    m_folder = folder;
    setWindowTitle(title + QStringLiteral(" - 実行中"));
    m_edit->setReadOnly(true);
    m_edit->document()->setUndoRedoEnabled(false);
    m_command->setText(commandLine);
    m_command->setToolTip(commandLine);
    m_command->show();
    m_abort->show();
    m_input->setVisible(acceptsInput);
    m_endInput->setVisible(acceptsInput);
    if (acceptsInput)
        m_input->setFocus();
    LayoutControls();
}

void COutputDialog::AppendText(const QString& lines, runner::Stream stream)
{
    if (lines.isEmpty())
        return;
    if (!m_arrived.isEmpty() && m_arrived.last().stream == stream && m_arrived.last().text.size() < kShowSlice)
        m_arrived.last().text += lines;
    else
        m_arrived.append({lines, stream});
    if (!m_showTimer.isActive())
        m_showTimer.start(kShowIntervalMs);
}

void COutputDialog::EndRun(const runner::ToolOutcome& outcome, const QString& program)
{
    ShowArrived(true);  // counts the errors and warnings
    QString last;
    if (const QString summary = runner::DiagnosticSummary(m_errors, m_warnings); !summary.isEmpty())
        last += summary + QLatin1Char('\n');
    last += runner::OutcomeLine(outcome, program) + QLatin1Char('\n');
    AppendText(last, runner::Stream::Output);
    ShowArrived(true);
    m_running = false;
    using Status = runner::ToolOutcome::Status;
    const QString ending = outcome.status == Status::Finished ? QStringLiteral("終了コード %1").arg(outcome.exitCode)
                           : outcome.status == Status::Aborted ? QStringLiteral("中止しました")
                           : outcome.status == Status::Crashed ? QStringLiteral("異常終了しました")
                                                               : QStringLiteral("起動できません");
    setWindowTitle(m_title + QStringLiteral(" - ") + ending);
    m_abort->hide();
    m_input->hide();
    m_endInput->hide();
    m_edit->setReadOnly(false);
    m_edit->document()->setUndoRedoEnabled(true);
    LayoutControls();
    if (m_closeWhenEnded)
        QDialog::done(QDialog::Rejected);
    else
        m_form.Control(kOk)->setFocus();
}

void COutputDialog::SendInputLine()
{
    if (!m_running || !m_input->isVisible() || !m_input->isEnabled())
        return;
    const QString line = m_input->text();
    m_input->clear();
    AppendText(line + QLatin1Char('\n'), runner::Stream::Input);
    emit InputEntered(line);
}

void COutputDialog::CloseInput()
{
    if (!m_running || !m_input->isVisible() || !m_input->isEnabled())
        return;
    m_input->setEnabled(false);
    m_endInput->setEnabled(false);
    emit InputClosed();
}

const QTextCharFormat& COutputDialog::FormatOf(runner::Stream stream) const
{
    return m_formats[static_cast<int>(stream)];
}

// Puts arrived text into the edit: all of it, or as much as fits in a short
// slice of time; the view follows the end while it is at the end.
void COutputDialog::ShowArrived(bool all)
{
    if (m_arrived.isEmpty())
        return;
    QScrollBar* bar = m_edit->verticalScrollBar();
    const bool follow = bar->value() == bar->maximum();
    QElapsedTimer clock;
    clock.start();
    while (!m_arrived.isEmpty() && (all || clock.elapsed() < kShowBudgetMs)) {
        InsertChunk(m_arrived.first());
        m_arrived.removeFirst();
    }
    if (follow)
        bar->setValue(bar->maximum());
    if (!m_arrived.isEmpty())
        m_showTimer.start(0);  // the rest after the waiting events
}

// Text between links goes in whole; each link is inserted with its anchor.
void COutputDialog::InsertChunk(const Chunk& chunk)
{
    QTextCursor cursor(m_edit->document());
    cursor.movePosition(QTextCursor::End);
    const QTextCharFormat& format = FormatOf(chunk.stream);
    const QString& text = chunk.text;
    qsizetype plain = 0;  // first character not inserted yet
    if (chunk.stream != runner::Stream::Input && text.contains(u".java:")) {
        for (qsizetype start = 0; start < text.size();) {
            qsizetype end = text.indexOf(QLatin1Char('\n'), start);
            end = end < 0 ? text.size() : end + 1;
            const QStringView line = QStringView(text).mid(start, end - start);
            if (m_links.size() >= kMaxLinks) {
                Count(runner::DiagnosticKind(line));
            } else if (const std::optional<runner::SourceLink> link = runner::FindSourceLink(line)) {
                const QString path = Counted(*link);
                if (!path.isEmpty()) {
                    cursor.insertText(text.mid(plain, start + link->start - plain), format);
                    cursor.insertText(line.mid(link->start, link->length).toString(),
                                      LinkFormat(format, path, link->line));
                    plain = start + link->start + link->length;
                }
            }
            start = end;
        }
    }
    cursor.insertText(plain == 0 ? text : text.mid(plain), format);
}

void COutputDialog::Count(std::optional<runner::SourceLink::Kind> kind)
{
    if (kind == runner::SourceLink::Kind::Error)
        ++m_errors;
    else if (kind == runner::SourceLink::Kind::Warning)
        ++m_warnings;
}

// Counts an error or warning; the file the link opens, when it exists
// (looked up once per name).
QString COutputDialog::Counted(const runner::SourceLink& link)
{
    Count(link.kind);
    const QString key = link.package + QLatin1Char('/') + link.file;
    auto known = m_resolved.constFind(key);
    if (known == m_resolved.constEnd())
        known = m_resolved.insert(key, ResolveLink(runner::LinkCandidates(link, m_folder)));
    return *known;
}

QTextCharFormat COutputDialog::LinkFormat(const QTextCharFormat& format, const QString& path, int line)
{
    QTextCharFormat anchor = format;
    anchor.setAnchor(true);
    anchor.setAnchorHref(QString::number(m_links.size()));
    anchor.setFontUnderline(true);
    anchor.setForeground(QColor(0x00, 0x40, 0xC0));
    m_links.append({path, line});
    return anchor;
}

QString COutputDialog::ResolveLink(const QStringList& candidates)
{
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

void COutputDialog::ActivateLink(const QString& anchor)
{
    bool ok = false;
    const int index = anchor.toInt(&ok);
    if (ok && index >= 0 && index < m_links.size())
        emit LinkActivated(m_links[index].first, m_links[index].second);
}

void COutputDialog::LayoutControls()
{
    if (!m_edit)
        return;
    const bool input = m_input && !m_input->isHidden();
    const int inputRow = input ? m_input->sizeHint().height() + 5 : 0;
    const QRect r = rect().adjusted(10, 10, -15, -30 - inputRow);
    m_edit->setGeometry(r);
    int y = r.y() + r.height() + 5;
    if (input) {
        const int buttonWidth = m_endInput->width();
        m_input->setGeometry(r.x(), y, r.width() - buttonWidth - 5, m_input->sizeHint().height());
        m_endInput->move(r.right() + 1 - buttonWidth, y);
        y += inputRow;
    }
    int x = r.x();
    int gap = 0;
    for (const int id : {kOk, kSave, kCopy}) {
        QWidget* button = m_form.Control(id);
        button->move(x + gap, y);
        x += button->width();
        ++gap;
    }
    if (!m_command || m_command->isHidden())
        return;
    x += gap + 8;
    if (!m_abort->isHidden()) {
        m_abort->move(x, y);
        x += m_abort->width() + 8;
    }
    const int height = m_form.Control(kOk)->height();
    m_command->setGeometry(x, y, qMax(0, r.right() + 1 - x), height);
    m_command->setText(m_command->fontMetrics().elidedText(m_command->toolTip(), Qt::ElideMiddle, m_command->width()));
}

void COutputDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayoutControls();
}

void COutputDialog::OnSaveText()
{
    FileDialogSpec request;
    request.mode = FileDialogSpec::Mode::Save;
    request.title = QStringLiteral("メッセージを保存");
    request.defaultSuffix = QStringLiteral("txt");
    request.proposedName = QStringLiteral("msg.txt");
    request.filter = QStringLiteral("テキストファイル(*.txt)|*.txt||");
    request.confirmOverwrite = true;
    const std::optional<QString> path = UserDialogs().ChooseFile(this, request);
    if (!path)
        return;
    // Written whole or not at all: a failed save never leaves a cut file.
    QSaveFile file(*path);
    if (file.open(QIODevice::WriteOnly) && file.write(SavedBytes(Text())) >= 0 && file.commit())
        return;
    ShowMessage(this, QStringLiteral("%1に保存できません").arg(*path), QStringLiteral("ファイルエラー"),
                MsgIcon::Error);
}

void COutputDialog::OnCopyText()
{
    QGuiApplication::clipboard()->setText(Text());
    QTextCursor cursor = m_edit->textCursor();
    cursor.movePosition(QTextCursor::Start);
    m_edit->setTextCursor(cursor);
    m_edit->ensureCursorVisible();
}

// Enter and Escape close the window even from the edit; Enter in the input
// line sends it; a click on a link opens its source line.
bool COutputDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SendInputLine();
            return true;
        }
    }
    if (watched == m_edit->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease && !m_edit->textCursor().hasSelection()) {
            const QString anchor = m_edit->anchorAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (!anchor.isEmpty())
                ActivateLink(anchor);
        } else if (event->type() == QEvent::MouseMove) {
            const bool over = !m_edit->anchorAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isEmpty();
            m_edit->viewport()->setCursor(over ? Qt::PointingHandCursor : Qt::IBeamCursor);
        }
        return QDialog::eventFilter(watched, event);
    }
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Closing while the tool runs asks to stop it; the window closes when it has ended.
void COutputDialog::done(int result)
{
    if (m_running) {
        const MsgAnswer answer = UserDialogs().Message(this, QStringLiteral("実行中のツールを中止しますか？"),
                                                       QStringLiteral("確認"), MsgIcon::Question, MsgButtons::YesNo);
        if (answer == MsgAnswer::Yes) {
            m_closeWhenEnded = true;
            m_abort->setEnabled(false);
            emit AbortRequested();
        }
        return;
    }
    StorePlacement();
    QDialog::done(result);
}
