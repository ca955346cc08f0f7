#include "settings/CFileUtil.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {

TEST(FileExists, FilesFoldersSeparatorsAndWildcards)
{
    TempFolder dir;
    dir.Write(QStringLiteral("Hello.java"));
    dir.Write(QStringLiteral("sub/ソ/x.class"));
    const struct {
        QString path;
        bool exists;
    } cases[] = {
        {dir.Path(QStringLiteral("Hello.java")), true},
        {dir.Path(QStringLiteral("hello.java")), false},
        {dir.Path(QStringLiteral("sub")), true},
        {dir.Path(QStringLiteral("sub/")), true},
        {dir.Path(QStringLiteral("sub/ソ")), true},
        {dir.Path(QStringLiteral("sub/ソ/")), true},
        {dir.Path(QStringLiteral("*.java")), true},
        {dir.Path(QStringLiteral("Hel?o.java")), true},
        {dir.Path(QStringLiteral("*.class")), false},
        {dir.Path(QStringLiteral("sub/ソ/*.class")), true},
        {dir.Path(QStringLiteral("missing")), false},
        {QString(), false},
        {QStringLiteral("/"), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CFileUtil::FileExists(c.path), c.exists) << c.path.toStdString();
}

TEST(BrowseForFolder, TitleInitialFolderAndCancel)
{
    FakeUserDialogs dialogs;
    CFileUtil util;
    QString output = QStringLiteral("unchanged");
    dialogs.folders.push_back(std::nullopt);
    EXPECT_FALSE(util.BrowseForFolder(nullptr, output, QStringLiteral("/opt/jdk/bin/")));
    EXPECT_EQ(output, QStringLiteral("unchanged"));
    ASSERT_EQ(dialogs.folderRequests.size(), 1u);
    EXPECT_EQ(dialogs.folderRequests[0].title, QStringLiteral("フォルダを選択してください"));
    EXPECT_EQ(dialogs.folderRequests[0].initialFolder, QStringLiteral("/opt/jdk/bin"));

    dialogs.folders.push_back(QStringLiteral("/usr/lib/jvm/x/bin"));
    EXPECT_TRUE(util.BrowseForFolder(nullptr, output, QStringLiteral("/")));
    EXPECT_EQ(output, QStringLiteral("/usr/lib/jvm/x/bin"));
    EXPECT_EQ(dialogs.folderRequests[1].initialFolder, QStringLiteral("/"));
}

}  // namespace
