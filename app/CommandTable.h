#pragma once
// The main window's commands, each in one row: the handler that runs it and
// the rule that enables it, its menu item, key and buttons alike. The menus,
// their keys and the buttons that stand for a command come from
// resources/menus.json; the ids are generated from it (commands/CommandIds.h).
#include <QString>
#include <optional>
#include <span>

namespace cmd {
class CToolCommands;
}
namespace dialogs {
class CGenerateCommands;
}

namespace app {

class CMainDialog;

enum class CommandRule {
    Free,          // always enabled: neither the file nor the JDK matters
    NeedsFile,     // a usable JDK and a current file
    NeedsSource,   // a usable JDK and a current Java source
    JavaDocument,  // the options name a Java document
};

// The state that a rule gives for the current file and JDK; none for the
// rules that these do not decide. usable: a JDK folder that holds java and a
// current file; extension in lower case.
std::optional<bool> FileRuleState(CommandRule rule, bool usable, const QString& extension);

// What a handler may reach.
struct CommandTargets {
    CMainDialog& main;
    cmd::CToolCommands& tools;
    dialogs::CGenerateCommands& generators;
};

struct Command {
    int id;
    CommandRule rule;
    void (*run)(CommandTargets&);
};

std::span<const Command> Commands();
// The row of a command id; nullptr when none.
const Command* FindCommand(int id);

}  // namespace app
