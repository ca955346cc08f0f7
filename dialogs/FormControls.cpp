#include "dialogs/FormControls.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace dialogs {

void EnableControls(const resources::Form& form, std::initializer_list<int> ids, bool on)
{
    for (int id : ids) {
        if (QWidget* control = form.Control(id))
            control->setEnabled(on);
    }
}

bool IsTicked(const resources::Form& form, int id)
{
    const auto* box = form.Get<QAbstractButton>(id);
    return box && box->isChecked();
}

void SetTicked(const resources::Form& form, int id, bool on)
{
    if (auto* box = form.Get<QAbstractButton>(id))
        box->setChecked(on);
}

QButtonGroup* MakeRadioGroup(const resources::Form& form, std::initializer_list<int> ids, QObject* parent)
{
    auto* group = new QButtonGroup(parent);
    group->setExclusive(true);
    for (int id : ids) {
        if (auto* button = form.Get<QAbstractButton>(id))
            group->addButton(button, id);
    }
    return group;
}

void ClearRadio(QButtonGroup* group, int id)
{
    QAbstractButton* button = group->button(id);
    if (!button)
        return;
    // An exclusive group refuses to uncheck its checked button.
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
}

}  // namespace dialogs
