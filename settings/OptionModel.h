#pragma once
// The tool options (OptionRows.h): loaded from and saved to the settings
// file, and turned into the option strings that the tool commands put on
// their command lines.
#include "settings/OptionRows.h"
#include "settings/SettingFile.h"

#include <QObject>
#include <QString>
#include <optional>

namespace settings {

class OptionModel {
public:
    // Loads every option and builds the option strings.
    OptionModel();
    virtual ~OptionModel() = default;

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

    QString JavaOptions() const { return m_javaOptions; }
    QString JavaArgs() const { return m_javaArgs; }
    QString JavacOptions() const { return m_javacOptions; }
    QString JavahOptions() const { return m_javahOptions; }
    QString RmicOptions() const { return m_rmicOptions; }
    bool IsCaptureOutput() const { return m_stored.javaMsg; }
    bool IsKeepCompilerWarm() const { return m_stored.javacKeepWarm; }
    bool IsKeepDosPrompt() const { return m_stored.javaShowDos; }
    // The application's path when it is switched on and its file exists.
    std::optional<QString> JavaEditor() const;
    std::optional<QString> HtmlEditor() const;
    std::optional<QString> AppletBrowser() const;
    std::optional<QString> JavaDocument() const;

private:
    SettingFile m_settings;
    StoredOptions m_stored;
    QString m_javaOptions;
    QString m_javaArgs;
    QString m_javacOptions;
    QString m_javahOptions;
    QString m_rmicOptions;
};

}  // namespace settings
