#include "runner/COutputDialog.h"
#include "runner/CRunningDialog.h"
#include "settings/CSettingFile.h"

#include "tests/runner/RunnerTestSupport.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class OutputDialogTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    FakeUserDialogs dialogs;
    TempFolder folder;

    static QWidget* Control(const COutputDialog& dialog, int id)
    {
        return dialog.findChild<QWidget*>(QStringLiteral("id%1").arg(id));
    }

    int Key(const char* key) const
    {
        return CSettingFile().GetInt(QStringLiteral("MsgDlg"), QString::fromLatin1(key), -99999);
    }

    static void FinishLoading(const COutputDialog& dialog)
    {
        while (dialog.IsLoading())
            QCoreApplication::processEvents();
    }
};

TEST_F(OutputDialogTest, ShowsOneLineBreakPerLfAndNoCr)
{
    COutputDialog dialog;
    dialog.SetText(QStringLiteral("a\r\nb\rc\n\nd"));
    dialog.show();
    EXPECT_EQ(dialog.Edit()->toPlainText(), QStringLiteral("a\nbc\n\nd"));
    EXPECT_EQ(dialog.Edit()->document()->blockCount(), 4);
    EXPECT_FALSE(dialog.Edit()->isReadOnly()) << "the user may change the text";
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("確認"));
    dialog.reject();
}

TEST_F(OutputDialogTest, LayoutKeepsMarginsAndAButtonRowBelowTheEdit)
{
    COutputDialog dialog;
    dialog.show();
    for (const QSize size : {QSize(600, 400), QSize(300, 500)}) {
        dialog.resize(size);
        const QRect edit = dialog.Edit()->geometry();
        EXPECT_EQ(edit, QRect(10, 10, size.width() - 25, size.height() - 40));
        const QRect ok = Control(dialog, 1)->geometry();
        const QRect save = Control(dialog, 1001)->geometry();
        const QRect copy = Control(dialog, 1003)->geometry();
        EXPECT_EQ(ok.topLeft(), QPoint(10, size.height() - 25));
        EXPECT_EQ(save.topLeft(), QPoint(10 + ok.width() + 1, ok.y()));
        EXPECT_EQ(copy.topLeft(), QPoint(10 + ok.width() + save.width() + 2, ok.y()));
    }
    dialog.reject();
}

TEST_F(OutputDialogTest, SaveWritesTheEditedTextWithCrLfInUtf8)
{
    const QString path = folder.Path("out/msg.txt");
    QDir().mkpath(folder.Path("out"));
    dialogs.files = {path, std::nullopt, folder.Path("no such folder/msg.txt")};
    COutputDialog dialog;
    dialog.SetText(QStringLiteral("エラー 1\nline 2\n"));
    dialog.show();
    dialog.Edit()->appendPlainText(QStringLiteral("added"));
    dialog.OnSaveText();
    EXPECT_EQ(folder.Read(QStringLiteral("out/msg.txt")), QStringLiteral("エラー 1\r\nline 2\r\n\r\nadded").toUtf8());
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileDialogSpec& spec = dialogs.fileRequests[0];
    EXPECT_EQ(spec.mode, FileDialogSpec::Mode::Save);
    EXPECT_EQ(spec.title, QStringLiteral("メッセージを保存"));
    EXPECT_EQ(spec.defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(spec.proposedName, QStringLiteral("msg.txt"));
    EXPECT_EQ(spec.filter, QStringLiteral("テキストファイル(*.txt)|*.txt||"));
    EXPECT_TRUE(spec.confirmOverwrite);
    EXPECT_EQ(spec.initialFolder, QString());

    dialog.OnSaveText();  // cancelled
    EXPECT_TRUE(dialogs.messages.empty());
    dialog.OnSaveText();  // cannot be written: said so, never silent
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("ファイルエラー"));
    dialog.reject();
}

TEST_F(OutputDialogTest, EmptyTextSavesAnEmptyFile)
{
    const QString path = folder.Write(QStringLiteral("msg.txt"), "old contents");
    dialogs.files = {path};
    COutputDialog dialog;
    dialog.show();
    dialog.OnSaveText();
    EXPECT_EQ(folder.Read(QStringLiteral("msg.txt")), QByteArray());
    dialog.reject();
}

