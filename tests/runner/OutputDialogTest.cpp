#include "runner/COutputDialog.h"
#include "runner/CRunningDialog.h"
#include "settings/CSettingFile.h"

#include "tests/runner/RunnerTestSupport.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

class OutputDialogTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    FakeUserDialogs dialogs;
    TempFolder folder;

    static QRect Geometry(const COutputDialog& dialog, int id)
    {
        return dialog.findChild<QWidget*>(QStringLiteral("id%1").arg(id))->geometry();
    }

    static QRect Stored()
    {
        const CSettingFile ini;
        const auto key = [&](const char* name) { return ini.GetInt(QStringLiteral("MsgDlg"), QString::fromLatin1(name), -1); };
        return QRect(QPoint(key("Left"), key("Top")), QPoint(key("Right") - 1, key("Bottom") - 1));
    }
};

TEST_F(OutputDialogTest, ShowsOneLineBreakPerLfAndKeepsItsLayoutWhenResized)
{
    COutputDialog dialog;
    dialog.SetText(QStringLiteral("a\r\nb\rc\n\nd"));
    dialog.show();
    EXPECT_EQ(dialog.Edit()->toPlainText(), QStringLiteral("a\nbc\n\nd"));
    EXPECT_FALSE(dialog.Edit()->isReadOnly()) << "the user may change the text";
    for (const QSize size : {QSize(600, 400), QSize(300, 500)}) {
        dialog.resize(size);
        EXPECT_EQ(dialog.Edit()->geometry(), QRect(10, 10, size.width() - 25, size.height() - 40));
        const QRect ok = Geometry(dialog, 1);
        const QRect save = Geometry(dialog, 1001);
        EXPECT_EQ(ok.topLeft(), QPoint(10, size.height() - 25));
        EXPECT_EQ(save.topLeft(), QPoint(ok.right() + 2, ok.y()));
        EXPECT_EQ(Geometry(dialog, 1003).topLeft(), QPoint(save.right() + 2, ok.y()));
    }
}

TEST_F(OutputDialogTest, SaveWritesTheEditedTextWithCrLfAndSaysWhenItCannot)
{
    const QString path = folder.Write(QStringLiteral("msg.txt"), "older and longer contents");
    dialogs.files = {path, std::nullopt, folder.Path("no such folder/msg.txt")};
    COutputDialog dialog;
    dialog.SetText(QStringLiteral("エラー 1\nline 2\n"));
    dialog.show();
    dialog.Edit()->appendPlainText(QStringLiteral("added"));
    dialog.OnSaveText();
    EXPECT_EQ(folder.Read(QStringLiteral("msg.txt")), QStringLiteral("エラー 1\r\nline 2\r\n\r\nadded").toUtf8());
    const FileDialogSpec& spec = dialogs.fileRequests.at(0);
    EXPECT_EQ(spec.mode, FileDialogSpec::Mode::Save);
    EXPECT_EQ(spec.title, QStringLiteral("メッセージを保存"));
    EXPECT_EQ(spec.defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(spec.proposedName, QStringLiteral("msg.txt"));
    EXPECT_EQ(spec.filter, QStringLiteral("テキストファイル(*.txt)|*.txt||"));
    EXPECT_TRUE(spec.confirmOverwrite);
    dialog.OnSaveText();  // cancelled
    EXPECT_TRUE(dialogs.messages.empty());
    dialog.OnSaveText();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("ファイルエラー"));
}

TEST_F(OutputDialogTest, CopyTakesTheWholeChangedTextAndLeavesNothingSelected)
{
    COutputDialog dialog;
    dialog.SetText(QStringLiteral("one\ntwo\n"));
    dialog.show();
    dialog.Edit()->selectAll();
    dialog.Edit()->insertPlainText(QStringLiteral("changed\ntext"));
    dialog.Edit()->moveCursor(QTextCursor::PreviousWord, QTextCursor::KeepAnchor);
    dialog.OnCopyText();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("changed\ntext"));
    EXPECT_FALSE(dialog.Edit()->textCursor().hasSelection());
    EXPECT_EQ(dialog.Edit()->textCursor().position(), 0);
}

