#include "app/MainDialog.h"

#include "app/CommandTable.h"
#include "app/NoticeBar.h"
#include "commands/CommandIds.h"
#include "commands/ToolCommands.h"
#include "dialogs/GenerateCommands.h"
#include "platform/Paths.h"
#include "resources/FormIds.h"
#include "resources/StringIds.h"
#include "settings/SettingFile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <utility>

namespace app {

namespace {

// The extended form is 125 pixels taller at the reference dialog font (12
// pixels high); with another font it grows in proportion, so the whole
// shortcut group shows.
constexpr int kExtendPixels = 125;
constexpr int kReferenceFontHeight = 12;
// The notice's strip, in dialog units: from the group boxes' left edge to
// just before the extend button.
constexpr int kNoticeLeft = 3;
constexpr int kNoticeGap = 2;

// Why a command is grey, kept on its action for the buttons that stand for it
// (an action without a tooltip gives its text as one).
constexpr char kGreyReason[] = "greyReason";

// A button that stands for a command runs it and shows its state: enabled,
// or grey with the reason.
void StandFor(QAbstractButton* button, QAction* command)
{
    const auto show = [button, command] {
        button->setEnabled(command->isEnabled());
        button->setToolTip(command->property(kGreyReason).toString());
    };
    QObject::connect(button, &QAbstractButton::clicked, command, &QAction::trigger);
    QObject::connect(command, &QAction::changed, button, show);
    show();
}

}  // namespace

MainDialog::MainDialog(QWidget* parent)
    : QDialog(parent)
    , m_tools(std::make_unique<cmd::ToolCommands>(*this))
    , m_generators(std::make_unique<dialogs::GenerateCommands>(*this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(resources::AppIcon());
    setAcceptDrops(true);
    m_menuBar = new QMenuBar(this);
    m_client = new QWidget(this);
    const resources::FormTemplate form = resources::LoadFormTemplate(resources::MainForm::Id);
    m_form.Build(m_client, form);
    m_menuBar->setFont(resources::DialogFont());
    BuildMenu();
    ConnectButtons(form);
    // Below the extend button lies the shortcut group, shown only in the
    // extended form; the hidden buttons of the form stay hidden.
    const int groupTop = m_form.Control(resources::MainForm::ExtendButton)->geometry().bottom();
    for (QWidget* control : m_client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden() && control->geometry().top() > groupTop)
            m_shortcutGroup.append(control);
    }
    m_notice = new NoticeBar(m_client);
    const QSize client = m_form.ClientSize();
    m_menuBar->setGeometry(0, 0, client.width(), m_menuBar->sizeHint().height());
    m_client->setGeometry(0, m_menuBar->height(), client.width(), client.height());
    setFixedSize(client.width(), m_menuBar->height() + client.height());
    qApp->installEventFilter(this);
}

MainDialog::~MainDialog()
{
    qApp->removeEventFilter(this);
    StoreForm();
}

// One action per command; the key of its item is shown after a tab, as menus
// show keys, and bound by FilterKey.
void MainDialog::BuildMenu()
{
    for (const resources::MenuTemplate& popup : resources::LoadMenu()) {
        QMenu* menu = m_menuBar->addMenu(popup.text);
        menu->setToolTipsVisible(true);  // a grey item says why
        for (const resources::MenuItemTemplate& item : popup.items) {
            if (item.separator) {
                menu->addSeparator();
                continue;
            }
            QString text = item.text;
            if (!item.key.isEmpty()) {
                // The portable text reads "Ctrl+C" in every locale; the native one follows Qt's translations.
                const QKeySequence key(item.key, QKeySequence::PortableText);
                m_accelerators.append({key, item.id});
                text += QLatin1Char('\t') + key.toString(QKeySequence::PortableText);
            }
            QAction* action = menu->addAction(text);
            action->setData(item.id);
            m_actions.insert(item.id, action);
            connect(action, &QAction::triggered, this, [this, id = item.id] { ExecuteCommand(id); });
        }
    }
}

void MainDialog::ConnectButtons(const resources::FormTemplate& form)
{
    for (const resources::ButtonCommand& entry : resources::LoadButtonCommands(form)) {
        auto* button = m_form.Get<QPushButton>(entry.button);
        if (QAction* command = m_actions.value(entry.command); button && command)
            StandFor(button, command);
    }
    if (auto* extend = m_form.Get<QPushButton>(resources::MainForm::ExtendButton))
        connect(extend, &QPushButton::clicked, this, &MainDialog::ToggleExtended);
}

void MainDialog::SetControlText(int id, const QString& text)
{
    if (auto* edit = m_form.Get<QLineEdit>(id))
        edit->setText(text);
    else if (auto* button = m_form.Get<QPushButton>(id))
        button->setText(text);
}

void MainDialog::Start(const QStringList& commandLineNames)
{
    // The platform offers no window-manager menu to extend on Linux; the
    // about box is reached from the help menu.
    setWindowTitle(resources::LoadResourceString(resources::StringId::VersionLine));
    RefreshJavaDocumentCommand();
    const settings::SettingFile settings;
    const QString jdk = settings.ReadString(settings::ini::JDK::Path, {});
    if (!jdk.isEmpty()) {
        m_jdkFolder = platform::WithTrailingSeparator(jdk);
        SetControlText(resources::MainForm::JdkEdit, m_jdkFolder);
    }
    const QString extend = settings.ReadString(settings::ini::Option::Extend, QStringLiteral("false"));
    m_extended = extend != QLatin1String("true");
    ToggleExtended();
    UpdateCommandStates();
    ProcessCommandLine(commandLineNames);
}

// The strip left of the extend button is empty in both forms.
void MainDialog::ShowNotice(const QString& text)
{
    const QRect button = m_form.Control(resources::MainForm::ExtendButton)->geometry();
    const QRect strip(QPoint(m_form.Units().X(kNoticeLeft), button.top()),
                      QPoint(button.left() - m_form.Units().X(kNoticeGap), button.bottom()));
    m_notice->Show(text, strip);
}

void MainDialog::SetClientHeight(int height)
{
    m_client->resize(m_client->width(), height - m_client->y());
    setFixedSize(width(), height);
    update();
}

void MainDialog::ToggleExtended()
{
    auto* button = m_form.Get<QPushButton>(resources::MainForm::ExtendButton);
    const int buttonBottom = m_client->y() + button->geometry().bottom() + 1;
    int height = buttonBottom + 7;
    if (m_extended) {
        button->setText(QStringLiteral(">>"));
    } else {
        height += kExtendPixels * m_form.Units().baseY / kReferenceFontHeight;
        button->setText(QStringLiteral("<<"));
    }
    SetClientHeight(height);
    m_extended = !m_extended;
    // Hidden rather than cut off, so that Tab never reaches them unseen.
    for (QWidget* control : m_shortcutGroup)
        control->setVisible(m_extended);
}

void MainDialog::RefreshJavaDocumentCommand()
{
    const bool on = m_options.JavaDocument().has_value();
    ApplyCommandRules(
        [on](CommandRule rule) { return rule == CommandRule::JavaDocument ? std::optional(on) : std::nullopt; }, {});
}

// The buttons follow their commands' actions (StandFor).
void MainDialog::ApplyCommandRules(const std::function<std::optional<bool>(CommandRule)>& state,
                                   const QString& greyReason)
{
    for (auto [id, action] : m_actions.asKeyValueRange()) {
        const Command* command = FindCommand(id);
        const std::optional<bool> on = command ? state(command->rule) : std::nullopt;
        if (!on)
            continue;
        const QString reason = *on ? QString() : greyReason;
        action->setProperty(kGreyReason, reason);
        action->setToolTip(reason);
        action->setEnabled(*on);
    }
}

void MainDialog::ExecuteCommand(int id)
{
    // A captured tool keeps the window alive (painting) until it ends; the
    // window must not close under the running command.
    const bool wasRunning = std::exchange(m_commandRunning, id != cmd::Exit);
    const auto done = qScopeGuard([this, wasRunning] { m_commandRunning = wasRunning; });
    Q_EMIT commandExecuted(id);
    m_notice->hide();  // a note speaks of the command before
    if (const Command* command = FindCommand(id)) {
        CommandTargets targets{*this, *m_tools, *m_generators};
        RunCommand(*command, targets);
    }
    m_tools->WarmCompiler();  // the options may have turned it off or on
}

void MainDialog::KeepCompilerWarm(compiler::KeptCompiler* kept)
{
    m_tools->SetKeptCompiler(kept);
    m_tools->WarmCompiler();
}

int MainDialog::AcceleratorCommand(const QKeyEvent* key) const
{
    const QKeySequence pressed(key->keyCombination());
    for (const auto& [sequence, command] : m_accelerators) {
        if (sequence == pressed)
            return command;
    }
    return 0;
}

bool MainDialog::FilterKey(QKeyEvent* key, bool shortcutOverride)
{
    if (const int command = AcceleratorCommand(key)) {
        // Claim the key before an edit takes Ctrl+C, Ctrl+V or Ctrl+A for itself;
        // the command runs only while its menu item is enabled.
        QAction* item = m_actions.value(command);
        if (!item || !item->isEnabled())
            return false;
        if (shortcutOverride) {
            key->accept();
            return true;
        }
        ExecuteCommand(command);
        return true;
    }
    const int k = key->key();
    // Enter and Escape never close the window nor press a button.
    return !shortcutOverride && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape);
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || !isEnabled())
        return false;
    return FilterKey(static_cast<QKeyEvent*>(event), type == QEvent::ShortcutOverride);
}

void MainDialog::closeEvent(QCloseEvent* event)
{
    if (m_commandRunning) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void MainDialog::done(int result)
{
    StoreForm();
    QDialog::done(result);
}

void MainDialog::StoreForm()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    settings::SettingFile().WriteString(settings::ini::Option::Extend, settings::SettingFile::BoolText(m_extended));
}

}  // namespace app
