#include "dialogs/HtmlDialog.h"
#include "resources/FormIds.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QTest>
#include <QTreeWidget>

using namespace dialogs;
using namespace resources;

namespace {

using namespace resources::HtmlForm;

struct Html : DialogUnderTest<HtmlDialog, HtmlForm::Id> {
    Html() { dialog.SetPageDefaults("Foo", folder.Path(), "FooApplet", 400, 300); }
    QTreeWidget* List() const { return qobject_cast<QTreeWidget*>(C(ParamBox)); }
    void AddParam(const QString& name, const QString& value)
    {
        SetText(C(NameEdit), name);
        SetText(C(ValueEdit), value);
        Click({HtmlForm::AddParam});
    }
};

TEST(HtmlDialog, ParametersNeedTextAndUniqueNamesAndReachThePageOnlyWhileTicked)
{
    Html f;
    SaveToGallery(&f.dialog, "html_open");
    const Ids open = {Generate, Close, PageNameEdit, TitleEdit, WidthEdit, HeightEdit, UpperCase, ParamCheck};
    EXPECT_EQ(f.Enabled(), open);
    f.Click({ParamCheck});
    EXPECT_EQ(f.Enabled(), (open + Ids{AddParam, DeleteParam, ParamBox, NameEdit, ValueEdit, NameLabel, ValueLabel}));
    const char* const blank = "空白の文字列は使用できません。";
    const char* const twice = "同じ引数名は使用できません。";
    using Step = std::array<const char*, 3>;  // name, value, message
    for (const auto& [name, value, message] :
         {Step{"", "10", blank}, Step{"speed", "", blank}, Step{"speed", "10", nullptr}, Step{"speed", "20", twice},
          Step{"Speed", "20", nullptr}, Step{" ", " ", nullptr}}) {
        f.user.messages.clear();
        f.AddParam(name, value);
        ASSERT_EQ(f.user.messages.size(), message ? 1u : 0u) << name << "/" << value;
        for (const RecordedMessage& m : f.user.messages)
            EXPECT_TRUE(m.text == message && m.caption == "確認" && m.icon == platform::MsgIcon::Exclamation) << name;
    }
    EXPECT_EQ(Rows(f.List()->model()), (QStringList{"speed", "Speed", " "}));
    SaveToGallery(&f.dialog, "html_filled");
    f.List()->setCurrentItem(f.List()->topLevelItem(1));
    f.Click({DeleteParam, DeleteParam});
    EXPECT_EQ(Rows(f.List()->model()), (QStringList{"speed", " "})) << "only the selected row goes";
    f.Click({ParamCheck});
    EXPECT_TRUE(f.dialog.Choices().params.isEmpty());

    f.Click({ParamCheck, UpperCase});  // the rows come back with the tick
    SetText(f.C(PageNameEdit), "Bar");
    SetText(f.C(TitleEdit), "My <Game>");
    SetText(f.C(WidthEdit), "640");
    f.dialog.show();
    f.Click({Generate});
    EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
    const QString page = f.Written("Bar.html");
    EXPECT_TRUE(page.contains("<TITLE>My &lt;Game&gt;</TITLE>\r\n")) << "the title as typed";
    EXPECT_TRUE(page.contains("<APPLET CODE = \"Foo.class\" WIDTH = \"640\" HEIGHT = \"300\">\r\n"))
        << page.toStdString();
    EXPECT_TRUE(page.contains("<PARAM NAME = \"speed\" VALUE = \"10\">\r\n<PARAM NAME = \" \" VALUE = \" \">\r\n"));
    EXPECT_EQ(f.user.messages.back().text, "Bar.htmlを作成しました。");
}

// A size is a whole number from 1 to 10000; anything else names its field and the range, and nothing is written.
TEST(HtmlDialog, SizesTakeOneToTenThousandAndAnEmptyPageNameClosesWithoutWriting)
{
    Html f;
    SetText(f.C(WidthEdit), "");
    QTest::keyClicks(f.C(WidthEdit), "abc-1x");
    EXPECT_EQ(Text(f.C(WidthEdit)), "1") << "only digits can be typed";
    f.dialog.show();
    const std::tuple<int, const char*, const char*> cases[] = {{WidthEdit, "0", "横幅"},
                                                               {HeightEdit, "99999999999", "高さ"},
                                                               {HeightEdit, "", "高さ"},
                                                               {WidthEdit, "10001", "横幅"}};
    for (const auto& [edit, text, field] : cases) {
        SetText(f.C(WidthEdit), "10000");
        SetText(f.C(HeightEdit), "1");
        SetText(f.C(edit), text);
        f.Click({Generate});
        EXPECT_TRUE(f.dialog.isVisible()) << text;
        EXPECT_EQ(f.user.messages.back().text, QString(field) + "には 1 から 10000 までの整数を入力してください。");
    }
    SetText(f.C(WidthEdit), "10000");
    SetText(f.C(HeightEdit), "1");
    SetText(f.C(PageNameEdit), "");
    f.Click({Generate});
    EXPECT_TRUE(!f.dialog.isVisible() && f.dialog.result() == QDialog::Rejected);
    EXPECT_EQ(f.user.messages.back().text, "ファイル名を入力して下さい");
    EXPECT_TRUE(QDir(f.folder.Path()).isEmpty());
}

// A long name or value shows whole: its column grows and the list scrolls sideways.
TEST(HtmlDialog, ParameterColumnsShowWholeTexts)
{
    Html f;
    f.Click({ParamCheck});
    f.AddParam("address", "https://www.example.com/applets/data/values.txt");
    f.dialog.show();
    const QFontMetrics metrics(f.List()->font());
    for (int column : {0, 1})
        EXPECT_GT(f.List()->columnWidth(column), metrics.horizontalAdvance(f.List()->topLevelItem(0)->text(column)))
            << column;
}

}  // namespace
