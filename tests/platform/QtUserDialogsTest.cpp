// Qt's side of the common dialogs: the classic filter strings and Qt's own
// texts in Japanese.
#include "platform/gui/QtUserDialogs.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(QtDialogs, ClassicFiltersBecomeQtFiltersAndAllFilesMeansEveryName)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"", {}},
        {"Java ファイル(*.java;*.class;*.jar)|*.java;*.class;*.jar||",
         {"Java ファイル(*.java;*.class;*.jar) (*.java *.class *.jar)"}},
        {"javaｿｰｽﾌｧｲﾙ(*.java)|*.java|全てのﾌｧｲﾙ(*.*)|*.*||", {"javaｿｰｽﾌｧｲﾙ(*.java) (*.java)", "全てのﾌｧｲﾙ(*.*) (*)"}},
        {"Javaドキュメント(*.html)|*.html;*.htm|全てのファイル(*.*)|*.*||",
         {"Javaドキュメント(*.html) (*.html *.htm)", "全てのファイル(*.*) (*)"}},
        {"名前(*.*.bak)|*.*.bak||", {"名前(*.*.bak) (*.*.bak)"}},
        {"a|*.a||b|*.b||", {"a (*.a)"}},
    };
    for (const auto& [classic, expected] : cases)
        EXPECT_EQ(ToQtNameFilters(QString::fromUtf8(classic)), expected) << classic;
    // What the all-files filter offers in a folder: names without a dot too.
    const QString all = ToQtNameFilters(QStringLiteral("全てのﾌｧｲﾙ(*.*)|*.*||")).first();
    const QStringList patterns = all.mid(all.lastIndexOf('(') + 1).chopped(1).split(' ');
    for (const char* name : {"Makefile", "javac", "Hello.java", ".hidden"})
        EXPECT_TRUE(QDir::match(patterns, QString::fromUtf8(name))) << name;
}

// The first message box of a run reads Japanese although nothing loaded Qt's
// texts before it (the program loads them only once its window shows), and
// they go with the dialogs.
TEST(QtDialogs, QtsOwnButtonsReadJapaneseFromTheFirstMessageOn)
{
    const QString english = QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text();
    QStringList buttons;
    {
        QtUserDialogs dialogs;
        QTimer::singleShot(0, [&buttons] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->done(QMessageBox::No);
        });
        EXPECT_EQ(dialogs.Message(nullptr, "text", "caption", MsgIcon::Question, MsgButtons::YesNo), MsgAnswer::No);
        EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), "キャンセル");
    }
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"いいえ(&N)", "はい(&Y)"})) << "qt6-translations-l10n is installed";
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), english);
}

// Enter answers with the default button: はい for YesNo, いいえ where a wrong はい would cost (YesNoDefaultNo).
TEST(QtDialogs, EnterAnswersWithTheDefaultButton)
{
    QtUserDialogs dialogs;
    for (const auto& [buttons, answer] :
         {std::pair{MsgButtons::YesNo, MsgAnswer::Yes}, std::pair{MsgButtons::YesNoDefaultNo, MsgAnswer::No}}) {
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(dialogs.Message(nullptr, "text", "caption", MsgIcon::Question, buttons), answer);
    }
}

}  // namespace
