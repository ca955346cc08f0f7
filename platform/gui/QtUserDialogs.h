#pragma once
#include "platform/UserDialogs.h"

#include <QTranslator>

namespace platform {

// The widget implementation of the dialog interface: Qt's message boxes,
// file dialogs, folder picker and colour dialog, with Qt's own texts in
// Japanese.
class QtUserDialogs final : public IUserDialogs {
public:
    // Loads Qt's Japanese texts (standard buttons, the dialogs, the edit
    // fields' context menus) unless done already; every dialog does it first.
    // The program calls it once its window shows, so that loading them does
    // not delay the window.
    void LoadQtTexts();

    MsgAnswer Message(QObject* owner, const QString& text, const QString& caption, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<QString> ChooseFile(QObject* owner, const FileDialogSpec& request) override;
    QStringList ChooseFiles(QObject* owner, const FileDialogSpec& request) override;
    std::optional<QString> ChooseFolder(QObject* owner, const QString& title, const QString& initialFolder) override;
    std::optional<Rgb> ChooseColor(QObject* owner) override;

private:
    QTranslator m_qtTexts;
    bool m_qtTextsTried = false;
};

// "desc|pat1;pat2|desc2|pat3||" -> {"desc (pat1 pat2)", "desc2 (pat3)"}; the
// pattern "*.*" (every file) becomes "*" outside Windows.
QStringList ToQtNameFilters(const QString& classicFilter);

}  // namespace platform
