#include "resources/FormTemplate.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace resources {

namespace {

QJsonDocument ReadJson(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll());
}

QRect ToRect(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    return QRect(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt());
}

const QJsonObject& Menus()
{
    static const QJsonObject menus = ReadJson(QStringLiteral(":/tarnwick/menus.json")).object();
    return menus;
}

}  // namespace

const ControlTemplate* FormTemplate::Find(int controlId) const
{
    for (const ControlTemplate& control : controls) {
        if (control.id == controlId)
            return &control;
    }
    return nullptr;
}

FormTemplate LoadFormTemplate(int id)
{
    const QJsonObject json = ReadJson(QStringLiteral(":/tarnwick/forms/%1.json").arg(id)).object();
    FormTemplate form;
    form.id = json.value(QLatin1String("id")).toInt();
    form.title = json.value(QLatin1String("title")).toString();
    const QJsonArray size = json.value(QLatin1String("size")).toArray();
    form.size = QSize(size.at(0).toInt(), size.at(1).toInt());
    for (const auto& value : json.value(QLatin1String("controls")).toArray()) {
        const QJsonObject c = value.toObject();
        ControlTemplate control;
        control.id = c.value(QLatin1String("id")).toInt();
        control.name = c.value(QLatin1String("name")).toString();
        control.kind = c.value(QLatin1String("kind")).toString();
        control.text = c.value(QLatin1String("text")).toString();
        // A control that its dialog places itself gives only its size.
        const QJsonArray size = c.value(QLatin1String("size")).toArray();
        control.rect = c.contains(QLatin1String("rect")) ? ToRect(c.value(QLatin1String("rect")))
                                                         : QRect(0, 0, size.at(0).toInt(), size.at(1).toInt());
        for (const auto& flag : c.value(QLatin1String("style")).toArray())
            control.style.append(flag.toString());
        form.controls.append(control);
    }
    return form;
}

QList<MenuTemplate> LoadMenu()
{
    QList<MenuTemplate> menu;
    for (const auto& popupValue : Menus().value(QLatin1String("menu")).toArray()) {
        const QJsonObject popup = popupValue.toObject();
        MenuTemplate entry;
        entry.text = popup.value(QLatin1String("text")).toString();
        for (const auto& itemValue : popup.value(QLatin1String("items")).toArray()) {
            const QJsonObject item = itemValue.toObject();
            entry.items.append({item.value(QLatin1String("id")).toInt(), item.value(QLatin1String("name")).toString(),
                                item.value(QLatin1String("text")).toString(),
                                item.value(QLatin1String("key")).toString(),
                                item.value(QLatin1String("separator")).toBool()});
        }
        menu.append(entry);
    }
    return menu;
}

QList<ButtonCommand> LoadButtonCommands(const FormTemplate& form)
{
    QHash<QString, int> commands;
    for (const MenuTemplate& popup : LoadMenu()) {
        for (const MenuItemTemplate& item : popup.items)
            commands.insert(item.name, item.id);
    }
    QHash<QString, int> controls;
    for (const ControlTemplate& control : form.controls)
        controls.insert(control.name, control.id);
    QList<ButtonCommand> buttons;
    for (const auto& value : Menus().value(QLatin1String("buttons")).toArray()) {
        const QJsonObject row = value.toObject();
        const int button = controls.value(row.value(QLatin1String("button")).toString());
        const int command = commands.value(row.value(QLatin1String("command")).toString());
        if (button != 0 && command != 0)  // the build refuses names that do not resolve
            buttons.append({button, command});
    }
    return buttons;
}

QString LoadResourceString(int id)
{
    static const QHash<int, QString> strings = [] {
        QHash<int, QString> table;
        for (const auto& value : ReadJson(QStringLiteral(":/tarnwick/strings.json")).array()) {
            const QJsonObject row = value.toObject();
            table.insert(row.value(QLatin1String("id")).toInt(), row.value(QLatin1String("text")).toString());
        }
        return table;
    }();
    return strings.value(id);
}

}  // namespace resources
