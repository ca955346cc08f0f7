#include "resources/FormIds.h"
#include "runner/COutputDialog.h"
#include "settings/CSettingFile.h"

#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace resources;
using namespace runner;
using namespace settings;

namespace {

class OutputDialogTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    FakeUserDialogs dialogs;
    TempFolder folder;

    static QRect Geometry(const COutputDialog& dialog, int id)
    {
        return dialog.findChild<QWidget*>(QString("id%1").arg(id))->geometry();
    }
    // The stored outer rectangle and show state.
    static std::pair<QRect, int> Stored()
    {
        const CSettingFile ini;
        const auto key = [&](const char* name) { return ini.GetInt("MsgDlg", name, -1); };
        return {QRect(QPoint(key("Left"), key("Top")), QPoint(key("Right") - 1, key("Bottom") - 1)), key("Max")};
    }
    static int CloseWith(COutputDialog& dialog, Qt::Key key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(dialog.Edit(), &press);
        EXPECT_FALSE(dialog.isVisible()) << key;
        return dialog.result();
    }
};

TEST_F(OutputDialogTest, ShowsOneLineBreakPerLfAndKeepsItsLayoutWhenResized)
{
    COutputDialog dialog;
    dialog.SetText("Hello.java:5: エラー: ';'がありません\r\n  System.out.println(\"こんにちは\")\n\nエラー1個\r\r\n");
    dialog.show();
    EXPECT_EQ(dialog.Edit()->toPlainText(),
              "Hello.java:5: エラー: ';'がありません\n  System.out.println(\"こんにちは\")\n\nエラー1個\n");
    EXPECT_FALSE(dialog.Edit()->isReadOnly()) << "the user may change the text";
    const QString gallery = qEnvironmentVariable("TW_BINARY_DIR") + "/gallery/";
    QDir().mkpath(gallery);
    EXPECT_TRUE(dialog.grab().save(gallery + "output_window.png"));

    for (const QSize size : {QSize(600, 400), QSize(360, 500)}) {
        dialog.resize(size);
        EXPECT_EQ(dialog.Edit()->geometry(), QRect(10, 10, size.width() - 25, size.height() - 40));
        const QRect ok = Geometry(dialog, resources::OutputForm::Ok);
        const QRect save = Geometry(dialog, resources::OutputForm::Save);
        EXPECT_EQ(ok.topLeft(), QPoint(10, size.height() - 25));
        EXPECT_EQ(save.topLeft(), QPoint(ok.right() + 2, ok.y()));
        EXPECT_EQ(Geometry(dialog, resources::OutputForm::Copy).topLeft(), QPoint(save.right() + 2, ok.y()));
    }
}

// A long text shows its start at once and fills in; Save and Copy always take
// all of it, and later the text as the user changed it.
TEST_F(OutputDialogTest, SaveAndCopyTakeTheWholeTextAsItStands)
{
    QString text;
    for (int i = 0; i < 200000; ++i)
        text += QString("エラー %1 of a long capture\n").arg(i);
    const QString path = folder.Path("msg.txt");
    dialogs.files = {path, path, std::nullopt, folder.Path("no such folder/msg.txt")};
    COutputDialog dialog;
    dialog.SetText(text);
    dialog.show();
    ASSERT_TRUE(dialog.IsLoading());
    dialog.OnCopyText();
    dialog.OnSaveText();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
    EXPECT_EQ(folder.Read("msg.txt"), QString(text).replace("\n", "\r\n").toUtf8());
    while (dialog.IsLoading())
        QCoreApplication::processEvents();
    EXPECT_EQ(dialog.Edit()->toPlainText(), text);

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

// Enter closes the window even from the edit, Escape too; the window keeps
// its normal rectangle and show state, and the next one opens there.
TEST_F(OutputDialogTest, EnterAndEscapeCloseItAndItRemembersItsPlace)
{
    QRect normal;
    {
        COutputDialog dialog;
        dialog.SetText("text");
        dialog.show();
        dialog.setGeometry(120, 80, 500, 300);
        normal = dialog.frameGeometry();
        EXPECT_EQ(CloseWith(dialog, Qt::Key_Return), QDialog::Accepted);
        EXPECT_EQ(dialog.Edit()->toPlainText(), "text") << "Enter adds no line";
    }
    EXPECT_EQ(Stored(), std::pair(normal, 1));
    {
        COutputDialog dialog;
        dialog.show();
        dialog.showMaximized();
        QCoreApplication::processEvents();
        ASSERT_TRUE(dialog.isMaximized());
        EXPECT_EQ(CloseWith(dialog, Qt::Key_Escape), QDialog::Rejected);
    }
    EXPECT_EQ(Stored(), std::pair(normal, 3)) << "the normal rectangle, not the maximized one";
    COutputDialog again;
    again.show();
    EXPECT_FALSE(again.isMaximized());
    EXPECT_EQ(again.frameGeometry(), normal);
}

// Show and close many times: the place stays exactly where it was put.
TEST_F(OutputDialogTest, KeepsItsPlaceExactlyOverManyShowings)
{
    QWidget owner;
    owner.setGeometry(50, 60, 400, 300);
    owner.show();
    QRect placed;
    for (int cycle = 0; cycle < 5; ++cycle) {
        COutputDialog dialog(&owner);
        dialog.show();
        QCoreApplication::processEvents();
        if (cycle == 0)
            dialog.setGeometry(130, 90, 305, 278);
        else
            EXPECT_EQ(dialog.frameGeometry(), placed) << "cycle " << cycle;
        placed = dialog.frameGeometry();
        dialog.accept();
        EXPECT_EQ(Stored().first, placed) << "cycle " << cycle;
    }
    const QByteArray stored = settings.IniBytes();
    {
        COutputDialog never(&owner);  // taken apart without being shown
        never.done(QDialog::Rejected);
    }
    EXPECT_EQ(settings.IniBytes(), stored) << "a window that never showed stores nothing";
}

}  // namespace
