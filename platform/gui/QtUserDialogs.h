#pragma once
#include "platform/UserDialogs.h"

// The widget implementation of the dialog interface: Qt's message boxes,
// file dialogs, folder picker and colour dialog.
class QtUserDialogs final : public IUserDialogs {
public:
    MsgAnswer Message(QObject* owner, const QString& text, const QString& caption, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<QString> ChooseFile(QObject* owner, const FileDialogSpec& request) override;
    QStringList ChooseFiles(QObject* owner, const FileDialogSpec& request) override;
    std::optional<QString> ChooseFolder(QObject* owner, const QString& title, const QString& initialFolder) override;
    std::optional<Rgb> ChooseColor(QObject* owner) override;
};

// "desc|pat1;pat2|desc2|pat3||" -> {"desc (pat1 pat2)", "desc2 (pat3)"}; the
// pattern "*.*" (every file) becomes "*" outside Windows.
QStringList ToQtNameFilters(const QString& classicFilter);
