#pragma once
// Dialog templates, the menu bar with its keys and buttons, and strings, kept
// as data in the program's resources (resources/*.json).
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace resources {

struct ControlTemplate {
    int id = 0;    // 0: a static without id
    QString name;  // the name of its id (FormIds.h)
    QString kind;  // group, label, edit, button, flatbutton, check, radio,
                   // combo, listbox, listview, tree, tab, swatch, icon
    QString text;
    QRect rect;         // dialog units; at 0, 0 when the form gives only a size
    QStringList style;  // readonly, hidden, disabled, default, noborder, ...
    bool Has(const char* flag) const { return style.contains(QLatin1String(flag)); }
};

struct FormTemplate {
    int id = 0;
    QString title;
    QSize size;  // dialog units
    QList<ControlTemplate> controls;
    const ControlTemplate* Find(int controlId) const;
};

struct MenuItemTemplate {
    int id = 0;  // 0 with separator
    QString name;
    QString text;  // without the key
    QString key;   // "Ctrl+O", empty without one; shown after the text and bound
    bool separator = false;
};

struct MenuTemplate {
    QString text;
    QList<MenuItemTemplate> items;
};

struct ButtonCommand {
    int button = 0;
    int command = 0;
};

// Template NNN from ":/forms/NNN.json"; an empty template when missing.
FormTemplate LoadFormTemplate(int id);
// The main window's menu bar: its pop-ups, their items and keys.
QList<MenuTemplate> LoadMenu();
// The buttons of form that stand for a command, with the ids that the names
// of the menus' button rows give.
QList<ButtonCommand> LoadButtonCommands(const FormTemplate& form);
// String table entry by its id (resources/StringIds.h); empty when missing.
QString LoadResourceString(int id);

}  // namespace resources
