#pragma once
// Which buttons and menu items are enabled for a current file and JDK.
#include <QList>
#include <QString>

struct CommandStates {
    QList<int> enabledButtons;
    QList<int> disabledButtons;
    QList<int> enabledItems;
    QList<int> greyedItems;
};

// usable: a JDK folder that holds java and a current file; extension in lower case.
CommandStates ComputeCommandStates(bool usable, const QString& extension);
