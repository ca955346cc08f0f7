#pragma once
// The tool options: each declared once as a row (OptionRows), loaded from and
// saved to the settings file, and turned into the option strings that the
// tool commands put on their command lines.
#include "settings/CSettingFile.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <span>
#include <variant>

namespace settings {

// The options' values; a default here is the value while the file does not
// name the key.
struct StoredOptions {
    // "JavaOption"
    bool javaOption = false;
    QString javaStrOption;
    bool javaArg = false;
    QString javaStrArg;
    bool javaClassPath = false;
    QString javaStrClassPath;
    bool javaMsg = true;  // capture: on until the user chooses
    bool javaShowDos = false;
    // "JavacOption"
    bool javacO = false;
    bool javacNowarn = false;
    bool javacDeprecation = false;
    bool javacClassPath = false;
    QString javacStrClassPath;
    bool javacOther = false;
    QString javacStrOther;
    // "JavahOption"
    bool javahClassPath = false;
    QString javahStrClassPath;
    bool javahOption = false;
    QString javahStrOption;
    // "JavaRmiOption" (edited by hand only)
    bool rmiClassPath = false;
    QString rmiStrClassPath;
    bool rmiOption = false;
    QString rmiStrOption;
    // "AppOption"
    bool useJava = false;
    QString appJava;
    bool useHtml = false;
    QString appHtml;
    bool useIe = false;
    QString appIe;
    bool useLink = false;
    QString appLink;

    bool operator==(const StoredOptions&) const = default;
};

// An application path that OK refuses while its switch is on and the file is missing.
struct RequiredFile {
    bool StoredOptions::*switchedBy = nullptr;
    const char* label = nullptr;  // names the application in the message
};

// One option: its key, its value, and the control of the options dialog
// (resources::OptionsForm) that shows and supplies it.
struct OptionRow {
    SettingKey key;
    std::variant<bool StoredOptions::*, QString StoredOptions::*> member;
    int control = 0;    // 0: none; the option is read but never written
    int page = -1;      // the tab page that shows the control; -1: never shown
    QPoint place{};     // the control's top-left corner in the dialog, in pixels
    int enabledBy = 0;  // the check box that enables the control; 0: always enabled
    RequiredFile required{};
};

// Every option, in the order of the settings file.
std::span<const OptionRow> OptionRows();

class COptionModel {
public:
    // Loads every option and builds the option strings.
    COptionModel();
    virtual ~COptionModel() = default;

    // Replaces every stored option by the file's value; always true.
    bool Load();
    void BuildOptionStrings();
    // Takes the value of every option that has a control (the hand-edited
    // rmic options are ignored) and writes them all in one rewrite of the
    // file. A switched-on application whose file is missing is reported in a
    // "設定エラー" message owned by owner and its switch stored off. True when
    // such an error was reported.
    bool Save(const StoredOptions& fromControls, QObject* owner);

    const StoredOptions& Stored() const { return m_stored; }

    QString GetJavaOptions() const { return m_javaOptions; }
    QString GetJavaArgs() const { return m_javaArgs; }
    QString GetJavacOptions() const { return m_javacOptions; }
    QString GetJavahOptions() const { return m_javahOptions; }
    QString GetRmicOptions() const { return m_rmicOptions; }
    bool IsCaptureOutput() const { return m_stored.javaMsg; }
    bool IsKeepDosPrompt() const { return m_stored.javaShowDos; }
    // When switched on and the file exists: the path goes to output, true.
    bool GetJavaEditor(QString& output) const;
    bool GetHtmlEditor(QString& output) const;
    bool GetAppletBrowser(QString& output) const;
    bool GetJavaDocument(QString& output) const;

private:
    CSettingFile m_settings;
    StoredOptions m_stored;
    QString m_javaOptions;
    QString m_javaArgs;
    QString m_javacOptions;
    QString m_javahOptions;
    QString m_rmicOptions;
};

}  // namespace settings
