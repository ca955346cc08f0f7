#include "dialogs/CAppletDialog.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QComboBox>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

const QStringList kAllKinds = {"Button", "CheckBox", "Choice", "Label", "List", "RadioGroup", "TextField"};
const Ids kFileIds = {1, 2, 1013, 1014, 1017, 1018, 1019, 1020, 1021, 1028, 1035, 1040, 1041, 1042, 1044, 1045, 1048};
const Ids kEventIds = {1022, 1023, 1024, 1025, 1026, 1030, 1031, 1032, 1033, 1036, 1037, 1038};

struct Applet : DialogUnderTest<CAppletDialog, 130> {
    QComboBox* Kinds() const { return qobject_cast<QComboBox*>(C(1031)); }
    QListWidget* List() const { return qobject_cast<QListWidget*>(C(1032)); }
    QStringList Offered() const { return Rows(Kinds()->model()); }
    QStringList Listed() const { return Rows(List()->model()); }
    void Add(const char* kind)
    {
        Kinds()->setCurrentIndex(Kinds()->findText(QString::fromLatin1(kind)));
        Click(C(1033));
    }
};

TEST(AppletDialog, FileChoiceAsksForAJavaSourceAndUnlocksTheBasics)
{
    Applet f;
    f.user.files.push_back(std::nullopt);
    Click(f.C(1013));
    EXPECT_EQ(f.Enabled(), (Ids{2, 1013, 1014, 1044}));
    const FileDialogSpec& spec = f.user.fileRequests.at(0);
    EXPECT_EQ(spec.title + spec.filter, "Javaﾌｧｲﾙを作成javaｿｰｽﾌｧｲﾙ(*.java)|*.java|全てのﾌｧｲﾙ(*.*)|*.*||");
    EXPECT_TRUE(spec.proposedName == "*.java" && spec.defaultSuffix == "java" && spec.confirmOverwrite);

    EXPECT_EQ(Text(f.C(1014)), f.Choose(1013));
    EXPECT_EQ(f.Enabled(), kFileIds);
    EXPECT_TRUE(Ticked(f.C(1015)) && Ticked(f.C(1016)) && Ticked(f.C(1045)));
    Click(f.C(1045));
    f.Choose(1013, "Bar.java");
    EXPECT_TRUE(Ticked(f.C(1045))) << "each file choice ticks the comments again";
    EXPECT_EQ(f.dialog.Choices().className + f.dialog.Choices().fileName, "BarBar.java");
}

TEST(AppletDialog, EventImportListenersAndStyleDecideTheKindsOnOffer)
{
    struct Case {
        bool action, item;
        QStringList listenerKinds;
    };
    for (const Case& c : {Case{true, false, {"Button", "Label", "TextField"}},
                          Case{false, true, {"CheckBox", "Choice", "Label", "List", "RadioGroup"}},
                          Case{true, true, kAllKinds}}) {
        Applet f;
        f.Choose(1013);
        Click(f.C(1017));
        EXPECT_EQ(f.Enabled(), kFileIds + kEventIds);
        EXPECT_TRUE(Ticked(f.C(1030)));
        EXPECT_EQ(f.Offered(), kAllKinds);
        EXPECT_EQ(f.Kinds()->currentIndex(), -1) << "no kind is picked after a fill";
        for (int pass = 0; pass < 2; ++pass) {
            // Ticking, then clearing, the chain listeners; each change empties the list.
            f.Add("Label");
            if (c.action)
                Click(f.C(1022));
            if (c.item)
                Click(f.C(1023));
            if (pass == 0)
                Click(f.C(1029));
            EXPECT_EQ(f.Offered(), pass == 0 ? c.listenerKinds : kAllKinds);
            EXPECT_TRUE(f.Listed().isEmpty());
            EXPECT_EQ(f.C(1029)->isEnabled(), pass == 0);
            EXPECT_EQ(f.dialog.Choices().style, pass == 0 ? EventStyle::Listener : EventStyle::Adapter);
        }
    }
    Applet f;
    f.Choose(1013);
    Click(f.C(1017));
    Click(f.C(1024));
    f.Add("Button");
    Click(f.C(1017));
    EXPECT_EQ(f.Enabled(), kFileIds);
    EXPECT_TRUE(f.Offered().isEmpty() && f.Listed().isEmpty() && !Ticked(f.C(1030)));
    EXPECT_TRUE(f.dialog.Choices().keyListener) << "a disabled box still counts";
    EXPECT_FALSE(f.dialog.Choices().importAwtEvent);
}

