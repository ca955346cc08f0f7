#include "runner/COutputDialog.h"

#include "platform/UserDialogs.h"
#include "settings/CSettingFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
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
    m_edit->installEventFilter(this);
    connect(m_form.Get<QPushButton>(kOk), &QPushButton::clicked, this, &QDialog::accept);
    connect(m_form.Get<QPushButton>(kSave), &QPushButton::clicked, this, &COutputDialog::OnSaveText);
    connect(m_form.Get<QPushButton>(kCopy), &QPushButton::clicked, this, &COutputDialog::OnCopyText);
    resize(m_form.ClientSize());
    RestorePlacement();
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

// The stored outer rectangle, when there is one. Before the first show the
// frame is not known yet: the owner's (same decorations) or the platform
// window's own is taken, so the size does not creep from one showing to the next.
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
    QSize frame = parentWidget() ? FrameExtent(parentWidget()->window()) : QSize(0, 0);
    if (frame.isEmpty()) {
        create();
        frame = FrameExtent(this);
    }
    move(left, top);
    resize(qMax(1, right - left - frame.width()), qMax(1, bottom - top - frame.height()));
}

void COutputDialog::StorePlacement()
{
    const QSize frame = FrameExtent(this);
    const QPoint offset = geometry().topLeft() - frameGeometry().topLeft();
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
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
}

void COutputDialog::OnInitDialog()
{
    m_initialised = true;
    m_pending = NormalizeLineBreaks(std::move(m_pending));
    m_loaded = PartEnd(0, kFirstPart);
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
    m_form.Control(kOk)->setFocus();
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

QString COutputDialog::Text() const { return IsLoading() ? m_pending : m_edit->toPlainText(); }

void COutputDialog::LayoutControls()
{
    if (!m_edit)
        return;
    const QRect r = rect().adjusted(10, 10, -15, -30);
    m_edit->setGeometry(r);
    const int y = r.y() + r.height() + 5;
    int x = r.x();
    int gap = 0;
    for (const int id : {kOk, kSave, kCopy}) {
        QWidget* button = m_form.Control(id);
        button->move(x + gap, y);
        x += button->width();
        ++gap;
    }
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

// Enter and Escape close the window even from the edit.
bool COutputDialog::eventFilter(QObject* watched, QEvent* event)
{
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

void COutputDialog::done(int result)
{
    StorePlacement();
    QDialog::done(result);
}
