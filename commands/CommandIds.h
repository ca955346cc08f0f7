#pragma once
// Command ids of the main window's menu (resource 134) and buttons.
namespace cmd {
inline constexpr int OpenJavaFile = 57601;
inline constexpr int ChooseJdk = 32771;
inline constexpr int Exit = 57665;
inline constexpr int EditSource = 32780;
inline constexpr int EditSourceWith = 32781;
inline constexpr int EditHtml = 32782;
inline constexpr int Compile = 32772;
inline constexpr int Rebuild = 32783;
inline constexpr int Javah = 32787;
inline constexpr int Rmic = 32791;
inline constexpr int RunJava = 32773;
inline constexpr int RunAppletViewer = 32774;
inline constexpr int RunBrowser = 32775;
inline constexpr int MakeHtml = 32776;
inline constexpr int MakeApplet = 32777;
inline constexpr int MakeClass = 32778;
inline constexpr int MakeJar = 32779;
inline constexpr int MakeDocument = 32784;
inline constexpr int MakeAllDocuments = 32785;
inline constexpr int Options = 32786;
inline constexpr int Help = 32788;
inline constexpr int JavaDocument = 32789;
inline constexpr int About = 57664;
}  // namespace cmd
