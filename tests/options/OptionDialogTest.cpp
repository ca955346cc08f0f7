#include "settings/COptionDialog.h"
#include "settings/CSettingFile.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

const std::vector<std::vector<int>> kPages = {
    {1090, 1091, 1092, 1093, 1052, 1134, 1120, 1121, 1108, 1122},
    {1094, 1117, 1095, 1118, 1096, 1119, 1097, 1099, 1135, 1136},
    {1137, 1138},
    {1124, 1125, 1001, 1127, 1128, 1003, 1129, 1130, 1004, 1131, 1132, 1005},
};

class OptionDialog : public ::testing::Test {
protected:
    template <class T = QWidget>
    T* W(int id) const { return dialog.findChild<T*>(ControlObjectName(id)); }
    QLineEdit* Edit(int id) const { return W<QLineEdit>(id); }
    QAbstractButton* Button(int id) const { return W<QAbstractButton>(id); }
    QTabWidget* Tab() const { return W<QTabWidget>(1116); }
    QString Ini(const char* section, const char* key) const
    {
        return CSettingFile().GetString(QString::fromUtf8(section), QString::fromUtf8(key), QStringLiteral("-"));
    }

    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    TempFolder apps;
    COptionModel model;
    COptionDialog dialog{model};
};

TEST_F(OptionDialog, IsLaidOutAroundTheTabInPixels)
{
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(450, 350));
    EXPECT_EQ(Tab()->geometry(), QRect(7, 7, 429, 309));
    EXPECT_EQ(Tab()->tabText(3), QStringLiteral("関連付け"));
    const std::pair<int, QPoint> positions[] = {{1, {10, 323}}, {2, {100, 323}}, {1122, {40, 230}},
                                                {1099, {30, 220}}, {1136, {30, 180}}, {1001, {360, 58}}};
    for (const auto& [id, position] : positions)
        EXPECT_EQ(W(id)->pos(), position) << id;
    for (const auto& page : kPages) {
        for (int id : page) {
            EXPECT_EQ(W(id)->parentWidget(), &dialog) << id;
            EXPECT_TRUE(Tab()->geometry().contains(W(id)->geometry())) << id;
        }
    }
    EXPECT_EQ(W<QLabel>(1122)->text(), QStringLiteral("出力結果を取得すると、次のことができなくなります。\n"
                                                      "\u3000DOSプロンプトへの文字の出力\n\u3000DOSプロンプトへのキーボード入力"));
}

TEST_F(OptionDialog, ShowsOnlyTheSelectedPageAndStartsOnTheFirst)
{
    dialog.show();
    for (int selected : {1, 2, 3, 0}) {
        Tab()->setCurrentIndex(selected);
        for (int page = 0; page < 4; ++page)
            for (int id : kPages[page])
                EXPECT_EQ(W(id)->isVisible(), page == selected) << selected << " " << id;
        EXPECT_FALSE(W(1140)->isVisible() || W(1141)->isVisible());
    }
    Tab()->setCurrentIndex(2);
    dialog.hide();
    dialog.show();
    EXPECT_EQ(Tab()->currentIndex(), 0);
    EXPECT_TRUE(W(1090)->isVisible());
}

TEST_F(OptionDialog, EnablingRules)
{
    dialog.show();
    for (const auto& [check, edit] : {std::pair{1090, 1091}, {1092, 1093}, {1052, 1134}, {1135, 1136}, {1097, 1099}, {1137, 1138}}) {
        Button(check)->click();
        EXPECT_TRUE(Edit(edit)->isEnabled()) << edit;
        Edit(edit)->setText(QStringLiteral("kept"));
        Button(check)->click();
        EXPECT_FALSE(Edit(edit)->isEnabled()) << edit;
        EXPECT_EQ(Edit(edit)->text(), QStringLiteral("kept"));
    }
    Button(1108)->click();
    Button(1120)->click();
    EXPECT_FALSE(W(1108)->isEnabled());
    EXPECT_TRUE(Button(1108)->isChecked());
    Button(1121)->click();
    EXPECT_TRUE(W(1108)->isEnabled());
    for (int id : {1124, 1127, 1129, 1131})
        Button(id)->click();
    for (int id : {1125, 1001, 1128, 1003, 1130, 1004, 1132, 1005})
        EXPECT_TRUE(W(id)->isEnabled()) << id;
}

