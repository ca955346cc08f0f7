#include "generators/GeneratedFile.h"

#include "tests/support/FakeUserDialogs.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kText = QStringLiteral("//Written by Tarnwick\r\n//日本.java\r\n}\r\n");

class SaveGeneratedFileTest : public ::testing::Test {
protected:
    FakeUserDialogs dialogs;
    TempFolder folder;
    QObject owner;

    void ExpectMessage(size_t index, const QString& text, const char* caption, MsgIcon icon,
                       MsgButtons buttons = MsgButtons::Ok) const
    {
        ASSERT_LT(index, dialogs.messages.size());
        const RecordedMessage& message = dialogs.messages[index];
        EXPECT_EQ(message.owner, &owner);
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.caption, caption);
        EXPECT_EQ(message.icon, icon);
        EXPECT_EQ(message.buttons, buttons);
    }

    QStringList FolderEntries() const
    {
        return QDir(folder.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(SaveGeneratedFileTest, WritesUtf8BytesAndReportsTheShownName)
{
    const QString path = folder.Path("日本.java");
    EXPECT_TRUE(SaveGeneratedFile(&owner, path, kText, "日本.html"));
    EXPECT_EQ(folder.Read("日本.java"), kText.toUtf8());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    ExpectMessage(0, "日本.htmlを作成しました。", "作成確認", MsgIcon::Information);
    EXPECT_EQ(FolderEntries(), QStringList{"日本.java"});
}

TEST_F(SaveGeneratedFileTest, AsksBeforeReplacingAndKeepsTheOldFileOnNo)
{
    const QString path = folder.Write("Foo.java", "old");
    dialogs.answers = {MsgAnswer::No};
    EXPECT_FALSE(SaveGeneratedFile(&owner, path, kText, path));
    EXPECT_EQ(folder.Read("Foo.java"), QByteArray("old"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
    ExpectMessage(0, path + "はすでに存在します。\n上書きしますか？", "上書き確認", MsgIcon::Question, MsgButtons::YesNo);

    dialogs.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(SaveGeneratedFile(&owner, path, kText, path));
    EXPECT_EQ(folder.Read("Foo.java"), kText.toUtf8());
    EXPECT_EQ(dialogs.messages.size(), 3u);
    ExpectMessage(2, path + "を作成しました。", "作成確認", MsgIcon::Information);
    EXPECT_EQ(FolderEntries(), QStringList{"Foo.java"});
}

TEST_F(SaveGeneratedFileTest, MissingFolderIsReportedWithTheReason)
{
    const QString path = folder.Path("missing/Foo.java");
    EXPECT_FALSE(SaveGeneratedFile(&owner, path, kText, path));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const RecordedMessage& error = dialogs.messages[0];
    EXPECT_TRUE(error.text.startsWith(path + "を作成できませんでした。\n")) << error.text.toStdString();
    EXPECT_GT(error.text.size(), (path + "を作成できませんでした。\n").size());
    EXPECT_EQ(error.caption, "ファイルエラー");
    EXPECT_EQ(error.icon, MsgIcon::Error);
    EXPECT_TRUE(FolderEntries().isEmpty());
}

TEST_F(SaveGeneratedFileTest, FailedReplaceLeavesNothingBehind)
{
    // A folder in the target's place cannot be replaced and stays as it was.
    QDir(folder.Path()).mkdir("Foo.java");
    folder.Write("Foo.java/keep.txt", "kept");
    dialogs.answers = {MsgAnswer::Yes};
    EXPECT_FALSE(SaveGeneratedFile(&owner, folder.Path("Foo.java"), kText, "Foo.java"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].caption, "ファイルエラー");
    EXPECT_EQ(FolderEntries(), QStringList{"Foo.java"});
    EXPECT_EQ(folder.Read("Foo.java/keep.txt"), QByteArray("kept"));
}

}  // namespace
