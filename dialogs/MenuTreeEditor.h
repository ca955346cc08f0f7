#pragma once
// The menu tree of the class dialog in a tree view: one root "JMenuBar",
// selected at the start and after a deletion; entries are added as the last
// child of the selected entry, or of the root when none is selected (never
// below a separator "-"), and deleted with their whole subtree (never the
// root).
#include "generators/MenuBarGenerator.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace dialogs {

class MenuTreeEditor {
public:
    // Inserts the root into an empty tree view.
    void Attach(QTreeWidget* tree);
    void AddBelowSelected(const QString& label);
    void DeleteSelected();
    gen::MenuItemNode ToNode() const;
    QTreeWidgetItem* Root() const { return m_root; }

private:
    QTreeWidgetItem* Selected() const;

    QTreeWidget* m_tree = nullptr;
    QTreeWidgetItem* m_root = nullptr;
};

}  // namespace dialogs
