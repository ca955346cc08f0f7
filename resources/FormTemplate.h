#pragma once
// Dialog templates, menus, accelerators and strings, kept as data in the
// program's resources (resources/*.json).
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace resources {

struct ControlTemplate {
    int id = 0;    // 0: a static without id
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
    QString text;
    bool separator = false;
};

struct MenuTemplate {
    QString text;
    QList<MenuItemTemplate> items;
};

struct AcceleratorTemplate {
    QString key;  // "Ctrl+O"
    int command = 0;
};

struct ButtonCommand {
    int button = 0;
    int command = 0;
};

// Template NNN from ":/forms/NNN.json"; an empty template when missing.
FormTemplate LoadFormTemplate(int id);
QList<MenuTemplate> LoadMenu(int id);
QList<AcceleratorTemplate> LoadAccelerators(int id);
QList<ButtonCommand> LoadButtonCommands();
// String table entry; empty when missing.
QString LoadResourceString(int id);

}  // namespace resources