TEST_F(OutputDialogTest, EnterAndEscapeCloseTheWindowFromTheEdit)
{
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Enter, QDialog::Accepted},
                                      {Qt::Key_Escape, QDialog::Rejected}}) {
        COutputDialog dialog;
        dialog.SetText(QStringLiteral("text"));
        dialog.show();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(dialog.Edit(), &press);
        EXPECT_FALSE(dialog.isVisible()) << key;
        EXPECT_EQ(dialog.result(), result) << key;
        EXPECT_EQ(dialog.Edit()->toPlainText(), QStringLiteral("text")) << "Enter adds no line";
    }
}

TEST_F(OutputDialogTest, RemembersTheNormalRectangleAndTheShowState)
{
    QRect normal;
    {
        COutputDialog dialog;
        dialog.show();
        dialog.setGeometry(120, 80, 500, 300);
        normal = dialog.frameGeometry();
        dialog.accept();
    }
    EXPECT_EQ(Stored(), normal);
    EXPECT_EQ(CSettingFile().GetInt(QStringLiteral("MsgDlg"), QStringLiteral("Max"), 0), 1);
    {
        COutputDialog dialog;
        dialog.show();
        EXPECT_EQ(dialog.frameGeometry(), normal) << "the next window opens where the last one was";
        dialog.showMaximized();
        QCoreApplication::processEvents();
        ASSERT_TRUE(dialog.isMaximized());
        dialog.reject();
    }
    EXPECT_EQ(Stored(), normal) << "the normal rectangle, not the maximized one";
    EXPECT_EQ(CSettingFile().GetInt(QStringLiteral("MsgDlg"), QStringLiteral("Max"), 0), 3);
    COutputDialog again;
    again.show();
    EXPECT_FALSE(again.isMaximized());
    EXPECT_EQ(again.frameGeometry(), normal);
}

// A long text shows its start at once and fills in; Save and Copy always
// take all of it.
TEST_F(OutputDialogTest, LongTextFillsInWhileSaveAndCopyTakeItAll)
{
    QString text;
    for (int i = 0; i < 200000; ++i)
        text += QStringLiteral("line %1 of a long capture\n").arg(i);
    dialogs.files = {folder.Path("long.txt")};
    COutputDialog dialog;
    dialog.SetText(text);
    dialog.show();
    ASSERT_TRUE(dialog.IsLoading());
    EXPECT_TRUE(dialog.Edit()->isReadOnly());
    dialog.OnCopyText();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
    dialog.OnSaveText();
    EXPECT_EQ(folder.Read(QStringLiteral("long.txt")), COutputDialog::SavedBytes(text));
    while (dialog.IsLoading())
        QCoreApplication::processEvents();
    EXPECT_EQ(dialog.Edit()->toPlainText(), text);
    EXPECT_FALSE(dialog.Edit()->isReadOnly());
    EXPECT_EQ(dialog.Edit()->textCursor().position(), 0) << "the window still shows the top";
}

TEST_F(OutputDialogTest, Gallery)
{
    const QString dir = BinaryDir() + QStringLiteral("/gallery/");
    QDir().mkpath(dir);
    COutputDialog dialog;
    dialog.SetText(QStringLiteral("Hello.java:5: エラー: ';'がありません\n        System.out.println(\"こんにちは\")\n"
                                  "                                          ^\nエラー1個\n"));
    dialog.show();
    EXPECT_TRUE(dialog.grab().save(dir + QStringLiteral("output_window.png")));
    CRunningDialog running(QStringLiteral("/usr/lib/jvm/java-17-openjdk-amd64/bin/java -classpath . Forever"), nullptr);
    running.show();
    EXPECT_TRUE(running.grab().save(dir + QStringLiteral("running_window.png")));
}

}  // namespace
