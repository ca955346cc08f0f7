#pragma once
// Every tool option, declared once: its value in StoredOptions, and a row that
// gives its key in "Setting.ini" and the control of the options dialog that
// shows it. The model and the dialog both work from the rows; adding an option
// takes a member and a row here, a key in SettingKeys.h and a control in the
// options form.
#include "resources/FormIds.h"
#include "settings/SettingKeys.h"

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
    bool javacKeepWarm = true;  // the kept JVM: on until the user turns it off
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

namespace option_rows {

using namespace resources::OptionsForm;
using S = StoredOptions;

// clang-format off
inline constexpr OptionRow kOptionRows[] = {
    // key                          member                control           page  place        enabled by
    {ini::JavaOption::Option,       &S::javaOption,       JavaOptionCheck,     0, {20, 40}},
    {ini::JavaOption::StrOption,    &S::javaStrOption,    JavaOptionEdit,      0, {30, 60},   JavaOptionCheck},
    {ini::JavaOption::Arg,          &S::javaArg,          JavaArgCheck,        0, {20, 80}},
    {ini::JavaOption::StrArg,       &S::javaStrArg,       JavaArgEdit,         0, {30, 100},  JavaArgCheck},
    {ini::JavaOption::ClassPath,    &S::javaClassPath,    JavaClassPathCheck,  0, {20, 120}},
    {ini::JavaOption::StrClassPath, &S::javaStrClassPath, JavaClassPathEdit,   0, {30, 140},  JavaClassPathCheck},
    {ini::JavaOption::Msg,          &S::javaMsg,          Capture,             0, {30, 210}},
    {ini::JavaOption::ShowDos,      &S::javaShowDos,      KeepPrompt,          0, {20, 170}},
    {ini::JavacOption::O,           &S::javacO,           JavacOptimize,       1, {20, 40}},
    {ini::JavacOption::Nowarn,      &S::javacNowarn,      JavacNowarn,         1, {20, 80}},
    {ini::JavacOption::Deprecation, &S::javacDeprecation, JavacDeprecation,    1, {20, 120}},
    {ini::JavacOption::ClassPath,   &S::javacClassPath,   JavacClassPathCheck, 1, {20, 160}},
    {ini::JavacOption::StrClassPath, &S::javacStrClassPath, JavacClassPathEdit, 1, {30, 180}, JavacClassPathCheck},
    {ini::JavacOption::Other,       &S::javacOther,       JavacOtherCheck,     1, {20, 200}},
    {ini::JavacOption::StrOther,    &S::javacStrOther,    JavacOtherEdit,      1, {30, 220},  JavacOtherCheck},
    {ini::JavacOption::KeepWarm,    &S::javacKeepWarm,    KeepCompilerWarm,    1, {20, 250}},
    {ini::JavahOption::ClassPath,   &S::javahClassPath,   JavahClassPathCheck, 2, {20, 40}},
    {ini::JavahOption::StrClassPath, &S::javahStrClassPath, JavahClassPathEdit, 2, {30, 60},  JavahClassPathCheck},
    // Never shown: the hidden controls carry a hand-written javah option through OK.
    {ini::JavahOption::Option,      &S::javahOption,      JavahOptionCheck},
    {ini::JavahOption::StrOption,   &S::javahStrOption,   JavahOptionEdit,    -1, {},         JavahOptionCheck},
    {ini::JavaRmiOption::ClassPath, &S::rmiClassPath},
    {ini::JavaRmiOption::StrClassPath, &S::rmiStrClassPath},
    {ini::JavaRmiOption::Option,    &S::rmiOption},
    {ini::JavaRmiOption::StrOption, &S::rmiStrOption},
    // The applications' boxes switch nothing in the dialog.
    {ini::AppOption::UseJava,       &S::useJava,          JavaEditorCheck,     3, {20, 40}},
    {ini::AppOption::AppJava,       &S::appJava,          JavaEditorEdit,      3, {30, 60},   0,
     {&S::useJava, "Javaエディター選択..."}},
    {ini::AppOption::UseHTML,       &S::useHtml,          HtmlEditorCheck,     3, {20, 90}},
    {ini::AppOption::AppHTML,       &S::appHtml,          HtmlEditorEdit,      3, {30, 110},  0,
     {&S::useHtml, "HTMLエディター選択..."}},
    {ini::AppOption::UseIE,         &S::useIe,            BrowserCheck,        3, {20, 140}},
    {ini::AppOption::AppIE,         &S::appIe,            BrowserEdit,         3, {30, 160},  0,
     {&S::useIe, "ブラウザ選択..."}},
    {ini::AppOption::UseLink,       &S::useLink,          JavaDocumentCheck,   3, {20, 190}},
    {ini::AppOption::AppLink,       &S::appLink,          JavaDocumentEdit,    3, {30, 210},  0,
     {&S::useLink, "Javaドキュメント選択..."}},
};
// clang-format on

}  // namespace option_rows

// Every option, in the order of the settings file.
inline std::span<const OptionRow> OptionRows() { return option_rows::kOptionRows; }

}  // namespace settings