TEST_F(OptionDialog, EveryShowingStartsFromTheSettingsFile)
{
    sandbox.WriteIni("[JavaOption]\r\nOption=true\r\nStrOption=-verbose\r\nStrArg=a b\r\nShowDos=true\r\nMsg=1\r\n"
                     "[JavacOption]\r\nNowarn=true\r\nStrOther=-g\r\n[AppOption]\r\nUseHTML=true\r\nAppHTML=/opt/ed\r\n");
    dialog.show();
    for (int id : {1090, 1120, 1108, 1095, 1127})
        EXPECT_TRUE(Button(id)->isChecked()) << id;
    for (int id : {1092, 1121, 1094, 1097, 1124})
        EXPECT_FALSE(Button(id)->isChecked()) << id;
    EXPECT_EQ(QStringList({Edit(1091)->text(), Edit(1093)->text(), Edit(1099)->text(), Edit(1128)->text()}),
              QStringList({"-verbose", "a b", "-g", "/opt/ed"}));
    EXPECT_TRUE(Edit(1091)->isEnabled());
    EXPECT_FALSE(Edit(1093)->isEnabled() || Edit(1099)->isEnabled() || W(1108)->isEnabled());

    dialog.hide();
    Edit(1091)->setText(QStringLiteral("typed, never saved"));
    sandbox.WriteIni("[JavaOption]\r\nStrOption=-Xmx1g\r\n");
    dialog.show();
    EXPECT_FALSE(Button(1090)->isChecked() || Button(1127)->isChecked());
    EXPECT_EQ(Edit(1091)->text(), QStringLiteral("-Xmx1g"));
    EXPECT_TRUE(Button(1121)->isChecked() && W(1108)->isEnabled());
}

TEST_F(OptionDialog, OkWritesEveryControlToItsKeyInOrder)
{
    const QStringList paths{apps.Write("ed"), apps.Write("html"), apps.Write("browser"), apps.Write("doc.html")};
    dialog.show();
    for (int id : {1090, 1052, 1108, 1094, 1096, 1097, 1137, 1124, 1129, 1131})
        Button(id)->click();
    const int edits[] = {1091, 1093, 1134, 1136, 1099, 1138, 1125, 1128, 1130, 1132};
    const QStringList texts = QStringList{"-verbose", "a1 a2", "lib/x.jar;y.jar", "cp/c", "-g", "cp/h"} + paths;
    for (int i = 0; i < 10; ++i)
        Edit(edits[i])->setText(texts[i]);
    Button(1)->click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QString::fromUtf8(sandbox.IniBytes()),
              QStringLiteral("[JavaOption]\r\nOption=true\r\nStrOption=-verbose\r\nArg=false\r\nStrArg=a1 a2\r\n"
                             "ClassPath=true\r\nStrClassPath=lib/x.jar;y.jar\r\nMsg=true\r\nShowDos=false\r\n"
                             "[JavacOption]\r\nO=true\r\nNowarn=false\r\nDeprecation=true\r\nClassPath=false\r\n"
                             "StrClassPath=cp/c\r\nOther=true\r\nStrOther=-g\r\n"
                             "[JavahOption]\r\nClassPath=true\r\nStrClassPath=cp/h\r\nOption=false\r\nStrOption=\r\n"
                             "[AppOption]\r\nUseJava=true\r\nAppJava=%1\r\nUseHTML=false\r\nAppHTML=%2\r\n"
                             "UseIE=true\r\nAppIE=%3\r\nUseLink=true\r\nAppLink=%4\r\n")
                  .arg(paths[0], paths[1], paths[2], paths[3]));
}

TEST_F(OptionDialog, MissingApplicationsAreReportedAndTheDialogStaysOpen)
{
    dialog.show();
    Tab()->setCurrentIndex(3);
    const QString editor = apps.Write("ed");
    const std::pair<int, QString> rows[] = {{1124, editor}, {1127, editor}, {1129, apps.Path("gone")}, {1131, apps.Path("gone.html")}};
    for (const auto& [check, path] : rows) {
        Button(check)->click();
        Edit(check + 1)->setText(path);
    }
    Button(1)->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("ブラウザ選択...\n\"%1\"は存在しません。").arg(apps.Path("gone")));
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("Javaドキュメント選択...\n\"%1\"は存在しません。").arg(apps.Path("gone.html")));
    EXPECT_TRUE(dialogs.messages[1].caption == QStringLiteral("設定エラー") && dialogs.messages[1].owner == &dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Tab()->currentIndex(), 3);
    EXPECT_EQ(QStringList({Ini("AppOption", "UseHTML"), Ini("AppOption", "UseIE"), Ini("AppOption", "UseLink")}),
              QStringList({"true", "false", "false"}));
    EXPECT_EQ(Ini("AppOption", "AppLink"), apps.Path("gone.html"));
}

