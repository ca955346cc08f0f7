#pragma once
// Drives the generator dialogs headless: a dialog with a scripted user and a folder for its files, and clicks as the
// user makes them.
#include "resources/FormTemplate.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/Gallery.h"
#include "tests/support/TempFolder.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <set>
#include <vector>

using Ids = std::set<int>;

inline Ids operator+(Ids a, const Ids& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

inline Ids operator-(Ids a, const Ids& b)
{
    for (int id : b)
        a.erase(id);
    return a;
}

inline bool IsChecked(QWidget* box) { return box->property("checked").toBool(); }

inline QString Text(QWidget* edit) { return qobject_cast<QLineEdit*>(edit)->text(); }
inline void SetText(QWidget* edit, const QString& text) { qobject_cast<QLineEdit*>(edit)->setText(text); }

// The texts of a list's first column, top to bottom.
inline QStringList Rows(const QAbstractItemModel* model)
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString();
    return rows;
}

template <class Dialog, int TemplateId>
struct DialogUnderTest {
    FakeUserDialogs user;
    TempFolder folder;
    Dialog dialog;

    QWidget* C(int id) const { return dialog.Control(id); }
    // Clicks buttons and boxes as the user would (nothing happens while disabled).
    void Click(const std::vector<int>& ids) const
    {
        for (int id : ids) {
            auto* button = qobject_cast<QAbstractButton*>(C(id));
            ASSERT_NE(button, nullptr) << id;
            button->click();
        }
    }
    // Ids of the template's controls that are enabled, or ticked, now.
    Ids Enabled() const
    {
        return Where([](QWidget* w) { return w->isEnabled(); });
    }
    Ids Ticked() const { return Where(IsChecked); }
    QString Written(const QString& name) const { return QString::fromUtf8(folder.Read(name)); }
    // Answers the file question with a file in the folder, then clicks more.
    void Choose(int selectButton, const std::vector<int>& then = {}, const QString& name = "Foo.java")
    {
        user.files.push_back(folder.Path(name));
        Click({selectButton});
        Click(then);
    }

private:
    Ids Where(bool (*test)(QWidget*)) const
    {
        Ids ids;
        for (const resources::ControlTemplate& c : resources::LoadFormTemplate(TemplateId).controls) {
            if (c.id && C(c.id) && test(C(c.id)))
                ids.insert(c.id);
        }
        return ids;
    }
};
