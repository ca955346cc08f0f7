#include "settings/FileUtil.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {

TEST(FileExists, FilesFoldersSeparatorsAndWildcards)
{
    TempFolder dir;
    dir.Write("Hello.java");
    dir.Write("sub/ソ/x.class");
    const std::pair<const char*, bool> cases[] = {{"Hello.java", true},     {"hello.java", false}, {"sub", true},
                                                  {"sub/", true},           {"sub/ソ", true},      {"sub/ソ/", true},
                                                  {"*.java", true},         {"Hel?o.java", true},  {"*.class", false},
                                                  {"sub/ソ/*.class", true}, {"missing", false}};
    for (const auto& [relative, exists] : cases)
        EXPECT_EQ(FileUtil::FileExists(dir.Path(relative)), exists) << relative;
    EXPECT_FALSE(FileUtil::FileExists(QString()));
    EXPECT_TRUE(FileUtil::FileExists("/"));
}

TEST(BrowseForFolder, TitleInitialFolderAndCancel)
{
    FakeUserDialogs dialogs;
    FileUtil util;
    dialogs.folders.push_back(std::nullopt);
    EXPECT_EQ(util.BrowseForFolder(nullptr, "/opt/jdk/bin/"), std::nullopt);
    ASSERT_EQ(dialogs.folderRequests.size(), 1u);
    EXPECT_EQ(dialogs.folderRequests[0].title, "フォルダを選択してください");
    EXPECT_EQ(dialogs.folderRequests[0].initialFolder, "/opt/jdk/bin");

    dialogs.folders.push_back("/usr/lib/jvm/x/bin");
    EXPECT_EQ(util.BrowseForFolder(nullptr, "/"), "/usr/lib/jvm/x/bin");
    EXPECT_EQ(dialogs.folderRequests[1].initialFolder, "/");
}

}  // namespace
