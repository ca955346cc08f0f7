#include "tests/dialogs/DialogTestSupport.h"

#include "resources/FormTemplate.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <gtest/gtest.h>

Ids operator+(Ids a, const Ids& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

Ids EnabledIds(const std::function<QWidget*(int)>& control, int templateId)
{
    Ids ids;
    for (const ControlTemplate& c : LoadFormTemplate(templateId).controls) {
        QWidget* widget = c.id ? control(c.id) : nullptr;
        if (widget && widget->isEnabled())
            ids.insert(c.id);
    }
    return ids;
}

void Click(QWidget* button)
{
    auto* b = qobject_cast<QAbstractButton*>(button);
    ASSERT_NE(b, nullptr);
    b->click();
}

bool Ticked(QWidget* box)
{
    const auto* b = qobject_cast<QAbstractButton*>(box);
    return b && b->isChecked();
}

QString Text(QWidget* edit) { return qobject_cast<QLineEdit*>(edit)->text(); }

void SetText(QWidget* edit, const QString& text) { qobject_cast<QLineEdit*>(edit)->setText(text); }

QStringList Rows(const QAbstractItemModel* model)
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString();
    return rows;
}

void SaveToGallery(QWidget* widget, const QString& name)
{
    const QString folder = QString::fromLocal8Bit(qgetenv("TW_BINARY_DIR")) + QStringLiteral("/gallery/");
    QDir().mkpath(folder);
    EXPECT_TRUE(widget->grab().save(folder + name + QStringLiteral(".png")));
}