TEST_F(OutputDialogTest, CopyTakesTheWholeTextAndLeavesNothingSelected)
{
    COutputDialog dialog;
    dialog.SetText(QStringLiteral("one\ntwo\n"));
    dialog.show();
    dialog.Edit()->selectAll();
    dialog.Edit()->insertPlainText(QStringLiteral("changed\n"));
    QTextCursor cursor = dialog.Edit()->textCursor();
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    dialog.Edit()->setTextCursor(cursor);
    dialog.OnCopyText();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("changed\n"));
    EXPECT_FALSE(dialog.Edit()->textCursor().hasSelection());
    EXPECT_EQ(dialog.Edit()->textCursor().position(), 0);
    dialog.reject();
}

TEST_F(OutputDialogTest, EnterAndEscapeCloseTheWindowFromTheEdit)
{
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Enter, QDialog::Accepted},
                                      {Qt::Key_Escape, QDialog::Rejected}}) {
        COutputDialog dialog;
        dialog.SetText(QStringLiteral("text"));
        dialog.show();
        dialog.Edit()->setFocus();
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
    EXPECT_EQ(Key("Left"), normal.left());
    EXPECT_EQ(Key("Top"), normal.top());
    EXPECT_EQ(Key("Right"), normal.left() + normal.width());
    EXPECT_EQ(Key("Bottom"), normal.top() + normal.height());
    EXPECT_EQ(Key("Max"), 1);
    {
        COutputDialog dialog;
        dialog.show();
        EXPECT_EQ(dialog.frameGeometry(), normal) << "the next window opens where the last one was";
        dialog.showMaximized();
        QCoreApplication::processEvents();
        ASSERT_TRUE(dialog.isMaximized());
        dialog.reject();
    }
    EXPECT_EQ(Key("Max"), 3);
    EXPECT_EQ(Key("Left"), normal.left()) << "the normal rectangle, not the maximized one";
    EXPECT_EQ(Key("Right"), normal.left() + normal.width());
    COutputDialog again;
    again.show();
    EXPECT_FALSE(again.isMaximized());
    EXPECT_EQ(again.frameGeometry(), normal);
    again.reject();
}

// A long text shows its start at once and fills in; Save and Copy always
// take all of it.
TEST_F(OutputDialogTest, LongTextFillsInWhileSaveAndCopyTakeItAll)
{
    QString text;
    for (int i = 0; i < 200000; ++i)
        text += QStringLiteral("line %1 of a long capture\n").arg(i);
    const QString path = folder.Path("long.txt");
    dialogs.files = {path};
    COutputDialog dialog;
    dialog.SetText(text);
    dialog.show();
    ASSERT_TRUE(dialog.IsLoading());
    EXPECT_LT(dialog.Edit()->toPlainText().size(), text.size());
    EXPECT_TRUE(dialog.Edit()->isReadOnly());
    dialog.OnCopyText();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
    dialog.OnSaveText();
    EXPECT_EQ(folder.Read(QStringLiteral("long.txt")), COutputDialog::SavedBytes(text));
    FinishLoading(dialog);
    EXPECT_EQ(dialog.Edit()->toPlainText(), text);
    EXPECT_EQ(dialog.Text(), text);
    EXPECT_FALSE(dialog.Edit()->isReadOnly());
    EXPECT_EQ(dialog.Edit()->textCursor().position(), 0) << "the window still shows the top";
    dialog.reject();
}

TEST_F(OutputDialogTest, Gallery)
{
    COutputDialog dialog;
    dialog.SetText(QStringLiteral("Hello.java:5: エラー: ';'がありません\n        System.out.println(\"こんにちは\")\n"
                                  "                                          ^\nエラー1個\n"));
    dialog.show();
    const QString dir = BinaryDir() + QStringLiteral("/gallery");
    QDir().mkpath(dir);
    EXPECT_TRUE(dialog.grab().save(dir + QStringLiteral("/output_window.png")));
    dialog.reject();
    CRunningDialog running(QStringLiteral("/usr/lib/jvm/java-17-openjdk-amd64/bin/java -classpath . Forever"), nullptr);
    running.show();
    EXPECT_TRUE(running.grab().save(dir + QStringLiteral("/running_window.png")));
}

}  // namespace
