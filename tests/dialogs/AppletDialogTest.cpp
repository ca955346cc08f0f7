#include "dialogs/CAppletDialog.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QComboBox>
#include <QListWidget>

namespace {

const QStringList kAllKinds = {"Button", "CheckBox", "Choice", "Label", "List", "RadioGroup", "TextField"};
const Ids kFileIds = {1, 2, 1013, 1014, 1017, 1018, 1019, 1020, 1021, 1028, 1035, 1040, 1041, 1042, 1044, 1045, 1048};
const Ids kEventIds = {1022, 1023, 1024, 1025, 1026, 1030, 1031, 1032, 1033, 1036, 1037, 1038};

struct Applet : DialogUnderTest<CAppletDialog, 130> {
    QComboBox* Kinds() const { return qobject_cast<QComboBox*>(C(1031)); }
    QStringList Offered() const { return Rows(Kinds()->model()); }
    QStringList Listed() const { return Rows(qobject_cast<QListWidget*>(C(1032))->model()); }
    void Add(std::initializer_list<const char*> kinds)
    {
        for (const char* kind : kinds) {
            Kinds()->setCurrentIndex(Kinds()->findText(QString::fromLatin1(kind)));
            Click({1033});
        }
    }
};

TEST(AppletDialog, FileChoiceAsksForAJavaSourceAndUnlocksTheBasics)
{
    Applet f;
    f.user.files.push_back(std::nullopt);
    f.Click({1013});
    EXPECT_EQ(f.Enabled(), (Ids{2, 1013, 1014, 1044})) << "a cancelled choice changes nothing";
    const FileDialogSpec& asked = f.user.fileRequests.at(0);
    EXPECT_EQ(asked.title + asked.filter, "Javaﾌｧｲﾙを作成javaｿｰｽﾌｧｲﾙ(*.java)|*.java|全てのﾌｧｲﾙ(*.*)|*.*||");
    EXPECT_TRUE(asked.proposedName == "*.java" && asked.defaultSuffix == "java" && asked.confirmOverwrite);

    f.Choose(1013);
    EXPECT_EQ(Text(f.C(1014)), f.folder.Path("Foo.java"));
    EXPECT_EQ(f.Enabled(), kFileIds);
    EXPECT_EQ(f.Ticked(), (Ids{1015, 1016, 1045}));
    f.Click({1045});
    f.Choose(1013, {}, "Bar.java");
    EXPECT_EQ(f.Ticked(), (Ids{1015, 1016, 1045})) << "each file choice ticks the comments again";
    EXPECT_EQ(f.dialog.Choices().className + f.dialog.Choices().fileName, "BarBar.java");
}

TEST(AppletDialog, ListenersAndStyleDecideTheKindsOnOfferAndEachChangeEmptiesTheList)
{
    Applet f;
    f.Choose(1013, {1017});
    EXPECT_EQ(f.Enabled(), kFileIds + kEventIds);
    f.Click({1024});
    struct Step {
        int click;
        QStringList offered;
        bool listenerStyle, listenerEnabled;
    };
    const Step steps[] = {
        {1022, kAllKinds, false, true},  // ActionListener in Adapter style
        {1029, {"Button", "Label", "TextField"}, true, true},
        {1023, kAllKinds, true, true},  // ItemListener as well
        {1022, {"CheckBox", "Choice", "Label", "List", "RadioGroup"}, true, true},
        {1023, kAllKinds, false, false},  // neither: back to Adapter
        {1017, {}, true, false},          // no event import: no style either
    };
    for (const Step& s : steps) {
        f.Add({"Label"});
        f.Click({s.click});
        EXPECT_EQ(f.Offered(), s.offered) << s.click;
        EXPECT_TRUE(f.Listed().isEmpty()) << s.click;
        EXPECT_EQ(f.dialog.Choices().style, s.listenerStyle ? EventStyle::Listener : EventStyle::Adapter) << s.click;
        EXPECT_EQ(f.C(1029)->isEnabled(), s.listenerEnabled) << s.click;
    }
    EXPECT_EQ(f.Enabled(), kFileIds);
    EXPECT_TRUE(f.dialog.Choices().keyListener && !f.dialog.Choices().importAwtEvent) << "a disabled box counts";
}

TEST(AppletDialog, DeclinedOverwriteKeepsTheDialogAndTheChoicesReachTheSource)
{
    Applet f;
    f.folder.Write("Foo.java", "old");
    f.Choose(1013, {1017});
    f.Click({1033});  // no kind picked yet: adds nothing
    f.Add({"Label", "CheckBox", "Button"});
    f.Click({1033});  // the combo keeps its pick
    qobject_cast<QListWidget*>(f.C(1032))->setCurrentRow(2);
    f.Click({1039, 1039});  // the second Del finds no selection
    f.user.colors = {Rgb{255, 0, 0}, std::nullopt};
    f.Click({1042, 1043, 1043, 1048});
    EXPECT_EQ(f.dialog.SwatchColor(), QColor(Qt::red)) << "a cancelled choice does not repaint";
    f.user.answers = {MsgAnswer::No, MsgAnswer::Yes};
    f.dialog.show();
    f.Click({1});
    EXPECT_TRUE(f.dialog.isVisible() && !f.dialog.IsOpenRequested());
    EXPECT_EQ(f.Written("Foo.java"), "old");

    f.Click({1});
    EXPECT_TRUE(f.dialog.result() == QDialog::Accepted && f.dialog.IsOpenRequested());
    const QString text = f.Written("Foo.java");
    EXPECT_TRUE(text.contains("\tButton btn1;\r\n\tButton btn2;\r\n\tLabel lb1;\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\t\tsetBackground(new Color(0,0,0));\r\n")) << "black before the colour dialog";
    EXPECT_EQ(f.user.messages.at(2).text, f.folder.Path("Foo.java") + "を作成しました。");
}

TEST(DialogGallery, Applet)
{
    Applet f;
    SaveToGallery(&f.dialog, "applet_open");
    f.user.colors = {Rgb{0, 128, 192}};
    f.Choose(1013, {1017, 1022, 1024, 1029, 1041, 1042, 1043, 1048});
    f.Add({"Button", "TextField", "Label", "Button"});
    SaveToGallery(&f.dialog, "applet_filled");
}

}  // namespace
