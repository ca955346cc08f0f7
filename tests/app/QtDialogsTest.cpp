// Qt's side of the common dialogs: the classic filter strings and Qt's own
// texts in Japanese.
#include "platform/gui/QtTranslations.h"
#include "platform/gui/QtUserDialogs.h"
#include "tests/support/QtPrinters.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

TEST(QtDialogs, ClassicFiltersBecomeQtFiltersAndAllFilesMeansEveryName)
{
    const struct {
        const char* classic;
        QStringList expected;
    } cases[] = {
        {"", {}},
        {"Java ファイル(*.java;*.class;*.jar)|*.java;*.class;*.jar||",
         {"Java ファイル(*.java;*.class;*.jar) (*.java *.class *.jar)"}},
        {"javaｿｰｽﾌｧｲﾙ(*.java)|*.java|全てのﾌｧｲﾙ(*.*)|*.*||", {"javaｿｰｽﾌｧｲﾙ(*.java) (*.java)", "全てのﾌｧｲﾙ(*.*) (*)"}},
        {"Javaドキュメント(*.html)|*.html;*.htm|全てのファイル(*.*)|*.*||",
         {"Javaドキュメント(*.html) (*.html *.htm)", "全てのファイル(*.*) (*)"}},
        {"名前(*.*.bak)|*.*.bak||", {"名前(*.*.bak) (*.*.bak)"}},
        {"a|*.a||b|*.b||", {"a (*.a)"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToQtNameFilters(QString::fromUtf8(c.classic)), c.expected) << c.classic;
    // What the all-files filter offers in a folder: names without a dot too.
    const QString all = ToQtNameFilters(QStringLiteral("全てのﾌｧｲﾙ(*.*)|*.*||")).first();
    const QStringList patterns = all.mid(all.lastIndexOf('(') + 1).chopped(1).split(' ');
    for (const char* name : {"Makefile", "javac", "Hello.java", ".hidden"})
        EXPECT_TRUE(QDir::match(patterns, QString::fromUtf8(name))) << name;
}

TEST(QtDialogs, QtsOwnButtonsReadJapanese)
{
    QDialogButtonBox before(QDialogButtonBox::Cancel);
    const QString english = before.button(QDialogButtonBox::Cancel)->text();
    {
        QTranslator translator;
        ASSERT_TRUE(platform::InstallQtTranslations(translator)) << "qt6-translations-l10n is installed";
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
        EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "キャンセル");
        EXPECT_NE(box.button(QDialogButtonBox::Open)->text(), "&Open");
    }
    QDialogButtonBox after(QDialogButtonBox::Cancel);
    EXPECT_EQ(after.button(QDialogButtonBox::Cancel)->text(), english) << "removed with the translator";
}

}  // namespace
