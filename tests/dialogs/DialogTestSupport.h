#pragma once
// Drives the generator dialogs headless: a dialog with a scripted user and a
// folder for its files, clicks as the user makes them, and modal runs that
// always end.
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTimer>
#include <functional>
#include <set>

using Ids = std::set<int>;
Ids operator+(Ids a, const Ids& b);

// Ids of the template's controls that are enabled now.
Ids EnabledIds(const std::function<QWidget*(int)>& control, int templateId);
// Clicks a button or box as the user would (nothing happens while disabled).
void Click(QWidget* button);
bool Ticked(QWidget* box);
QString Text(QWidget* edit);
void SetText(QWidget* edit, const QString& text);
// The texts of a list's first column, top to bottom.
QStringList Rows(const QAbstractItemModel* model);
void SaveToGallery(QWidget* widget, const QString& name);

template <class Dialog, int TemplateId>
struct DialogUnderTest {
    FakeUserDialogs user;
    TempFolder folder;
    Dialog dialog;

    QWidget* C(int id) const { return dialog.Control(id); }
    Ids Enabled() const { return EnabledIds([this](int id) { return C(id); }, TemplateId); }
    QString Written(const QString& name) const { return QString::fromUtf8(folder.Read(name)); }
    // Answers the file question with a file in the folder.
    QString Choose(int selectButton, const QString& name = QStringLiteral("Foo.java"))
    {
        user.files.push_back(folder.Path(name));
        Click(C(selectButton));
        return folder.Path(name);
    }
};

// Runs action on the modal dialog of type T that the code under test opens
// next (exec() shows it before its event loop runs the timer), then closes it
// if the action left it open, so exec() returns.
template <class T>
void WhenModal(std::function<void(T&)> action)
{
    QTimer::singleShot(0, [action] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible()) {
                action(*dialog);
                if (dialog->isVisible())
                    dialog->reject();
            }
        }
    });
}