TEST_F(OptionDialog, CancelWritesNothingAndHandWrittenJavahAndRmicKeysSurviveOk)
{
    const QByteArray ini = "[JavahOption]\r\nOption=true\r\nStrOption=-jni\r\n"
                           "[JavaRmiOption]\r\nClassPath=true\r\nStrClassPath=rmi/cp\r\nOption=1\r\nStrOption=-v1.2\r\n";
    sandbox.WriteIni(ini);
    dialog.show();
    Button(1090)->click();
    Edit(1093)->setText(QStringLiteral("changed"));
    Button(2)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(sandbox.IniBytes(), ini);
    for (int round = 0; round < 2; ++round) {
        dialog.show();
        Button(1137)->click();
        Button(1)->click();
    }
    EXPECT_EQ(QStringList({Ini("JavahOption", "Option"), Ini("JavahOption", "StrOption"), Ini("JavaRmiOption", "Option")}),
              QStringList({"true", "-jni", "1"}));
    EXPECT_EQ(model.GetJavahOptions(), QStringLiteral("-classpath . -jni "));
    EXPECT_EQ(model.GetRmicOptions(), QStringLiteral("-classpath .:rmi/cp -v1.2 "));
}

TEST_F(OptionDialog, BrowseButtonsAskForAnExistingFileAndCancelKeepsTheEdit)
{
    struct Row { int button; int edit; const char* title; const char* filter; };
    const Row rows[] = {
        {1001, 1125, "テキストエディタを選択", "テキストエディタ|*||"},
        {1003, 1128, "HTMLエディタを選択", "HTMLエディタ|*||"},
        {1004, 1130, "ブラウザを選択", "ブラウザ|*||"},
        {1005, 1132, "Javaドキュメントを選択", "Javaドキュメント(*.html)|*.html;*.htm|全てのファイル(*.*)|*.*||"},
    };
    dialog.show();
    for (const Row& row : rows) {
        Edit(row.edit)->setText(QStringLiteral("/usr/bin/"));
        dialogs.files = {std::nullopt, QStringLiteral("/usr/bin/chosen")};
        Button(row.button)->click();
        EXPECT_EQ(Edit(row.edit)->text(), QStringLiteral("/usr/bin/")) << row.title;
        Button(row.button)->click();
        EXPECT_EQ(Edit(row.edit)->text(), QStringLiteral("/usr/bin/chosen")) << row.title;
        const FileDialogSpec& spec = dialogs.fileRequests.back();
        EXPECT_EQ(spec.mode, FileDialogSpec::Mode::Open);
        EXPECT_EQ(QStringList({spec.title, spec.filter, spec.initialFolder}),
                  QStringList({row.title, row.filter, "/usr/bin/"}));
        EXPECT_TRUE(spec.mustExist);
    }
    EXPECT_FALSE(Button(1124)->isChecked());
}

TEST_F(OptionDialog, GalleryShowsTheFourPages)
{
    sandbox.WriteIni("[JavaOption]\r\nOption=true\r\nStrOption=-verbose\r\nMsg=true\r\n"
                     "[JavacOption]\r\nDeprecation=true\r\nClassPath=true\r\nStrClassPath=lib/a.jar;lib/b.jar\r\n"
                     "[AppOption]\r\nUseJava=true\r\nAppJava=/usr/bin/gedit\r\n");
    dialog.show();
    const QString folder = qEnvironmentVariable("TW_BINARY_DIR") + QStringLiteral("/gallery/");
    QDir().mkpath(folder);
    for (int page = 0; page < 4; ++page) {
        Tab()->setCurrentIndex(page);
        EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("options_page%1.png").arg(page)));
    }
}

}  // namespace
