#pragma once
// Values for every option row at once, for round trips through the file and the dialog.
#include "settings/OptionModel.h"

#include <QStringList>

// Switches flipped from their defaults (or left as they are); texts numbered after tag, between blanks and quotes
// that the file must keep; the applications' paths all application.
inline settings::StoredOptions EveryOption(const QString& tag, bool flipSwitches, const QString& application)
{
    settings::StoredOptions options;
    int n = 0;
    for (const settings::OptionRow& row : settings::OptionRows()) {
        if (auto flag = std::get_if<bool settings::StoredOptions::*>(&row.member)) {
            if (flipSwitches)
                options.*(*flag) = !(options.*(*flag));
        } else {
            options.*std::get<QString settings::StoredOptions::*>(row.member) =
                row.required.switchedBy ? application : QStringLiteral(" \"%1%2\" ；= ").arg(tag).arg(n++);
        }
    }
    return options;
}

// The row's value as the file keeps it.
inline QString OptionText(const settings::StoredOptions& options, const settings::OptionRow& row)
{
    if (auto flag = std::get_if<bool settings::StoredOptions::*>(&row.member))
        return settings::SettingFile::BoolText(options.*(*flag));
    return options.*std::get<QString settings::StoredOptions::*>(row.member);
}

// "Section/Key=value" for every row, so that a failed comparison names the key.
inline QStringList OptionTexts(const settings::StoredOptions& options)
{
    QStringList texts;
    for (const settings::OptionRow& row : settings::OptionRows())
        texts << row.key.section + QLatin1Char('/') + row.key.name + QLatin1Char('=') + OptionText(options, row);
    return texts;
}

// What the file holds after OK: the shown value of each option that has a control, else the hand-written one.
inline QStringList SavedTexts(const settings::StoredOptions& shown, const settings::StoredOptions& hand)
{
    QStringList texts;
    const QStringList shownTexts = OptionTexts(shown);
    const QStringList handTexts = OptionTexts(hand);
    for (const settings::OptionRow& row : settings::OptionRows())
        texts << (row.control ? shownTexts : handTexts)[texts.size()];
    return texts;
}

// Writes every row's value, as a hand-edited file would hold them.
inline void WriteEveryOption(const settings::StoredOptions& options)
{
    QList<settings::SettingValue> values;
    for (const settings::OptionRow& row : settings::OptionRows())
        values.append({row.key, OptionText(options, row)});
    settings::SettingFile().WriteValues(values);
}
