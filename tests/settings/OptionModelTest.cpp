#include "settings/OptionModel.h"
#include "settings/IniDocument.h"
#include "tests/settings/OptionValues.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace settings;

namespace {

TEST(OptionModel, OptionStringsAreBuiltFromTheStoredOptions)
{
    const struct {
        const char *name, *ini, *java, *javaArgs, *javac, *javah, *rmic;
    } cases[] = {{"no file", "", "-classpath . ", "", "-classpath . ", "-classpath . ", "-classpath . "},
                 {"java class path and option",
                  "[JavaOption]\r\nClassPath=true\r\nStrClassPath=lib/x.jar\r\nOption=true\r\nStrOption=-verbose\r\n"
                  "Arg=true\r\nStrArg=a1 a2\r\n",
                  "-classpath .:lib/x.jar -verbose ", "a1 a2", "-classpath . ", "-classpath . ", "-classpath . "},
                 {"texts ignored while switched off",
                  "[JavaOption]\r\nStrClassPath=lib/x.jar\r\nStrOption=-verbose\r\nStrArg=a1\r\n"
                  "[JavacOption]\r\nStrOther=-g\r\n",
                  "-classpath . ", "", "-classpath . ", "-classpath . ", "-classpath . "},
                 {"empty class path", "[JavacOption]\r\nClassPath=true\r\n", "-classpath . ", "",
                  "-classpath .: ", "-classpath . ", "-classpath . "},
                 {"javac switches",
                  "[JavacOption]\r\nO=true\r\nNowarn=1\r\nDeprecation=true\r\nOther=true\r\nStrOther=-g\r\n",
                  "-classpath . ", "", "-classpath . -O -nowarn -deprecation -g ", "-classpath . ", "-classpath . "},
                 {"javah and hand-written rmic",
                  "[JavahOption]\r\nClassPath=true\r\nStrClassPath=a;b\r\nOption=true\r\nStrOption=-jni\r\n"
                  "[JavaRmiOption]\r\nClassPath=true\r\nStrClassPath=r\r\nOption=true\r\nStrOption=-v1.2\r\n",
                  "-classpath . ", "", "-classpath . ", "-classpath .:a:b -jni ", "-classpath .:r -v1.2 "}};
    for (const auto& c : cases) {
        SettingsSandbox sandbox;
        sandbox.WriteIni(c.ini);
        const OptionModel model;
        EXPECT_EQ(QStringList({model.JavaOptions(), model.JavaArgs(), model.JavacOptions(), model.JavahOptions(),
                               model.RmicOptions()}),
                  QStringList({c.java, c.javaArgs, c.javac, c.javah, c.rmic}))
            << c.name;
    }
}

// A file that does not name the option yet starts with capturing on; a stored choice stays.
TEST(OptionModel, CapturesOutputUnlessTheFileSaysOtherwise)
{
    const std::pair<const char*, bool> cases[] = {{"", true},
                                                  {"[JavaOption]\r\nShowDos=false\r\n", true},
                                                  {"[JavaOption]\r\nMsg=true\r\n", true},
                                                  {"[JavaOption]\r\nMsg=false\r\n", false},
                                                  {"[javaoption]\r\nmsg=0\r\n", false}};
    for (const auto& [ini, capture] : cases) {
        SettingsSandbox sandbox;
        sandbox.WriteIni(ini);
        EXPECT_EQ(OptionModel().IsCaptureOutput(), capture) << ini;
    }
}

TEST(OptionModel, MissingApplicationsAreReportedInOrderAndStoredOff)
{
    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    const QString editor = sandbox.Folder().Write("editor");
    OptionModel model;
    StoredOptions shown;
    shown.useJava = true;
    shown.appJava = "/no/such/editor";
    shown.useHtml = true;
    shown.appHtml = editor;
    shown.useLink = true;
    shown.appLink = "/no/such/index.html";
    QObject owner;
    EXPECT_TRUE(model.Save(shown, &owner));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Javaエディター選択...\n\"/no/such/editor\"は存在しません。"));
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Javaドキュメント選択...\n\"/no/such/index.html\"は存在しません。"));
    for (const RecordedMessage& m : dialogs.messages)
        EXPECT_EQ(std::tuple(m.caption, m.icon, m.buttons, m.owner),
                  std::tuple(QString("設定エラー"), platform::MsgIcon::Exclamation, platform::MsgButtons::Ok, &owner));
    const IniDocument ini = IniDocument::FromBytes(sandbox.IniBytes());
    for (const auto& [key, value] :
         {std::pair("UseJava", "false"), {"AppJava", "/no/such/editor"}, {"UseHTML", "true"}, {"UseLink", "false"}})
        EXPECT_EQ(ini.Value("AppOption", key), value) << key;
    EXPECT_EQ(model.JavaEditor(), std::nullopt);
    EXPECT_EQ(model.HtmlEditor(), editor);
    QFile::remove(editor);  // checked anew on every call
    EXPECT_EQ(model.HtmlEditor(), std::nullopt);
    model.Load();
    EXPECT_FALSE(model.Stored().useJava);
}

// OK writes every option that has a control; the hand-edited ones keep the file's values.
TEST(OptionModel, EveryOptionReadsBackWhatOkSaved)
{
    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    const QString application = sandbox.Folder().Write("app");
    const StoredOptions hand = EveryOption("hand", false, application);
    const StoredOptions shown = EveryOption("値", true, application);
    WriteEveryOption(hand);
    const QStringList expected = SavedTexts(shown, hand);
    QSet<QString> keys;
    QSet<int> controls;
    for (const OptionRow& row : OptionRows()) {
        keys << (row.key.section + QLatin1Char('/') + row.key.name).toCaseFolded();
        controls << row.control;
    }
    EXPECT_EQ(keys.size(), expected.size()) << "a key of two options";
    EXPECT_EQ(controls.size(), expected.size() - 3) << "a control of two options";  // the 4 rmic options have 0
    OptionModel model;
    EXPECT_EQ(OptionTexts(model.Stored()), OptionTexts(hand));
    EXPECT_FALSE(model.Save(shown, nullptr));
    EXPECT_EQ(OptionTexts(model.Stored()), expected);
    EXPECT_EQ(OptionTexts(OptionModel().Stored()), expected);
    EXPECT_TRUE(dialogs.messages.empty());
}

// Each attempt to rewrite the file takes the lock and, failing here, is reported once.
TEST(OptionModel, OkRewritesTheFileOnce)
{
    SettingsSandbox sandbox;
    ASSERT_TRUE(QDir().mkpath(sandbox.IniPath()));  // a folder in the file's place: every rewrite fails
    int writes = 0;
    SettingFile::SetWriteFailureHandler([&writes](const QString&, const QString&) { ++writes; });
    OptionModel().Save(StoredOptions{}, nullptr);
    SettingFile::SetWriteFailureHandler({});
    EXPECT_EQ(writes, 1);
}

}  // namespace
