#include "settings/COptionModel.h"
#include "settings/IniDocument.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {

struct OptionStringsCase {
    const char* name;
    const char* ini;
    const char* java;
    const char* javaArgs;
    const char* javac;
    const char* javah;
    const char* rmic;
};

class OptionStrings : public ::testing::TestWithParam<OptionStringsCase> {};

TEST_P(OptionStrings, AreBuiltFromTheStoredOptions)
{
    const OptionStringsCase& c = GetParam();
    SettingsSandbox sandbox;
    sandbox.WriteIni(c.ini);
    const COptionModel model;
    EXPECT_EQ(model.GetJavaOptions(), QString::fromUtf8(c.java)) << c.name;
    EXPECT_EQ(model.GetJavaArgs(), QString::fromUtf8(c.javaArgs)) << c.name;
    EXPECT_EQ(model.GetJavacOptions(), QString::fromUtf8(c.javac)) << c.name;
    EXPECT_EQ(model.GetJavahOptions(), QString::fromUtf8(c.javah)) << c.name;
    EXPECT_EQ(model.GetRmicOptions(), QString::fromUtf8(c.rmic)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionStrings,
    ::testing::Values(
        OptionStringsCase{"no file", "", "-classpath . ", "", "-classpath . ", "-classpath . ", "-classpath . "},
        OptionStringsCase{
            "java class path and option",
            "[JavaOption]\r\nClassPath=true\r\nStrClassPath=lib/x.jar\r\nOption=true\r\nStrOption=-verbose\r\n"
            "Arg=true\r\nStrArg=a1 a2\r\n",
            "-classpath .:lib/x.jar -verbose ", "a1 a2", "-classpath . ", "-classpath . ", "-classpath . "},
        OptionStringsCase{"texts ignored while switched off",
                          "[JavaOption]\r\nStrClassPath=lib/x.jar\r\nStrOption=-verbose\r\nStrArg=a1\r\n"
                          "[JavacOption]\r\nStrOther=-g\r\n",
                          "-classpath . ", "", "-classpath . ", "-classpath . ", "-classpath . "},
        OptionStringsCase{"empty class path", "[JavacOption]\r\nClassPath=true\r\n", "-classpath . ", "",
                          "-classpath .: ", "-classpath . ", "-classpath . "},
        OptionStringsCase{"javac switches",
                          "[JavacOption]\r\nO=true\r\nNowarn=1\r\nDeprecation=true\r\nOther=true\r\nStrOther=-g\r\n",
                          "-classpath . ", "", "-classpath . -O -nowarn -deprecation -g ", "-classpath . ",
                          "-classpath . "},
        OptionStringsCase{"javah and hand-written rmic",
                          "[JavahOption]\r\nClassPath=true\r\nStrClassPath=a;b\r\nOption=true\r\nStrOption=-jni\r\n"
                          "[JavaRmiOption]\r\nClassPath=true\r\nStrClassPath=r\r\nOption=true\r\nStrOption=-v1.2\r\n",
                          "-classpath . ", "", "-classpath . ", "-classpath .:a:b -jni ", "-classpath .:r -v1.2 "}));

TEST(OptionModel, SaveWritesEveryShownOptionInOrder)
{
    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    COptionModel model;
    StoredOptions shown;
    shown.javaStrOption = QStringLiteral("-Xmx1g");  // switch off: the text is still kept
    shown.javacO = true;
    shown.javahStrOption = QStringLiteral("-jni");
    EXPECT_FALSE(model.Save(shown, nullptr));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(sandbox.IniBytes(),
              QByteArray("[JavaOption]\r\nOption=false\r\nStrOption=-Xmx1g\r\nArg=false\r\nStrArg=\r\n"
                         "ClassPath=false\r\nStrClassPath=\r\nMsg=false\r\nShowDos=false\r\n"
                         "[JavacOption]\r\nO=true\r\nNowarn=false\r\nDeprecation=false\r\nClassPath=false\r\n"
                         "StrClassPath=\r\nOther=false\r\nStrOther=\r\n"
                         "[JavahOption]\r\nClassPath=false\r\nStrClassPath=\r\nOption=false\r\nStrOption=-jni\r\n"
                         "[AppOption]\r\nUseJava=false\r\nAppJava=\r\nUseHTML=false\r\nAppHTML=\r\n"
                         "UseIE=false\r\nAppIE=\r\nUseLink=false\r\nAppLink=\r\n"));
    EXPECT_EQ(model.GetJavacOptions(), QStringLiteral("-classpath . -O "));
}

TEST(OptionModel, MissingApplicationsAreReportedInOrderAndStoredOff)
{
    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    const QString editor = sandbox.Folder().Write(QStringLiteral("editor"));
    COptionModel model;
    StoredOptions shown;
    shown.useJava = true;
    shown.appJava = QStringLiteral("/no/such/editor");
    shown.useHtml = true;
    shown.appHtml = editor;
    shown.useLink = true;
    shown.appLink = QStringLiteral("/no/such/index.html");
    QObject owner;
    EXPECT_TRUE(model.Save(shown, &owner));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Javaエディター選択...\n\"/no/such/editor\"は存在しません。"));
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Javaドキュメント選択...\n\"/no/such/index.html\"は存在しません。"));
    for (const RecordedMessage& m : dialogs.messages) {
        EXPECT_EQ(m.caption, QStringLiteral("設定エラー"));
        EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
        EXPECT_EQ(m.buttons, platform::MsgButtons::Ok);
        EXPECT_EQ(m.owner, &owner);
    }
    const IniDocument ini = IniDocument::FromBytes(sandbox.IniBytes());
    const QString app = QStringLiteral("AppOption");
    EXPECT_EQ(ini.Value(app, QStringLiteral("UseJava")), QStringLiteral("false"));
    EXPECT_EQ(ini.Value(app, QStringLiteral("AppJava")), QStringLiteral("/no/such/editor"));
    EXPECT_EQ(ini.Value(app, QStringLiteral("UseHTML")), QStringLiteral("true"));
    EXPECT_EQ(ini.Value(app, QStringLiteral("UseLink")), QStringLiteral("false"));
    QString out = QStringLiteral("untouched");
    EXPECT_FALSE(model.GetJavaEditor(out));
    EXPECT_EQ(out, QStringLiteral("untouched"));
    EXPECT_TRUE(model.GetHtmlEditor(out));
    EXPECT_EQ(out, editor);
    QFile::remove(editor);  // checked anew on every call
    EXPECT_FALSE(model.GetHtmlEditor(out));
    // The next load sees the stored switch as off.
    model.Load();
    EXPECT_FALSE(model.Stored().useJava);
}

TEST(OptionModel, HandWrittenRmiOptionsSurviveSave)
{
    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    sandbox.WriteIni("[JavaRmiOption]\r\nOption=true\r\nStrOption=-keep\r\n");
    COptionModel model;
    model.Save(StoredOptions{}, nullptr);
    model.Save(StoredOptions{}, nullptr);
    EXPECT_TRUE(sandbox.IniBytes().startsWith("[JavaRmiOption]\r\nOption=true\r\nStrOption=-keep\r\n"));
    EXPECT_EQ(model.GetRmicOptions(), QStringLiteral("-classpath . -keep "));
}

}  // namespace
