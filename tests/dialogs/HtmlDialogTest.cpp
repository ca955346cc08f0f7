#include "dialogs/CHtmlDialog.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QDir>
#include <QLineEdit>
#include <QTreeWidget>
#include <QValidator>
#include <gtest/gtest.h>

namespace {

const Ids kOpenIds = {1, 2, 1000, 1002, 1010, 1011, 1109, 1111};
const Ids kParamIds = {1001, 1003, 1110, 1112, 1113, 1114, 1115};

struct Html : DialogUnderTest<CHtmlDialog, 129> {
    Html() { dialog.SetPageDefaults("Foo", folder.Path(), "FooApplet", 400, 300); }
    QTreeWidget* Params() const { return qobject_cast<QTreeWidget*>(C(1110)); }
    void AddParam(const QString& name, const QString& value)
    {
        SetText(C(1112), name);
        SetText(C(1113), value);
        Click(C(1001));
    }
    bool Refused() const { return dialog.isVisible() && QDir(folder.Path()).isEmpty(); }
};

TEST(HtmlDialog, ParametersNeedTextAndUniqueNamesAndCountOnlyWhileTicked)
{
    Html f;
    EXPECT_EQ(f.Enabled(), kOpenIds);
    Click(f.C(1111));
    EXPECT_EQ(f.Enabled(), kOpenIds + kParamIds);
    const char* const blank = "空白の文字列は使用できません。";
    const char* const twice = "同じ引数名は使用できません。";
    struct Step {
        const char *name, *value, *message;
    };
    for (const Step& s : {Step{"", "10", blank}, Step{"speed", "", blank}, Step{"speed", "10", nullptr},
                          Step{"speed", "20", twice}, Step{"Speed", "20", nullptr}, Step{" ", " ", nullptr}}) {
        f.user.messages.clear();
        f.AddParam(s.name, s.value);
        ASSERT_EQ(f.user.messages.size(), s.message ? 1u : 0u) << s.name << "/" << s.value;
        if (s.message) {
            const RecordedMessage& m = f.user.messages[0];
            EXPECT_EQ(m.text, QString::fromUtf8(s.message));
            EXPECT_TRUE(m.caption == "確認" && m.icon == MsgIcon::Exclamation);
        }
    }
    EXPECT_EQ(Rows(f.Params()->model()), (QStringList{"speed", "Speed", " "}));
    f.Params()->setCurrentItem(f.Params()->topLevelItem(1));
    Click(f.C(1003));
    Click(f.C(1003));
    EXPECT_EQ(Rows(f.Params()->model()), (QStringList{"speed", " "})) << "only the selected row goes";
    Click(f.C(1111));
    EXPECT_EQ(f.Enabled(), kOpenIds);
    EXPECT_TRUE(f.dialog.Choices().params.isEmpty());
    Click(f.C(1111));
    EXPECT_EQ(f.dialog.Choices().params.size(), 2) << "the rows stay for a later tick";
}

TEST(HtmlDialog, SizesMustBeWholeNumbersAndAnEmptyNameCloses)
{
    for (const auto& [text, whole] : {std::pair<QString, bool>{"abc", false}, {"1.5", false}, {"-20", true}}) {
        Html f;
        QString s = text;
        int pos = 0;
        EXPECT_EQ(qobject_cast<QLineEdit*>(f.C(1010))->validator()->validate(s, pos) == QValidator::Acceptable, whole);
    }
    for (const char* partial : {"", "-"}) {  // what the validator lets through while typing
        Html f;
        SetText(f.C(1011), partial);
        f.dialog.show();
        Click(f.C(1));
        EXPECT_TRUE(f.Refused()) << partial;
        EXPECT_EQ(f.user.messages.at(0).caption, "確認");
    }
    Html f;
    SetText(f.C(1000), "");
    f.dialog.show();
    Click(f.C(1));
    EXPECT_TRUE(f.dialog.result() == QDialog::Rejected && !f.dialog.isVisible());
    EXPECT_EQ(f.user.messages.at(0).text, "ファイル名を入力して下さい");
    EXPECT_TRUE(QDir(f.folder.Path()).isEmpty());
}

TEST(HtmlDialog, RenamedPageKeepsItsAppletAndDeclinedOverwriteKeepsTheDialog)
{
    Html f;
    f.folder.Write("Bar.html", "old");
    SetText(f.C(1000), "Bar");
    SetText(f.C(1010), "-5");
    Click(f.C(1109));
    Click(f.C(1111));
    f.AddParam("speed", "10");
    f.user.answers = {MsgAnswer::No, MsgAnswer::Yes};
    f.dialog.show();
    Click(f.C(1));
    EXPECT_TRUE(f.dialog.isVisible());
    EXPECT_EQ(f.Written("Bar.html"), "old");
    EXPECT_EQ(f.user.messages.at(0).text, f.folder.Path("Bar.html") + "はすでに存在します。\n上書きしますか？");

    Click(f.C(1));
    EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
    const QString page = f.Written("Bar.html");
    EXPECT_TRUE(page.contains("<TITLE>BarApplet</TITLE>\r\n")) << page.toStdString();
    EXPECT_TRUE(page.contains("<APPLET CODE = \"Foo.class\" WIDTH = \"-5\" HEIGHT = \"300\">\r\n"));
    EXPECT_TRUE(page.contains("<PARAM NAME = \"speed\" VALUE = \"10\">\r\n"));
    EXPECT_EQ(f.user.messages.at(2).text, "Bar.htmlを作成しました。");
}

}  // namespace
