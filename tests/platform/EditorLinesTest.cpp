#include "platform/EditorLines.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace platform;

namespace {

// Editors take a line and a column in different ways, found by the program or by a terminal's command; an unknown one
// opens the file, one that takes no column opens the line.
TEST(AtLine, TellsEachKnownEditorTheLineAndTheColumn)
{
    const QString file = "/w/my src/A.java";
    const std::tuple<QString, QStringList, int, QStringList> cases[] = {
        {"/usr/bin/gedit", {file}, 0, {"+7", file}},
        {"/usr/bin/gedit", {file}, 9, {"+7:9", file}},
        {"/usr/bin/code", {"--new-window", file}, 9, {"--new-window", "-g", file + ":7:9"}},
        {"/usr/bin/xterm", {"-e", "/usr/bin/nvim", "-p", file}, 0, {"-e", "/usr/bin/nvim", "-p", "+7", file}},
        {"/usr/bin/xterm", {"-e", "vim", file}, 9, {"-e", "vim", "+call\tcursor(7,9)", file}},
        {"/usr/bin/geany", {"file:///w/my%20src/A.java"}, 9, {"+7", file}},
        {"/usr/bin/leafpad", {file}, 9, {file}},
        {"/usr/bin/gedit", {"/w/other.java"}, 0, {"/w/other.java"}},
        {"C:/Program Files/sakura/sakura.exe", {file}, 9, {"-Y=7", "-X=9", file}},
        {"C:/Program Files/Notepad++/notepad++.exe", {file}, 0, {"-n7", file}},
        {"C:/Program Files/Microsoft VS Code/Code.exe", {file}, 0, {"-g", file + ":7"}},
        {"C:/Windows/notepad.exe", {file}, 9, {file}}};
    for (const auto& [program, given, column, arguments] : cases)
        EXPECT_EQ(AtLine({program, given, {}}, file, 7, column).arguments, arguments)
            << program.toStdString() << " " << column;
}

}  // namespace
