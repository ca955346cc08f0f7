#include "resources/FormTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace resources {

namespace {

QJsonObject ReadJson(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QRect ToRect(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    return QRect(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt());
}

const QJsonObject& Menus()
{
    static const QJsonObject menus = ReadJson(QStringLiteral(":/tarnwick/menus.json"));
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
    const QJsonObject json = ReadJson(QStringLiteral(":/tarnwick/forms/%1.json").arg(id));
    FormTemplate form;
    form.id = json.value(QLatin1String("id")).toInt();
    form.title = json.value(QLatin1String("title")).toString();
    const QJsonArray size = json.value(QLatin1String("size")).toArray();
    form.size = QSize(size.at(0).toInt(), size.at(1).toInt());
    for (const auto& value : json.value(QLatin1String("controls")).toArray()) {
        const QJsonObject c = value.toObject();
        ControlTemplate control;
        control.id = c.value(QLatin1String("id")).toInt();
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

QList<MenuTemplate> LoadMenu(int id)
{
    QList<MenuTemplate> menu;
    for (const auto& popupValue : Menus().value(QStringLiteral("menu%1").arg(id)).toArray()) {
        const QJsonObject popup = popupValue.toObject();
        MenuTemplate entry;
        entry.text = popup.value(QLatin1String("text")).toString();
        for (const auto& itemValue : popup.value(QLatin1String("items")).toArray()) {
            const QJsonObject item = itemValue.toObject();
            entry.items.append({item.value(QLatin1String("id")).toInt(), item.value(QLatin1String("text")).toString(),
                                item.value(QLatin1String("separator")).toBool()});
        }
        menu.append(entry);
    }
    return menu;
}

QList<AcceleratorTemplate> LoadAccelerators(int id)
{
    QList<AcceleratorTemplate> keys;
    for (const auto& value : Menus().value(QStringLiteral("accelerators%1").arg(id)).toArray()) {
        const QJsonObject key = value.toObject();
        keys.append({key.value(QLatin1String("key")).toString(), key.value(QLatin1String("id")).toInt()});
    }
    return keys;
}

QList<ButtonCommand> LoadButtonCommands()
{
    QList<ButtonCommand> buttons;
    for (const auto& value : Menus().value(QLatin1String("buttons")).toArray()) {
        const QJsonObject b = value.toObject();
        buttons.append({b.value(QLatin1String("button")).toInt(), b.value(QLatin1String("id")).toInt()});
    }
    return buttons;
}

QString LoadResourceString(int id)
{
    static const QJsonObject strings = ReadJson(QStringLiteral(":/tarnwick/strings.json"));
    return strings.value(QString::number(id)).toString();
}

}  // namespace resources
