// Closing a dialog gives the focus back to the window that opened it, through
// the program's real message box and colour dialog.
#include "platform/gui/DialogFocus.h"
#include "platform/gui/QtUserDialogs.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(DialogFocus, TheOpenerIsActiveAgainAfterAMessageOrACancelledColourChoice)
{
    ReturnFocusToOpeners(*qApp);
    QWidget main;
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QDialog dialog(&main);
    QtUserDialogs dialogs;
    const auto closeNext = [] {  // once it is active, as a user's key would
        QTimer::singleShot(0, [] {
            QWidget* shown = QApplication::activeModalWidget();
            ASSERT_TRUE(shown && QTest::qWaitForWindowActive(shown));
            shown->close();
        });
    };
    QStringList active;  // after each question, the dialog's turn
    QTimer::singleShot(0, [&] {
        closeNext();
        dialogs.Message(&dialog, "上書きしますか？", "上書き確認", MsgIcon::Question, MsgButtons::YesNo);
        active << (QTest::qWaitFor([&] { return dialog.isActiveWindow(); }) ? "dialog" : "none");
        closeNext();
        EXPECT_FALSE(dialogs.ChooseColor(&dialog));
        active << (QTest::qWaitFor([&] { return dialog.isActiveWindow(); }) ? "dialog" : "none");
        dialog.accept();
    });
    dialog.exec();
    active << (QTest::qWaitFor([&] { return main.isActiveWindow(); }) ? "main" : "none");
    EXPECT_EQ(active, QStringList({"dialog", "dialog", "main"}));
}

}  // namespace
