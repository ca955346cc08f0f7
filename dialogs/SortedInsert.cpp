#include "dialogs/SortedInsert.h"

#include <QComboBox>
#include <QListWidget>

namespace dialogs {

namespace {

template <class TextAt>
int SortedPosition(int count, TextAt textAt, const QString& text)
{
    int row = 0;
    while (row < count && QString::compare(textAt(row), text, Qt::CaseInsensitive) <= 0)
        ++row;
    return row;
}

}  // namespace

void InsertSorted(QListWidget* list, const QString& text)
{
    const int row = SortedPosition(
        list->count(), [list](int i) { return list->item(i)->text(); }, text);
    list->insertItem(row, text);
}

void InsertSorted(QComboBox* combo, const QString& text)
{
    const int row = SortedPosition(
        combo->count(), [combo](int i) { return combo->itemText(i); }, text);
    combo->insertItem(row, text);
}

}  // namespace dialogs
