#include "dialogs/CMenuTree.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Each label followed by its children in brackets.
QString Outline(const MenuItemNode& node)
{
    QStringList children;
    for (const MenuItemNode& child : node.children)
        children << Outline(child);
    return children.isEmpty() ? node.label : node.label + "[" + children.join(",") + "]";
}

TEST(MenuTree, AddsBelowTheSelectionAndDeletesWholeSubtrees)
{
    QTreeWidget view;
    CMenuTree tree;
    tree.Attach(&view);
    struct Step {
        const char* select;  // "" selects nothing
        const char* label;   // nullptr deletes the selection
        const char* outline;
    };
    const Step steps[] = {
        {"", "File", "JMenuBar"},
        {"JMenuBar", "", "JMenuBar"},
        {"JMenuBar", "&File", "JMenuBar[&File]"},
        {"&File", "Open", "JMenuBar[&File[Open]]"},
        {"&File", "Open", "JMenuBar[&File[Open,Open]]"},
        {"&File", "-", "JMenuBar[&File[Open,Open,-]]"},
        {"-", "Sub", "JMenuBar[&File[Open,Open,-]]"},
        {"JMenuBar", "ヘルプ", "JMenuBar[&File[Open,Open,-],ヘルプ]"},
        {"JMenuBar", nullptr, "JMenuBar[&File[Open,Open,-],ヘルプ]"},
        {"", nullptr, "JMenuBar[&File[Open,Open,-],ヘルプ]"},
        {"&File", nullptr, "JMenuBar[ヘルプ]"},
    };
    for (const Step& step : steps) {
        view.clearSelection();
        for (QTreeWidgetItem* item : view.findItems(QString::fromUtf8(step.select), Qt::MatchExactly | Qt::MatchRecursive))
            item->setSelected(true);
        if (step.label)
            tree.AddBelowSelected(QString::fromUtf8(step.label));
        else
            tree.DeleteSelected();
        EXPECT_EQ(Outline(tree.ToNode()), QString::fromUtf8(step.outline)) << step.select << " " << step.label;
    }
    EXPECT_TRUE(tree.Root()->isExpanded());
    EXPECT_TRUE(view.selectedItems().isEmpty()) << "nothing stays selected after a deletion";
}

}  // namespace
