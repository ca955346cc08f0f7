// Every menu entry, accelerator and button of the resources reaches a command with a handler.
#include "app/CommandTable.h"
#include "resources/FormTemplate.h"

#include <gtest/gtest.h>

using namespace app;
using namespace resources;

namespace {

TEST(CommandTable, EveryMenuEntryKeyAndButtonRunsACommand)
{
    QList<int> used;
    for (const MenuTemplate& popup : LoadMenu(134))
        for (const MenuItemTemplate& item : popup.items)
            if (!item.separator)
                used << item.id;
    EXPECT_EQ(used.size(), std::ssize(Commands())) << "one menu item per command";
    for (const AcceleratorTemplate& key : LoadAccelerators(128))
        used << key.command;
    for (const ButtonCommand& entry : LoadButtonCommands())
        used << entry.command;
    for (int id : used) {
        const Command* command = FindCommand(id);
        EXPECT_TRUE(command && command->run) << id;
    }
}

}  // namespace
