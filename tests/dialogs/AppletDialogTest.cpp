#include "dialogs/AppletDialog.h"
#include "resources/FormIds.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "tests/generators/GeneratedText.h"

#include <QComboBox>
#include <QListWidget>

using namespace dialogs;
using namespace gen;
using namespace resources;

namespace {

using namespace resources::AppletForm;

const QStringList kAllKinds = {"Button", "CheckBox", "Choice", "Label", "List", "RadioGroup", "TextField"};
const Ids kFileIds = {Generate,        Close,      SelectFile, PathEdit,    AwtEventBox,    AwtImageBox,
                      IoBox,           NetBox,     UtilBox,    RunnableBox, InterfaceGroup, SpecialGroup,
                      DoubleBuffering, Background, Swatch,     Comments,    OpenAfter};
const Ids kEventIds = {ActionBox,  ItemBox,      KeyBox,       MouseBox,       MouseMotionBox, AdapterStyle,
                       KindChoice, ComponentBox, AddComponent, ComponentGroup, StyleGroup,     KindLabel};

struct Applet : DialogUnderTest<AppletDialog, AppletForm::Id> {
    QComboBox* Kinds() const { return qobject_cast<QComboBox*>(C(KindChoice)); }
    QStringList Offered() const { return Rows(Kinds()->model()); }
    QStringList Listed() const { return Rows(qobject_cast<QListWidget*>(C(ComponentBox))->model()); }
    void Add(std::initializer_list<const char*> kinds)
    {
        for (const char* kind : kinds) {
            Kinds()->setCurrentIndex(Kinds()->findText(QString::fromLatin1(kind)));
            Click({AddComponent});
        }
    }
};

TEST(AppletDialog, FileChoiceAsksForAJavaSourceAndUnlocksTheBasics)
{
    Applet f;
    f.user.files.push_back(std::nullopt);
    f.Click({SelectFile});
    EXPECT_EQ(f.Enabled(), (Ids{Close, SelectFile, PathEdit, Swatch})) << "a cancelled choice changes nothing";
    const platform::FileDialogSpec& asked = f.user.fileRequests.at(0);
    EXPECT_TRUE(asked.proposedName == "*.java" && asked.defaultSuffix == "java" && asked.confirmOverwrite);

    // The title becomes the class name: a name javac refuses is refused, naming the rule, before anything is written.
    f.Choose(SelectFile, {}, "my-app.java");
    EXPECT_EQ(f.Enabled(), (Ids{Close, SelectFile, PathEdit, Swatch}));
    ASSERT_EQ(f.user.messages.size(), 1u);
    const RecordedMessage& said = f.user.messages.back();
    EXPECT_EQ(said.text, "「my-app」はクラス名に使えません。\nファイル名の .java の前がクラス名になります。\n"
                         "クラス名は英字（漢字・かなも可）、_ または $ で始め、英字・数字・_・$ だけで書きます。\n"
                         "空白や - などの記号は使えず、class や int などのキーワードも使えません。");
    EXPECT_TRUE(said.caption == "確認" && said.icon == platform::MsgIcon::Exclamation);

    f.Choose(SelectFile);
    EXPECT_EQ(Text(f.C(PathEdit)), f.folder.Path("Foo.java"));
    EXPECT_EQ(f.Enabled(), kFileIds);
    EXPECT_EQ(f.Ticked(), (Ids{AppletBox, AwtBox, Comments}));
    f.Click({Comments});
    f.Choose(SelectFile, {}, "Bar.java");
    EXPECT_EQ(f.Ticked(), (Ids{AppletBox, AwtBox, Comments})) << "each file choice ticks the comments again";
    EXPECT_EQ(f.dialog.Choices().className + f.dialog.Choices().fileName, "BarBar.java");
}

TEST(AppletDialog, ListenersAndStyleDecideTheKindsOnOfferAndEachChangeEmptiesTheList)
{
    Applet f;
    f.Choose(SelectFile, {AwtEventBox});
    EXPECT_EQ(f.Enabled(), kFileIds + kEventIds);
    f.Click({KeyBox});
    struct Step {
        int click;
        QStringList offered;
        bool listenerStyle, listenerEnabled;
    };
    const Step steps[] = {
        {ActionBox, kAllKinds, false, true},  // ActionListener in Adapter style
        {ListenerStyle, {"Button", "Label", "TextField"}, true, true},
        {ItemBox, kAllKinds, true, true},  // ItemListener as well
        {ActionBox, {"CheckBox", "Choice", "Label", "List", "RadioGroup"}, true, true},
        {ItemBox, kAllKinds, false, false},  // neither: back to Adapter
        {AwtEventBox, {}, true, false},      // no event import: no style either
    };
    for (const Step& s : steps) {
        f.Add({"Label"});
        f.Click({s.click});
        EXPECT_EQ(f.Offered(), s.offered) << s.click;
        EXPECT_TRUE(f.Listed().isEmpty()) << s.click;
        EXPECT_EQ(f.dialog.Choices().style, s.listenerStyle ? EventStyle::Listener : EventStyle::Adapter) << s.click;
        EXPECT_EQ(f.C(ListenerStyle)->isEnabled(), s.listenerEnabled) << s.click;
    }
    EXPECT_EQ(f.Enabled(), kFileIds);
    EXPECT_TRUE(f.dialog.Choices().keyListener && !f.dialog.Choices().importAwtEvent) << "a disabled box counts";
    f.Click({Generate});
    EXPECT_BLOCK(f.Written("Foo.java"), "import java.awt.event.*;", "", "public class Foo extends Applet ",
                 "\timplements", "\tKeyListener")
        << "and brings its import";
}

TEST(AppletDialog, DeclinedOverwriteKeepsTheDialogAndTheChoicesReachTheSource)
{
    Applet f;
    SaveToGallery(&f.dialog, "applet_open");
    f.folder.Write("Foo.java", "old");
    f.Choose(SelectFile, {AwtEventBox});
    f.Click({AddComponent});  // no kind picked yet: adds nothing
    f.Add({"Label", "CheckBox", "Button"});
    f.Click({AddComponent});  // the combo keeps its pick
    qobject_cast<QListWidget*>(f.C(ComponentBox))->setCurrentRow(2);
    f.Click({DeleteComponent, DeleteComponent});  // the second Del finds no selection
    f.user.colors = {platform::Rgb{255, 0, 0}, std::nullopt};
    f.Click({Background, ChooseColor, ChooseColor, OpenAfter});
    EXPECT_EQ(f.dialog.SwatchColor(), QColor(Qt::red)) << "a cancelled choice does not repaint";
    SaveToGallery(&f.dialog, "applet_filled");
    f.user.answers = {platform::MsgAnswer::No, platform::MsgAnswer::Yes};
    f.dialog.show();
    f.Click({Generate});
    EXPECT_TRUE(f.dialog.isVisible() && !f.dialog.IsOpenRequested());
    EXPECT_EQ(f.Written("Foo.java"), "old");

    f.Click({Generate});
    EXPECT_TRUE(f.dialog.result() == QDialog::Accepted && f.dialog.IsOpenRequested());
    const QString text = f.Written("Foo.java");
    EXPECT_TRUE(text.contains("\tButton btn1;\r\n\tButton btn2;\r\n\tLabel lb1;\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\t\tsetBackground(new Color(255,0,0));\r\n")) << "a cancelled choice keeps the colour";
    EXPECT_EQ(f.user.messages.at(2).text, f.folder.Path("Foo.java") + "を作成しました。");
}

}  // namespace
