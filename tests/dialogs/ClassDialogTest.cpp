#include "dialogs/ClassDialog.h"
#include "resources/FormIds.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "tests/generators/GeneratedText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTreeWidget>

using namespace dialogs;
using namespace gen;
using namespace resources;

namespace {

using namespace resources::ClassForm;

const Ids kFileIds = {Generate, Close,           SwingBox,     AwtBox,         AwtEventBox,        AwtImageBox,
                      IoBox,    NetBox,          UtilBox,      RunnableBox,    ImportGroup,        InterfaceGroup,
                      Comments, OpenAfter,       SelectFile,   PathEdit,       AppletBox,          BeansBox,
                      RmiBox,   SuperclassGroup, NoSuperclass, UserSuperclass, UserSuperclassEdit, StartGroup,
                      WithMain};
const Ids kSwingIds = {FrameSuperclass, DialogSuperclass, PanelSuperclass, WindowSuperclass};
const Ids kListenerIds = {ActionBox, ItemBox, KeyBox, MouseBox, MouseMotionBox, WindowBox, ComponentBox};
const Ids kMenuIds = {AddEntry, DeleteEntry, MenuTree, MenuBox, MenuNameEdit, MenuNameLabel, MenuGroup};

struct Class : DialogUnderTest<ClassDialog, ClassForm::Id> {
    QTreeWidget* Tree() const { return qobject_cast<QTreeWidget*>(C(MenuTree)); }
    // Selects the entries labelled so ("" selects none), types label into the name edit and then: 'A' 追加, 'D' 削除,
    // 'E' Enter, 'H' Enter held down.
    void EditMenu(const char* select, const char* label, char how) const
    {
        Tree()->clearSelection();
        const auto match = Qt::MatchExactly | Qt::MatchRecursive;
        for (QTreeWidgetItem* item : Tree()->findItems(QString::fromUtf8(select), match))
            item->setSelected(true);
        SetText(C(MenuNameEdit), QString::fromUtf8(label));
        if (how == 'A' || how == 'D')
            return Click({how == 'A' ? AddEntry : DeleteEntry});
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), how == 'H');
        QApplication::sendEvent(C(MenuNameEdit), &enter);
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
    EXPECT_EQ(f.Enabled(), (Ids{Close, SelectFile, PathEdit}));
    f.user.files = {f.folder.Path("Foo.java"), f.folder.Path("Bar.java")};
    struct Step {
        std::vector<int> clicks;
        Ids enabled, ticked;
    };
    const Step steps[] = {
        {{SelectFile}, kFileIds, {Comments, NoSuperclass}},
        {{SwingBox}, kFileIds + kSwingIds, {SwingBox, Comments, NoSuperclass}},
        {{FrameSuperclass},
         kFileIds + kSwingIds + kListenerIds + Ids{MenuBox, MenuGroup},
         {SwingBox, AwtBox, AwtEventBox, Comments, FrameSuperclass}},
        // While there is a menu bar, ActionListener stays ticked: its entries register the class.
        {{MenuBox, ActionBox, AwtEventBox, AwtEventBox},
         kFileIds + kSwingIds + kListenerIds + kMenuIds - Ids{ActionBox},
         {SwingBox, AwtBox, AwtEventBox, ActionBox, Comments, FrameSuperclass, MenuBox}},
        // A listener stays ticked while disabled; a JPanel ticks the event import again.
        {{KeyBox, AwtEventBox, PanelSuperclass, AwtEventBox},
         kFileIds + kSwingIds,
         {SwingBox, AwtBox, ActionBox, KeyBox, Comments, PanelSuperclass}},
        // Another file resets the superclass, the menu and the comments.
        {{FrameSuperclass, MenuBox, Comments, SelectFile},
         kFileIds + kSwingIds + kListenerIds,
         {SwingBox, AwtBox, AwtEventBox, ActionBox, KeyBox, Comments, NoSuperclass}},
        {{SwingBox, AwtEventBox}, kFileIds, {AwtBox, ActionBox, KeyBox, Comments, NoSuperclass}},
    };
    for (const Step& s : steps) {
        f.Click(s.clicks);
        EXPECT_EQ(f.Enabled(), s.enabled) << s.clicks.front();
        EXPECT_EQ(f.Ticked(), s.ticked) << s.clicks.front();
    }
    EXPECT_EQ(Text(f.C(PathEdit)), f.folder.Path("Bar.java"));
    const ClassChoices c = f.dialog.Choices();
    EXPECT_TRUE(c.className == "Bar" && c.interfaces[KeyListenerIf] && !c.imports[ImportAwtEvent]);
    // A greyed listener still counts, and brings its import.
    f.Click({Generate});
    EXPECT_BLOCK(f.Written("Bar.java"), "import java.awt.event.*;", "", "public class Bar", "\timplements",
                 "\tActionListener,", "\tKeyListener");
}

TEST(ClassDialog, MenuEditingAndEnterNeverGeneratesThenTheTreeReachesTheSource)
{
    Class f;
    SaveToGallery(&f.dialog, "class_open");
    f.Choose(SelectFile, {SwingBox, FrameSuperclass, MenuBox, OpenAfter});
    f.dialog.show();
    // The root is selected from the start, so a first entry needs no click on it.
    SetText(f.C(MenuNameEdit), "ファイル");
    f.Click({AddEntry});
    EXPECT_EQ(Outline(f.dialog.Choices().menuTree), "JMenuBar[ファイル]");
    const std::tuple<const char*, const char*, char, const char*> steps[] = {
        {"ファイル", "", 'D', "JMenuBar"},
        {"", "Edit", 'A', "JMenuBar[Edit]"},  // nothing selected: below the root
        {"Edit", "", 'D', "JMenuBar"},
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
        {"-", "Sub", 'A', "JMenuBar[&File[Open,Open,-]]"}};
    for (const auto& [select, label, how, outline] : steps) {
        f.EditMenu(select, label, how);
        EXPECT_EQ(Outline(f.dialog.Choices().menuTree), QString::fromUtf8(outline)) << select << how << label;
    }
    EXPECT_TRUE(f.Tree()->topLevelItem(0)->child(0)->isExpanded());
    f.EditMenu("-", "", 'D');
    EXPECT_TRUE(f.Tree()->topLevelItem(0)->isSelected()) << "after a deletion the root, not a neighbour";
    ASSERT_TRUE(f.dialog.isVisible());
    SaveToGallery(&f.dialog, "class_filled");

    f.Click({Generate});
    EXPECT_TRUE(f.dialog.result() == QDialog::Accepted && f.dialog.IsOpenRequested());
    const QString text = f.Written("Foo.java");
    EXPECT_TRUE(text.contains("public class Foo extends JFrame\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\tJMenuItem menuFileOpen, menuFileOpen2;\r\n"));
    EXPECT_EQ(f.user.messages.at(0).text, f.folder.Path("Foo.java") + "を作成しました。");
}

}  // namespace
