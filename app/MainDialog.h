#pragma once
// The main window: the current Java file, the JDK folder, the menu bar with
// its accelerators, the shortcut buttons and the short and extended forms.
#include "commands/IMainContext.h"
#include "resources/FormBuilder.h"
#include "settings/FileUtil.h"
#include "settings/OptionModel.h"

#include <QDialog>
#include <QHash>
#include <QKeySequence>
#include <functional>
#include <memory>
#include <optional>

class QAction;
namespace compiler {
class KeptCompiler;
}
class QKeyEvent;
class QMenuBar;
namespace cmd {
class ToolCommands;
enum class CommandRule;
}  // namespace cmd
namespace dialogs {
class GenerateCommands;
}

namespace app {

class NoticeBar;
using cmd::CommandRule;

class MainDialog : public QDialog, public cmd::IMainContext {
    Q_OBJECT
public:
    explicit MainDialog(QWidget* parent = nullptr);
    ~MainDialog() override;

    // Window initialisation before the first show; names are the file names
    // given on the command line, one per argument.
    void Start(const QStringList& commandLineNames = {});
    // From now on javac, javadoc and jar may run in kept, which is started
    // for the JDK and the current file (and again when they change).
    void KeepCompilerWarm(compiler::KeptCompiler* kept);

    void ToggleExtended();
    void ProcessCommandLine(const QStringList& names);
    void RefreshJavaDocumentCommand() override;

    void ChooseJavaFile();
    void SetCurrentFile(const QString& path) override;
    void UpdateCommandStates();
    void ChooseJdkFolder();
    std::optional<QString> DetectJdk() const;
    // Items dropped on the window, in the order of the drop.
    void OpenDroppedFiles(const QStringList& paths);

    // IMainContext
    QWidget* Window() override { return this; }
    const java::CurrentFile& File() const override { return m_file; }
    QString JdkFolder() const override { return m_jdkFolder; }
    settings::OptionModel& Options() override { return m_options; }
    void ExecuteCommand(int id) override;
    // Shown beside the extend button for a few seconds.
    void ShowNotice(const QString& text) override;

    bool IsExtended() const { return m_extended; }
    QAction* CommandAction(int id) const { return m_actions.value(id); }
    QWidget* Control(int id) const { return m_form.Control(id); }
    QMenuBar* MenuBar() const { return m_menuBar; }

Q_SIGNALS:
    // Emitted as a command starts, whatever reached it (menu, key, button).
    void commandExecuted(int id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenu();
    void ConnectButtons(const resources::FormTemplate& form);
    void SetControlText(int id, const QString& text);
    // The accelerator's command for a key, 0 when none matches.
    int AcceleratorCommand(const QKeyEvent* key) const;
    bool FilterKey(QKeyEvent* key, bool shortcutOverride);
    void SetClientHeight(int height);
    // Enables each command whose rule the state decides, its menu item and
    // its buttons at once; a grey one carries greyReason as its tooltip.
    void ApplyCommandRules(const std::function<std::optional<bool>(CommandRule)>& state, const QString& greyReason);
    void StoreForm();

    java::CurrentFile m_file;
    QString m_jdkFolder;
    bool m_extended = false;
    bool m_destroyed = false;
    bool m_commandRunning = false;
    settings::FileUtil m_fileUtil;
    settings::OptionModel m_options;

    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    NoticeBar* m_notice = nullptr;
    resources::Form m_form;
    QHash<int, QAction*> m_actions;
    QList<QWidget*> m_shortcutGroup;  // what only the extended form shows
    QList<QPair<QKeySequence, int>> m_accelerators;
    std::unique_ptr<cmd::ToolCommands> m_tools;
    std::unique_ptr<dialogs::GenerateCommands> m_generators;
};

}  // namespace app
