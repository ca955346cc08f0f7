#include "output/OutputDialog.h"
#include "settings/SettingFile.h"

#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace output;
using namespace settings;

namespace {

class OutputDialogTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    FakeUserDialogs dialogs;
    TempFolder folder;

    // The stored outer rectangle and show state.
    static std::pair<QRect, int> Stored()
    {
        const SettingFile ini;
        const auto key = [&](const char* name) { return ini.ReadInt("MsgDlg", name, -1); };
        return {QRect(QPoint(key("Left"), key("Top")), QPoint(key("Right") - 1, key("Bottom") - 1)), key("Max")};
    }
    static int CloseWith(OutputDialog& dialog, Qt::Key key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(dialog.Edit(), &press);
        EXPECT_FALSE(dialog.isVisible()) << key;
        return dialog.result();
    }
};

// A long text shows at once and fills in; Save and Copy take all of it, later as the user changed it.
TEST_F(OutputDialogTest, SaveAndCopyTakeTheWholeTextAsItStands)
{
    QString text;
    for (int i = 0; i < 200000; ++i)
        text += QString("エラー %1 of a long capture\n").arg(i);
    const QString path = folder.Path("msg.txt");
    dialogs.files = {path, path, std::nullopt, folder.Path("no such folder/msg.txt")};
    OutputDialog dialog;
    dialog.SetText(QString(text).replace("\n", "\r\n"));
    dialog.show();
    ASSERT_TRUE(dialog.IsLoading());
    dialog.OnCopyText();
    dialog.OnSaveText();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
    EXPECT_EQ(folder.Read("msg.txt"), QString(text).replace("\n", "\r\n").toUtf8());
    while (dialog.IsLoading())
        QCoreApplication::processEvents();
    EXPECT_EQ(dialog.Edit()->toPlainText(), text);
    EXPECT_FALSE(dialog.Edit()->isReadOnly()) << "the user may change the text";

    dialog.Edit()->selectAll();
    dialog.Edit()->insertPlainText("changed\ntext");
    dialog.Edit()->moveCursor(QTextCursor::PreviousWord, QTextCursor::KeepAnchor);
    dialog.OnCopyText();
    dialog.OnSaveText();
    EXPECT_EQ(QApplication::clipboard()->text(), "changed\ntext");
    EXPECT_EQ(folder.Read("msg.txt"), "changed\r\ntext");
    EXPECT_FALSE(dialog.Edit()->textCursor().hasSelection());
    EXPECT_EQ(dialog.Edit()->textCursor().position(), 0) << "the window shows the top";
    const platform::FileDialogSpec& request = dialogs.fileRequests.at(0);
    EXPECT_EQ(QStringList({request.title, request.defaultSuffix, request.proposedName, request.filter}),
              QStringList({"メッセージを保存", "txt", "msg.txt", "テキストファイル(*.txt)|*.txt||"}));
    EXPECT_TRUE(request.mode == platform::FileDialogSpec::Mode::Save && request.confirmOverwrite);
    dialog.OnSaveText();  // cancelled
    EXPECT_TRUE(dialogs.messages.empty());
    dialog.OnSaveText();
    ASSERT_EQ(dialogs.messages.size(), 1u) << "a file that cannot be written is reported";
    EXPECT_EQ(dialogs.messages[0].caption, "ファイルエラー");
}

// The normal rectangle and show state, exactly over many showings; a window that never showed stores nothing.
TEST_F(OutputDialogTest, EnterAndEscapeCloseItAndItRemembersItsPlace)
{
    QWidget owner;
    owner.setGeometry(50, 60, 400, 300);
    owner.show();
    QRect normal;
    for (int cycle = 0; cycle < 4; ++cycle) {
        OutputDialog dialog(&owner);
        dialog.SetText("text");
        dialog.show();
        QCoreApplication::processEvents();
        if (cycle == 0)
            dialog.setGeometry(130, 90, 305, 278);
        else
            EXPECT_EQ(dialog.frameGeometry(), normal) << "cycle " << cycle;
        normal = dialog.frameGeometry();
        EXPECT_EQ(CloseWith(dialog, Qt::Key_Return), QDialog::Accepted);
        EXPECT_EQ(dialog.Edit()->toPlainText(), "text") << "Enter adds no line";
        EXPECT_EQ(Stored(), std::pair(normal, 1)) << "cycle " << cycle;
    }
    {
        OutputDialog dialog(&owner);
        dialog.show();
        dialog.showMaximized();
        QCoreApplication::processEvents();
        ASSERT_TRUE(dialog.isMaximized());
        EXPECT_EQ(CloseWith(dialog, Qt::Key_Escape), QDialog::Rejected);
    }
    EXPECT_EQ(Stored(), std::pair(normal, 3)) << "the normal rectangle, not the maximized one";
    const QByteArray stored = settings.IniBytes();
    {
        OutputDialog never(&owner);
        never.done(QDialog::Rejected);
    }
    EXPECT_EQ(settings.IniBytes(), stored);
    OutputDialog again(&owner);
    again.show();
    EXPECT_FALSE(again.isMaximized());
    EXPECT_EQ(again.frameGeometry(), normal);
}

}  // namespace
