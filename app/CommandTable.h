#pragma once
// The main window's commands, each in one row: the handler that runs it and
// the rule that enables it, its menu item, key and buttons alike. The main
// window's own rows are here; the tool and generator classes list theirs. The menus,
// their keys and the buttons that stand for a command come from
// resources/menus.json; the ids are generated from it (commands/CommandIds.h).
#include "commands/CommandRow.h"

#include <QString>
#include <optional>
#include <span>

namespace cmd {
class ToolCommands;
}
namespace dialogs {
class GenerateCommands;
}

namespace app {

class MainDialog;
using cmd::CommandRule;

// The state that a rule gives for the current file and JDK; none for the
// rules that these do not decide. usable: a JDK folder that holds java and a
// current file; extension in lower case.
std::optional<bool> FileRuleState(CommandRule rule, bool usable, const QString& extension);

// What a handler may reach.
struct CommandTargets {
    MainDialog& main;
    cmd::ToolCommands& tools;
    dialogs::GenerateCommands& generators;
};

// A row of the main window's own commands, or of the classes that answer
// the others (their headers list those rows).
struct Command {
    int id;
    CommandRule rule;
    void (*run)(CommandTargets&) = nullptr;
    void (cmd::ToolCommands::*tool)() = nullptr;
    void (dialogs::GenerateCommands::*generator)() = nullptr;
};

void RunCommand(const Command& command, CommandTargets& targets);

std::span<const Command> Commands();
// The row of a command id; nullptr when none.
const Command* FindCommand(int id);

}  // namespace app
