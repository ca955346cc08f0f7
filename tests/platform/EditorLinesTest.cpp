#include "platform/EditorLines.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace platform;

namespace {

// Editors take a line in different ways; an unknown one opens the file.
TEST(AtLine, TellsEachKnownEditorTheLine)
{
    const QString file = "/w/my src/A.java";
    const std::tuple<QString, QStringList, QStringList> cases[] = {
        {"/usr/bin/gedit", {file}, {"+7", file}},
        {"/usr/bin/kate", {file}, {"-l", "7", file}},
        {"/usr/bin/kwrite", {file}, {"--line", "7", file}},
        {"/usr/bin/code", {"--new-window", file}, {"--new-window", "-g", file + ":7"}},
        {"/opt/sublime_text/sublime_text", {file}, {file + ":7"}},
        {"/usr/bin/xterm", {"-e", "/usr/bin/nvim", "-p", file}, {"-e", "/usr/bin/nvim", "-p", "+7", file}},
        {"/usr/bin/geany", {"file:///w/my%20src/A.java"}, {"+7", file}},
        {"/usr/bin/leafpad", {file}, {file}},
        {"/usr/bin/gedit", {"/w/other.java"}, {"/w/other.java"}}};
    for (const auto& [program, given, arguments] : cases)
        EXPECT_EQ(platform::AtLine({program, given, {}}, file, 7).arguments, arguments) << program.toStdString();
}

}  // namespace
