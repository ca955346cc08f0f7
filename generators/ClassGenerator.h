#pragma once
// The class source generator: a pure function from the class dialog's
// choices (and the menu tree) to the text of the source file. The imports
// that the code needs are written whether ticked or not, and a class with a
// menu bar implements ActionListener, so that every choice compiles.
#include "generators/MenuBarGenerator.h"

#include <QString>
#include <array>

namespace gen {

enum class SuperclassKind { None, JFrame, JDialog, JPanel, JWindow, UserDefined };

// Index into ClassChoices::imports, in the order of the import lines.
enum ClassImport {
    ImportSwing,
    ImportAwt,
    ImportAwtEvent,
    ImportAwtImage,
    ImportIo,
    ImportNet,
    ImportUtil,
    ImportApplet,
    ImportBeans,
    ImportRmi,
    ImportCount
};

// Index into ClassChoices::interfaces, in the order of the implements clause.
enum ClassInterface {
    ActionListenerIf,
    ItemListenerIf,
    KeyListenerIf,
    MouseListenerIf,
    MouseMotionListenerIf,
    WindowListenerIf,
    RunnableIf,
    ComponentListenerIf,
    InterfaceCount
};

struct ClassChoices {
    QString path;
    QString fileName;
    QString className;
    std::array<bool, ImportCount> imports{};
    SuperclassKind superclass = SuperclassKind::None;
    QString userSuperclass;
    std::array<bool, InterfaceCount> interfaces{};
    bool withMain = false;
    bool comments = false;
    bool openAfter = false;
    bool withMenuBar = false;
    MenuItemNode menuTree{QStringLiteral("JMenuBar"), {}};
};

QString GenerateClassSource(const ClassChoices& choices);

}  // namespace gen
