#pragma once
// Every section and key of "Setting.ini", each spelled once. A constant is
// named as it is written in the file, inside a namespace named for its section.
#include <QLatin1String>

namespace settings {

struct SettingKey {
    QLatin1String section;
    QLatin1String name;
};

namespace ini {

inline constexpr QLatin1String FileName("Setting.ini");

namespace JDK {
inline constexpr QLatin1String Section("JDK");
inline constexpr SettingKey Path{Section, QLatin1String("Path")};  // the tool folder, without a trailing separator
}  // namespace JDK

// The current Java file.
namespace JavaFile {
inline constexpr QLatin1String Section("JavaFile");
inline constexpr SettingKey FileName{Section, QLatin1String("FileName")};
inline constexpr SettingKey Path{Section, QLatin1String("Path")};  // its folder, ending in the separator
}  // namespace JavaFile

namespace Option {
inline constexpr QLatin1String Section("Option");
inline constexpr SettingKey Extend{Section, QLatin1String("Extend")};  // the main window's extended form
}  // namespace Option

// A window's place, in a section of the window's own.
namespace Placement {
inline constexpr QLatin1String Top("Top");
inline constexpr QLatin1String Bottom("Bottom");
inline constexpr QLatin1String Left("Left");
inline constexpr QLatin1String Right("Right");
inline constexpr QLatin1String Max("Max");  // the show state
}  // namespace Placement

// The output window's Placement.
namespace MsgDlg {
inline constexpr QLatin1String Section("MsgDlg");
}  // namespace MsgDlg

// The application last chosen to edit a source with.
namespace EditApp {
inline constexpr QLatin1String Section("EditApp");
inline constexpr SettingKey Path{Section, QLatin1String("Path")};  // its folder, ending in the separator
inline constexpr SettingKey FileName{Section, QLatin1String("FileName")};
}  // namespace EditApp

// The tool options (settings::OptionModel).
namespace JavaOption {
inline constexpr QLatin1String Section("JavaOption");
inline constexpr SettingKey Option{Section, QLatin1String("Option")};
inline constexpr SettingKey StrOption{Section, QLatin1String("StrOption")};
inline constexpr SettingKey Arg{Section, QLatin1String("Arg")};
inline constexpr SettingKey StrArg{Section, QLatin1String("StrArg")};
inline constexpr SettingKey ClassPath{Section, QLatin1String("ClassPath")};
inline constexpr SettingKey StrClassPath{Section, QLatin1String("StrClassPath")};
inline constexpr SettingKey Msg{Section, QLatin1String("Msg")};
inline constexpr SettingKey ShowDos{Section, QLatin1String("ShowDos")};
}  // namespace JavaOption

namespace JavacOption {
inline constexpr QLatin1String Section("JavacOption");
inline constexpr SettingKey O{Section, QLatin1String("O")};
inline constexpr SettingKey Nowarn{Section, QLatin1String("Nowarn")};
inline constexpr SettingKey Deprecation{Section, QLatin1String("Deprecation")};
inline constexpr SettingKey ClassPath{Section, QLatin1String("ClassPath")};
inline constexpr SettingKey StrClassPath{Section, QLatin1String("StrClassPath")};
inline constexpr SettingKey Other{Section, QLatin1String("Other")};
inline constexpr SettingKey StrOther{Section, QLatin1String("StrOther")};
inline constexpr SettingKey KeepWarm{Section, QLatin1String("KeepWarm")};  // javac, javadoc and jar in a kept JVM
}  // namespace JavacOption

namespace JavahOption {
inline constexpr QLatin1String Section("JavahOption");
inline constexpr SettingKey ClassPath{Section, QLatin1String("ClassPath")};
inline constexpr SettingKey StrClassPath{Section, QLatin1String("StrClassPath")};
inline constexpr SettingKey Option{Section, QLatin1String("Option")};
inline constexpr SettingKey StrOption{Section, QLatin1String("StrOption")};
}  // namespace JavahOption

// Edited by hand only.
namespace JavaRmiOption {
inline constexpr QLatin1String Section("JavaRmiOption");
inline constexpr SettingKey ClassPath{Section, QLatin1String("ClassPath")};
inline constexpr SettingKey StrClassPath{Section, QLatin1String("StrClassPath")};
inline constexpr SettingKey Option{Section, QLatin1String("Option")};
inline constexpr SettingKey StrOption{Section, QLatin1String("StrOption")};
}  // namespace JavaRmiOption

// Outside applications: a switch and a path each.
namespace AppOption {
inline constexpr QLatin1String Section("AppOption");
inline constexpr SettingKey UseJava{Section, QLatin1String("UseJava")};
inline constexpr SettingKey AppJava{Section, QLatin1String("AppJava")};
inline constexpr SettingKey UseHTML{Section, QLatin1String("UseHTML")};
inline constexpr SettingKey AppHTML{Section, QLatin1String("AppHTML")};
inline constexpr SettingKey UseIE{Section, QLatin1String("UseIE")};
inline constexpr SettingKey AppIE{Section, QLatin1String("AppIE")};
inline constexpr SettingKey UseLink{Section, QLatin1String("UseLink")};
inline constexpr SettingKey AppLink{Section, QLatin1String("AppLink")};
}  // namespace AppOption

// Case runs: the rules the user last chose in the results window.
namespace Judge {
inline constexpr QLatin1String Section("Judge");
inline constexpr SettingKey TimeLimit{Section, QLatin1String("TimeLimit")};  // seconds: "2", "0.5"
inline constexpr SettingKey Compare{Section, QLatin1String("Compare")};      // lines, exact or float:EPS
}  // namespace Judge

// The cases' folder the user chose for a source: the key is the source's
// absolute path ("=" and "%" written as %3D and %25), the value the folder.
namespace JudgeCases {
inline constexpr QLatin1String Section("JudgeCases");
}  // namespace JudgeCases

}  // namespace ini

}  // namespace settings
