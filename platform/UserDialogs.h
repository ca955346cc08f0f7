#pragma once
// Every message box and common dialog of the program goes through this
// interface, so that tests can script the user's answers and check the exact
// texts. The widget implementation lives in platform/gui/QtUserDialogs.
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

enum class MsgIcon { None, Information, Exclamation, Error, Question };
// YesNo has はい as its default button (Enter), YesNoDefaultNo いいえ.
enum class MsgButtons { Ok, YesNo, YesNoDefaultNo };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct FileDialogSpec {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    // Filter list in the classic form "description|patterns|...|", patterns
    // separated by ";". Kept verbatim so that callers state it exactly.
    QString filter;
    int selectedFilter = 0;
    QString defaultSuffix;  // appended when the user types a name without one
    QString initialFolder;
    QString proposedName;
    bool confirmOverwrite = false;  // save mode: ask before replacing
    bool mustExist = false;         // open mode: only existing files
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

class IUserDialogs {
public:
    virtual ~IUserDialogs() = default;
    virtual MsgAnswer Message(QObject* owner, const QString& text, const QString& caption, MsgIcon icon,
                              MsgButtons buttons) = 0;
    // The chosen file's full path, or nothing when cancelled.
    virtual std::optional<QString> ChooseFile(QObject* owner, const FileDialogSpec& request) = 0;
    // Several existing files at once (open mode); empty when cancelled.
    virtual QStringList ChooseFiles(QObject* owner, const FileDialogSpec& request) = 0;
    // The chosen folder without a trailing separator (except the root), or nothing.
    virtual std::optional<QString> ChooseFolder(QObject* owner, const QString& title, const QString& initialFolder) = 0;
    // A colour picked with no preset colour, or nothing when cancelled.
    virtual std::optional<Rgb> ChooseColor(QObject* owner) = 0;
};

// The implementation in use. Until one is installed, every question is
// answered as if cancelled (so a headless run never blocks).
IUserDialogs& UserDialogs();
// Installs an implementation (not owned); nullptr restores the default.
void SetUserDialogs(IUserDialogs* dialogs);

// Shorthand for the common one-button message.
inline void ShowMessage(QObject* owner, const QString& text, const QString& caption, MsgIcon icon)
{
    UserDialogs().Message(owner, text, caption, icon, MsgButtons::Ok);
}

}  // namespace platform
