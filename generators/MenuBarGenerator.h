#pragma once
// The Swing menu bar of a generated class, built from a tree of labels.
#include <QString>
#include <vector>

namespace gen {

struct MenuItemNode {
    QString label;  // as typed, ampersands included
    std::vector<MenuItemNode> children;
};

// The four sections of a generated class; the menu bar writes first.
struct ClassSections {
    QString initBody;
    QString fieldDecls;
    QString methodText;
    QString menuDispatch;
};

// The word for a label without ampersands, from the CP932 bytes of the label
// ("保存" -> "Blank", "Save As" -> "Save_As", "ファイル(F)" -> "TAtMarkCF").
QString LabelToIdentifier(const QString& label);

void GenerateMenuBar(const MenuItemNode& root, bool comments, ClassSections& sections);

}  // namespace gen
