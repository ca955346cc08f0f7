#include "dialogs/MenuTreeEditor.h"

#include <QTreeWidget>

namespace dialogs {

namespace {

const QString kRootLabel = QStringLiteral("JMenuBar");
const QString kSeparator = QStringLiteral("-");

gen::MenuItemNode NodeOf(const QTreeWidgetItem* item)
{
    gen::MenuItemNode node{item->text(0), {}};
    node.children.reserve(item->childCount());
    for (int i = 0; i < item->childCount(); ++i)
        node.children.push_back(NodeOf(item->child(i)));
    return node;
}

}  // namespace

void MenuTreeEditor::Attach(QTreeWidget* tree)
{
    m_tree = tree;
    if (!tree)
        return;
    tree->setColumnCount(1);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_root = new QTreeWidgetItem(tree, {kRootLabel});
    // The first entry goes below the root without a click on it.
    tree->setCurrentItem(m_root);
}

QTreeWidgetItem* MenuTreeEditor::Selected() const
{
    if (!m_tree)
        return nullptr;
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void MenuTreeEditor::AddBelowSelected(const QString& label)
{
    QTreeWidgetItem* parent = Selected() ? Selected() : m_root;
    if (label.isEmpty() || !parent || parent->text(0) == kSeparator)
        return;
    new QTreeWidgetItem(parent, {label});
    parent->setExpanded(true);
}

void MenuTreeEditor::DeleteSelected()
{
    QTreeWidgetItem* item = Selected();
    if (!item || item == m_root)
        return;
    delete item;  // takes its descendants with it
    // The root, which a second 削除 leaves alone, rather than a neighbour.
    m_tree->setCurrentItem(m_root);
}

gen::MenuItemNode MenuTreeEditor::ToNode() const
{
    if (!m_root)
        return gen::MenuItemNode{kRootLabel, {}};
    return NodeOf(m_root);
}

}  // namespace dialogs
