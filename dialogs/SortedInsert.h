#pragma once
// Lists kept in ascending order of their texts compared without regard to
// case; an added text goes after the equal ones already there.
#include <QString>

class QComboBox;
class QListWidget;

namespace dialogs {

void InsertSorted(QListWidget* list, const QString& text);
void InsertSorted(QComboBox* combo, const QString& text);

}  // namespace dialogs
