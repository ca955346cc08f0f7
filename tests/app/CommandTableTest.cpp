// Every menu item reaches a command with a handler, and every command has its item.
#include "app/CommandTable.h"
#include "resources/FormTemplate.h"

#include <gtest/gtest.h>

using namespace app;
using namespace resources;

namespace {

TEST(CommandTable, EveryMenuItemRunsACommandAndEveryCommandHasItsItem)
{
    int items = 0;
    for (const MenuTemplate& popup : LoadMenu()) {
        for (const MenuItemTemplate& item : popup.items) {
            if (item.separator)
                continue;
            ++items;
            const Command* command = FindCommand(item.id);
            EXPECT_TRUE(command && command->run) << item.name.toStdString();
        }
    }
    EXPECT_EQ(items, std::ssize(Commands())) << "one menu item per command";
}

}  // namespace
