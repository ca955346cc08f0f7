#pragma once
// Small helpers for the generator dialogs: enabling and ticking controls of a
// form by id, and radio groups whose buttons can all be cleared.
#include "resources/FormBuilder.h"

#include <QAbstractButton>
#include <initializer_list>

class QButtonGroup;

namespace dialogs {

void EnableControls(const resources::Form& form, std::initializer_list<int> ids, bool on);
bool IsTicked(const resources::Form& form, int id);
void SetTicked(const resources::Form& form, int id, bool on);

// An exclusive group of the form's radio buttons, keyed by their ids.
QButtonGroup* MakeRadioGroup(const resources::Form& form, std::initializer_list<int> ids, QObject* parent);
// Clears one button although the group is exclusive.
void ClearRadio(QButtonGroup* group, int id);

// Connects a button's clicked() to a handler of the dialog: ticks and
// selections that the dialog sets itself trigger no reaction.
template <class Dialog, class Receiver>
void ConnectClick(const resources::Form& form, int id, Dialog* dialog, void (Receiver::*handler)())
{
    if (auto* button = form.Get<QAbstractButton>(id))
        QObject::connect(button, &QAbstractButton::clicked, dialog, handler);
}

}  // namespace dialogs
