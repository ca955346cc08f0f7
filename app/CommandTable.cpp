#include "app/CommandTable.h"

#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "commands/CommandIds.h"
#include "commands/ToolCommands.h"
#include "dialogs/GenerateCommands.h"

#include <vector>

namespace app {

namespace {

template <auto Handler>
void Main(CommandTargets& t)
{
    (t.main.*Handler)();
}

void Exit(CommandTargets& t) { t.main.close(); }

void About(CommandTargets& t)
{
    AboutDialog about(t.main.JdkFolder(), &t.main);
    about.exec();
}

using enum CommandRule;

const Command kMainCommands[] = {
    {cmd::OpenJavaFile, Free, Main<&MainDialog::ChooseJavaFile>},
    {cmd::ChooseJdk, Free, Main<&MainDialog::ChooseJdkFolder>},
    {cmd::Exit, Free, Exit},
    {cmd::About, Free, About},
};

std::vector<Command> AllCommands()
{
    std::vector<Command> all(std::begin(kMainCommands), std::end(kMainCommands));
    for (const auto& row : cmd::kToolCommandRows)
        all.push_back({.id = row.id, .rule = row.rule, .tool = row.run});
    for (const auto& row : dialogs::kGenerateCommandRows)
        all.push_back({.id = row.id, .rule = row.rule, .generator = row.run});
    return all;
}

}  // namespace

std::optional<bool> FileRuleState(CommandRule rule, bool usable, const QString& extension)
{
    switch (rule) {
    case NeedsFile: return usable;
    case NeedsSource: return usable && extension == QLatin1String("java");
    case Free:
    case JavaDocument: return std::nullopt;
    }
    return std::nullopt;
}

std::span<const Command> Commands()
{
    static const std::vector<Command> commands = AllCommands();
    return commands;
}

void RunCommand(const Command& command, CommandTargets& targets)
{
    if (command.run)
        command.run(targets);
    else if (command.tool)
        (targets.tools.*command.tool)();
    else if (command.generator)
        (targets.generators.*command.generator)();
}

const Command* FindCommand(int id)
{
    for (const Command& command : Commands()) {
        if (command.id == id)
            return &command;
    }
    return nullptr;
}

}  // namespace app