TEST(AppletDialog, ComponentListStaysSortedWithEqualNamesTogether)
{
    Applet f;
    f.Choose(1013);
    Click(f.C(1017));
    Click(f.C(1033));
    EXPECT_TRUE(f.Listed().isEmpty()) << "'>>' without a picked kind adds nothing";
    for (const char* kind : {"Label", "CheckBox", "Button"})
        f.Add(kind);
    Click(f.C(1033));  // the combo keeps its pick
    using K = ComponentKind;
    EXPECT_EQ(f.dialog.Choices().components, (QList<K>{K::Button, K::Button, K::CheckBox, K::Label}));
    Click(f.C(1039));
    f.List()->setCurrentRow(1);
    Click(f.C(1039));
    Click(f.C(1039));
    EXPECT_EQ(f.Listed(), (QStringList{"Button", "CheckBox", "Label"})) << "Del removes the selection only";
}

TEST(AppletDialog, SwatchFollowsBackgroundAndTheColourStartsBlack)
{
    Applet f;
    f.Choose(1013);
    EXPECT_FALSE(f.dialog.SwatchColor()) << "nothing is painted before a reaction";
    Click(f.C(1042));
    EXPECT_EQ(f.dialog.SwatchColor(), QColor(Qt::black));
    f.user.colors = {Rgb{255, 0, 0}, std::nullopt};
    Click(f.C(1043));
    Click(f.C(1043));
    EXPECT_EQ(f.dialog.BackgroundColor(), Rgb{}) << "reset before the colour dialog opens";
    EXPECT_EQ(f.dialog.SwatchColor(), QColor(Qt::red)) << "a cancelled choice does not repaint";
    Click(f.C(1042));
    EXPECT_FALSE(f.C(1043)->isEnabled());
    EXPECT_EQ(f.dialog.SwatchColor(), QColor(192, 192, 192));
    EXPECT_EQ(f.C(1044)->findChild<QWidget*>()->geometry(), f.C(1044)->rect().adjusted(2, 2, -2, -2));
}

TEST(AppletDialog, GenerationWritesReportsAndClosesUnlessOverwriteIsDeclined)
{
    Applet f;
    f.folder.Write("Foo.java", "old");
    const QString path = f.Choose(1013);
    Click(f.C(1017));
    for (const char* kind : {"Button", "Label", "Button"})
        f.Add(kind);
    Click(f.C(1042));
    Click(f.C(1048));
    f.user.answers = {MsgAnswer::No, MsgAnswer::Yes};
    f.dialog.show();
    Click(f.C(1));
    EXPECT_TRUE(f.dialog.isVisible() && !f.dialog.IsOpenRequested());
    EXPECT_EQ(f.Written("Foo.java"), "old");
    EXPECT_EQ(f.Listed().size(), 3) << "the choices survive";

    Click(f.C(1));
    EXPECT_TRUE(f.dialog.result() == QDialog::Accepted && f.dialog.IsOpenRequested());
    const QString text = f.Written("Foo.java");
    EXPECT_TRUE(text.startsWith("//Written by Tarnwick\r\n//Foo.java\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\tButton btn1;\r\n\tButton btn2;\r\n\tLabel lb1;\r\n"));
    EXPECT_TRUE(text.contains("\t\tsetBackground(new Color(0,0,0));\r\n"));
    const RecordedMessage& done = f.user.messages.at(2);
    EXPECT_EQ(done.text, path + "を作成しました。");
    EXPECT_TRUE(done.caption == "作成確認" && done.owner == &f.dialog);
}

}  // namespace
