#include "dialogs/CClassDialog.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTreeWidget>

namespace {

const Ids kFileIds = {1,    2,    1015, 1016, 1017, 1018, 1019, 1020, 1021, 1028, 1034, 1035, 1045,
                      1048, 1056, 1057, 1062, 1063, 1064, 1065, 1075, 1080, 1081, 1082, 1083};
const Ids kSwingIds = {1076, 1077, 1078, 1079};
const Ids kListenerIds = {1022, 1023, 1024, 1025, 1026, 1027, 1074};
const Ids kMenuIds = {1001, 1003, 1103, 1104, 1105, 1106, 1107};

struct Class : DialogUnderTest<CClassDialog, 133> {
    QTreeWidget* Tree() const { return qobject_cast<QTreeWidget*>(C(1103)); }
    // Selects the entries labelled so ("" selects none), types label into the
    // name edit and then: 'A' 追加, 'D' 削除, 'E' Enter, 'H' Enter held down.
    void EditMenu(const char* select, const char* label, char how) const
    {
        Tree()->clearSelection();
        const auto match = Qt::MatchExactly | Qt::MatchRecursive;
        for (QTreeWidgetItem* item : Tree()->findItems(QString::fromUtf8(select), match))
            item->setSelected(true);
        SetText(C(1105), QString::fromUtf8(label));
        if (how == 'A' || how == 'D')
            return Click({how == 'A' ? 1001 : 1003});
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), how == 'H');
        QApplication::sendEvent(C(1105), &enter);
    }
};

// Each label followed by its children in brackets.
QString Outline(const MenuItemNode& node)
{
    QStringList children;
    for (const MenuItemNode& child : node.children)
        children << Outline(child);
    return children.isEmpty() ? node.label : node.label + "[" + children.join(",") + "]";
}

TEST(ClassDialog, SuperclassRulesGateTheListenersAndTheMenu)
{
    Class f;
    EXPECT_EQ(f.Enabled(), (Ids{2, 1056, 1057}));
    f.user.files = {f.folder.Path("Foo.java"), f.folder.Path("Bar.java")};
    struct Step {
        std::vector<int> clicks;
        Ids enabled, ticked;
    };
    const Step steps[] = {
        {{1056}, kFileIds, {1045, 1075}},
        {{1015}, kFileIds + kSwingIds, {1015, 1045, 1075}},
        {{1076}, kFileIds + kSwingIds + kListenerIds + Ids{1104, 1107}, {1015, 1016, 1017, 1045, 1076}},
        {{1104}, kFileIds + kSwingIds + kListenerIds + kMenuIds, {1015, 1016, 1017, 1022, 1045, 1076, 1104}},
        // A listener stays ticked while disabled; a JPanel ticks the event import again.
        {{1024, 1017, 1078, 1017}, kFileIds + kSwingIds, {1015, 1016, 1022, 1024, 1045, 1078}},
        // Another file resets the superclass, the menu and the comments.
        {{1076, 1104, 1045, 1056}, kFileIds + kSwingIds + kListenerIds, {1015, 1016, 1017, 1022, 1024, 1045, 1075}},
        {{1015, 1017}, kFileIds, {1016, 1022, 1024, 1045, 1075}},
    };
    for (const Step& s : steps) {
        f.Click(s.clicks);
        EXPECT_EQ(f.Enabled(), s.enabled) << s.clicks.front();
        EXPECT_EQ(f.Ticked(), s.ticked) << s.clicks.front();
    }
    EXPECT_EQ(Text(f.C(1057)), f.folder.Path("Bar.java"));
    const ClassChoices c = f.dialog.Choices();
    EXPECT_TRUE(c.className == "Bar" && c.interfaces[KeyListenerIf] && !c.imports[ImportAwtEvent]);
}

TEST(ClassDialog, MenuEditingAndEnterNeverGeneratesThenTheTreeReachesTheSource)
{
    Class f;
    f.Choose(1056, {1015, 1076, 1104, 1048});
    f.dialog.show();
    struct Step {
        const char *select, *label;
        char how;
        const char* outline;
    };
    const Step steps[] = {
        {"", "Edit", 'A', "JMenuBar"},
        {"JMenuBar", "", 'A', "JMenuBar"},
        {"JMenuBar", "Edit", 'A', "JMenuBar[Edit]"},
        {"Edit", "Cut", 'E', "JMenuBar[Edit[Cut]]"},
        {"Edit", "Cut", 'H', "JMenuBar[Edit[Cut]]"},
        {"JMenuBar", "", 'D', "JMenuBar[Edit[Cut]]"},
        {"", "", 'D', "JMenuBar[Edit[Cut]]"},
        {"Edit", "", 'D', "JMenuBar"},
        {"JMenuBar", "&File", 'A', "JMenuBar[&File]"},
        {"&File", "Open", 'A', "JMenuBar[&File[Open]]"},
        {"&File", "Open", 'E', "JMenuBar[&File[Open,Open]]"},
        {"&File", "-", 'A', "JMenuBar[&File[Open,Open,-]]"},
        {"-", "Sub", 'A', "JMenuBar[&File[Open,Open,-]]"},
    };
    for (const Step& s : steps) {
        f.EditMenu(s.select, s.label, s.how);
        EXPECT_EQ(Outline(f.dialog.Choices().menuTree), QString::fromUtf8(s.outline)) << s.select << s.how << s.label;
    }
    EXPECT_TRUE(f.Tree()->topLevelItem(0)->child(0)->isExpanded());
    ASSERT_TRUE(f.dialog.isVisible());

    f.Click({1});
    EXPECT_TRUE(f.dialog.result() == QDialog::Accepted && f.dialog.IsOpenRequested());
    const QString text = f.Written("Foo.java");
    EXPECT_TRUE(text.contains("public class Foo extends JFrame\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\tJMenuItem menuFileOpen, menuFileOpen2;\r\n"));
    EXPECT_EQ(f.user.messages.at(0).text, f.folder.Path("Foo.java") + "を作成しました。");
}

TEST(DialogGallery, Class)
{
    Class f;
    SaveToGallery(&f.dialog, "class_open");
    f.Choose(1056, {1015, 1076, 1027, 1083, 1104, 1048});
    for (const char* label : {"ファイル(&F)", "ヘルプ(&H)"})
        f.EditMenu("JMenuBar", label, 'A');
    for (const char* label : {"開く(&O)", "-", "終了(&X)"})
        f.EditMenu("ファイル(&F)", label, 'A');
    SaveToGallery(&f.dialog, "class_filled");
}

}  // namespace
