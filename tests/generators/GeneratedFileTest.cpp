#include "generators/GeneratedFile.h"

#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace gen;

namespace {

const QString kText = QStringLiteral("//Written by Tarnwick\r\n//日本.java\r\n}\r\n");

QString Msg(const QString& caption, const QString& text, platform::MsgIcon icon,
            platform::MsgButtons buttons = platform::MsgButtons::Ok)
{
    return QString("%1|%2|%3|%4").arg(caption, text).arg(int(icon)).arg(int(buttons));
}

struct SaveGeneratedFileTest : ::testing::Test {
    FakeUserDialogs dialogs;
    TempFolder folder;
    QObject owner;

    // Every message shown; each must belong to the owner.
    QStringList Shown() const
    {
        QStringList shown;
        for (const RecordedMessage& m : dialogs.messages)
            shown << Msg(m.caption, m.owner == &owner ? m.text : "(other owner)", m.icon, m.buttons);
        return shown;
    }
};

TEST_F(SaveGeneratedFileTest, WritesUtf8AndReplacesAFileOnlyAfterYes)
{
    const QString path = folder.Path("日本.java");
    const QString question = Msg("上書き確認", path + "はすでに存在します。\n上書きしますか？",
                                 platform::MsgIcon::Question, platform::MsgButtons::YesNo);
    const QString done = Msg("作成確認", "日本.htmlを作成しました。", platform::MsgIcon::Information);
    EXPECT_TRUE(SaveGeneratedFile(&owner, path, "old", "日本.html"));
    dialogs.answers = {platform::MsgAnswer::No};
    EXPECT_FALSE(SaveGeneratedFile(&owner, path, kText, "日本.html"));
    EXPECT_EQ(folder.Read("日本.java"), QByteArray("old"));
    dialogs.answers = {platform::MsgAnswer::Yes};
    EXPECT_TRUE(SaveGeneratedFile(&owner, path, kText, "日本.html"));
    EXPECT_EQ(folder.Read("日本.java"), kText.toUtf8());
    EXPECT_EQ(Shown(), QStringList({done, question, question, done}));
}

TEST_F(SaveGeneratedFileTest, FailedWriteShowsTheReasonAndLeavesNothingBehind)
{
    // A folder in the target's place cannot be replaced; a missing folder cannot take the file.
    QDir(folder.Path()).mkdir("Foo.java");
    folder.Write("Foo.java/keep.txt", "kept");
    dialogs.answers = {platform::MsgAnswer::Yes};
    for (const QString& path : {folder.Path("Foo.java"), folder.Path("missing/Foo.java")}) {
        EXPECT_FALSE(SaveGeneratedFile(&owner, path, kText, path));
        ASSERT_FALSE(dialogs.messages.empty());
        const RecordedMessage error = dialogs.messages.back();
        const QString head = path + "を作成できませんでした。\n";
        EXPECT_TRUE(error.text.startsWith(head) && error.text.size() > head.size()) << error.text.toStdString();
        EXPECT_EQ(Msg(error.caption, "", error.icon), Msg("ファイルエラー", "", platform::MsgIcon::Error));
    }
    const QStringList entries = QDir(folder.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(entries, QStringList{"Foo.java"}) << "a temporary file was left behind";
    EXPECT_EQ(folder.Read("Foo.java/keep.txt"), QByteArray("kept"));
}

}  // namespace
