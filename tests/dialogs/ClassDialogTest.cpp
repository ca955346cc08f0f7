#include "dialogs/CClassDialog.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QKeyEvent>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const Ids kFileIds = {1,    2,    1015, 1016, 1017, 1018, 1019, 1020, 1021, 1028, 1034, 1035, 1045,
                      1048, 1056, 1057, 1062, 1063, 1064, 1065, 1075, 1080, 1081, 1082, 1083};
const Ids kSwingIds = {1076, 1077, 1078, 1079};
const Ids kListenerIds = {1022, 1023, 1024, 1025, 1026, 1027, 1074};
const Ids kMenuIds = {1001, 1003, 1103, 1104, 1105, 1106, 1107};

struct Class : DialogUnderTest<CClassDialog, 133> {
    QTreeWidgetItem* Root() const { return qobject_cast<QTreeWidget*>(C(1103))->topLevelItem(0); }
    void StartJFrameMenu()
    {
        Choose(1056);
        for (int id : {1015, 1076, 1104})
            Click(C(id));
    }
    void AddMenu(QTreeWidgetItem* below, const QString& label)
    {
        below->treeWidget()->clearSelection();
        below->setSelected(true);
        SetText(C(1105), label);
        Click(C(1001));
    }
};

TEST(ClassDialog, SuperclassRulesGateTheListenersAndTheMenu)
{
    Class f;
    EXPECT_EQ(f.Enabled(), (Ids{2, 1056, 1057}));
    EXPECT_EQ(Text(f.C(1057)), f.Choose(1056));
    EXPECT_EQ(f.Enabled(), kFileIds);
    EXPECT_TRUE(Ticked(f.C(1075)) && Ticked(f.C(1045)));
    Click(f.C(1015));
    EXPECT_EQ(f.Enabled(), kFileIds + kSwingIds);
    Click(f.C(1076));
    EXPECT_TRUE(Ticked(f.C(1016)) && Ticked(f.C(1017)));
    EXPECT_EQ(f.Enabled(), kFileIds + kSwingIds + kListenerIds + Ids({1104, 1107}));
    Click(f.C(1104));
    EXPECT_TRUE(Ticked(f.C(1022))) << "the menu needs actionPerformed";
    EXPECT_EQ(f.Enabled(), kFileIds + kSwingIds + kListenerIds + kMenuIds);

    for (int id : {1024, 1017, 1078, 1017})  // a JPanel ticks the event import again
        Click(f.C(id));
    EXPECT_EQ(f.Enabled(), kFileIds + kSwingIds);
    ClassChoices c = f.dialog.Choices();
    EXPECT_EQ(c.superclass, SuperclassKind::JPanel);
    EXPECT_TRUE(c.interfaces[KeyListenerIf]) << "a disabled box still counts";
    EXPECT_FALSE(c.imports[ImportAwtEvent] || c.withMenuBar);

    for (int id : {1076, 1104})
        Click(f.C(id));
    f.Choose(1056, "Bar.java");
    EXPECT_TRUE(Ticked(f.C(1075)) && !Ticked(f.C(1104)));
    Click(f.C(1015));
    EXPECT_EQ(f.Enabled(), kFileIds + kListenerIds);
    EXPECT_EQ(f.dialog.Choices().className, "Bar");
}

TEST(ClassDialog, EnterAddsMenuEntriesAndGenerationWritesUnlessDeclined)
{
    Class f;
    f.folder.Write("Foo.java", "old");
    f.StartJFrameMenu();
    f.dialog.show();
    f.AddMenu(f.Root(), "File");
    f.AddMenu(f.Root()->child(0), "Open");
    // Enter adds as "追加(&A)" does (a held key once) and never generates.
    QTest::keyClick(f.C(1105), Qt::Key_Return);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Enter, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(f.C(1105), &held);
    EXPECT_TRUE(f.dialog.isVisible());
    EXPECT_EQ(f.dialog.Choices().menuTree.children[0].children.size(), 2u);
    Click(f.C(1048));
    f.user.answers = {MsgAnswer::No, MsgAnswer::Yes};
    Click(f.C(1));
    EXPECT_TRUE(f.dialog.isVisible() && !f.dialog.IsOpenRequested());
    EXPECT_EQ(f.Written("Foo.java"), "old");

    Click(f.C(1));
    EXPECT_TRUE(f.dialog.result() == QDialog::Accepted && f.dialog.IsOpenRequested());
    const QString text = f.Written("Foo.java");
    EXPECT_TRUE(text.contains("public class Foo extends JFrame\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\tJMenuItem menuFileOpen, menuFileOpen2;\r\n"));
    EXPECT_TRUE(text.contains("\t\tactionPerformedMenu(e);\r\n"));
    EXPECT_EQ(f.user.messages.at(2).text, f.folder.Path("Foo.java") + "を作成しました。");
}

}  // namespace
