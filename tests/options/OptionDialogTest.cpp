#include "settings/COptionDialog.h"
#include "settings/CSettingFile.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

const std::vector<std::vector<int>> kPageControls = {
    {1090, 1091, 1092, 1093, 1052, 1134, 1120, 1121, 1108, 1122},
    {1094, 1117, 1095, 1118, 1096, 1119, 1097, 1099, 1135, 1136},
    {1137, 1138},
    {1124, 1125, 1001, 1127, 1128, 1003, 1129, 1130, 1004, 1131, 1132, 1005},
};

const std::pair<int, int> kSwitches[] = {{1090, 1091}, {1092, 1093}, {1052, 1134},
                                          {1135, 1136}, {1097, 1099}, {1137, 1138}};

class OptionDialog : public ::testing::Test {
protected:
    template <class T = QWidget>
    T* Get(int id) const
    {
        T* control = dialog.findChild<T*>(ControlObjectName(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    QString Ini(const char* section, const char* key) const
    {
        return CSettingFile().GetString(QString::fromUtf8(section), QString::fromUtf8(key), QStringLiteral("<none>"));
    }
    void ClickOk() { Get<QPushButton>(1)->click(); }

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
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("オプション設定"));
    auto* tab = Get<QTabWidget>(1116);
    EXPECT_EQ(tab->geometry(), QRect(7, 7, 429, 309));
    const QStringList labels{"実行(java)", "コンパイル(javac)", "ヘッダー(javah)", "関連付け"};
    ASSERT_EQ(tab->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tab->tabText(i), labels[i]);
    const std::pair<int, QPoint> positions[] = {{1, {10, 323}}, {2, {100, 323}}, {1090, {20, 40}},
                                                {1122, {40, 230}}, {1099, {30, 220}}, {1136, {30, 180}},
                                                {1138, {30, 60}}, {1001, {360, 58}}, {1132, {30, 210}}};
    for (const auto& [id, position] : positions)
        EXPECT_EQ(Get(id)->pos(), position) << id;
    // Page controls are the dialog's own children and fit inside the tab.
    const QRect inside = tab->geometry().adjusted(1, 1, -1, -1);
    for (const auto& page : kPageControls) {
        for (int id : page) {
            EXPECT_EQ(Get(id)->parentWidget(), &dialog) << id;
            EXPECT_TRUE(inside.contains(Get(id)->geometry())) << id;
        }
    }
    EXPECT_TRUE(QRect(QPoint(0, 0), dialog.size()).contains(Get(2)->geometry()));
    EXPECT_EQ(Get<QCheckBox>(1052)->text(), QStringLiteral("実行時のクラスパスを追加(複数ある場合は ； で区切る)"));
    EXPECT_EQ(Get<QLabel>(1122)->text(), QStringLiteral("出力結果を取得すると、次のことができなくなります。\n"
                                                        "\u3000DOSプロンプトへの文字の出力\n"
                                                        "\u3000DOSプロンプトへのキーボード入力"));
}

TEST_F(OptionDialog, ShowsOnlyTheSelectedPageAndStartsOnTheFirst)
{
    dialog.show();
    auto* tab = Get<QTabWidget>(1116);
    for (int selected : {1, 2, 3, 0, 3}) {
        tab->setCurrentIndex(selected);
        for (int page = 0; page < 4; ++page) {
            for (int id : kPageControls[page])
                EXPECT_EQ(Get(id)->isVisible(), page == selected) << "page " << selected << " control " << id;
        }
        EXPECT_FALSE(Get(1140)->isVisible());
        EXPECT_FALSE(Get(1141)->isVisible());
    }
    dialog.hide();
    dialog.show();
    EXPECT_EQ(tab->currentIndex(), 0);
    EXPECT_TRUE(Get(1090)->isVisible());
    EXPECT_FALSE(Get(1125)->isVisible());
}

TEST_F(OptionDialog, CheckBoxesEnableTheirEditsAndKeepTheText)
{
    dialog.show();
    for (const auto& [checkId, editId] : kSwitches) {
        auto* check = Get<QCheckBox>(checkId);
        auto* edit = Get<QLineEdit>(editId);
        EXPECT_FALSE(edit->isEnabled()) << editId;
        check->click();
        EXPECT_TRUE(edit->isEnabled()) << editId;
        edit->setText(QStringLiteral("kept"));
        check->click();
        EXPECT_FALSE(edit->isEnabled()) << editId;
        EXPECT_EQ(edit->text(), QStringLiteral("kept"));
    }
    // The last page's boxes have no effect on their rows.
    Get<QTabWidget>(1116)->setCurrentIndex(3);
    for (int id : {1124, 1127, 1129, 1131}) {
        Get<QCheckBox>(id)->click();
        Get<QCheckBox>(id)->click();
    }
    for (int id : {1125, 1001, 1128, 1003, 1130, 1004, 1132, 1005})
        EXPECT_TRUE(Get(id)->isEnabled()) << id;
}

TEST_F(OptionDialog, CaptureBoxIsEnabledOnlyWhenThePromptCloses)
{
    dialog.show();
    auto* capture = Get<QCheckBox>(1108);
    EXPECT_TRUE(Get<QRadioButton>(1121)->isChecked());
    EXPECT_TRUE(capture->isEnabled());
    capture->click();
    Get<QRadioButton>(1120)->click();
    EXPECT_FALSE(capture->isEnabled());
    EXPECT_TRUE(capture->isChecked());
    ClickOk();
    EXPECT_EQ(Ini("JavaOption", "Msg"), QStringLiteral("true"));
    EXPECT_EQ(Ini("JavaOption", "ShowDos"), QStringLiteral("true"));
}

TEST_F(OptionDialog, EveryShowingStartsFromTheSettingsFile)
{
    sandbox.WriteIni("[JavaOption]\r\nOption=true\r\nStrOption=-verbose\r\nStrArg=a b\r\nShowDos=true\r\nMsg=1\r\n"
                     "[JavacOption]\r\nNowarn=true\r\nOther=true\r\nStrOther=-g\r\n"
                     "[AppOption]\r\nUseHTML=true\r\nAppHTML=/opt/html-editor\r\n");
    dialog.show();
    EXPECT_TRUE(Get<QCheckBox>(1090)->isChecked());
    EXPECT_EQ(Get<QLineEdit>(1091)->text(), QStringLiteral("-verbose"));
    EXPECT_TRUE(Get(1091)->isEnabled());
    EXPECT_FALSE(Get<QCheckBox>(1092)->isChecked());
    EXPECT_EQ(Get<QLineEdit>(1093)->text(), QStringLiteral("a b"));
    EXPECT_FALSE(Get(1093)->isEnabled());
    EXPECT_TRUE(Get<QRadioButton>(1120)->isChecked());
    EXPECT_TRUE(Get<QCheckBox>(1108)->isChecked());
    EXPECT_FALSE(Get(1108)->isEnabled());
    EXPECT_TRUE(Get<QCheckBox>(1095)->isChecked());
    EXPECT_FALSE(Get<QCheckBox>(1094)->isChecked());
    EXPECT_EQ(Get<QLineEdit>(1099)->text(), QStringLiteral("-g"));
    EXPECT_TRUE(Get<QCheckBox>(1127)->isChecked());
    EXPECT_EQ(Get<QLineEdit>(1128)->text(), QStringLiteral("/opt/html-editor"));

    // Edited while the dialog is closed: the next showing shows the new values.
    dialog.hide();
    Get<QLineEdit>(1091)->setText(QStringLiteral("typed, never saved"));
    sandbox.WriteIni("[JavaOption]\r\nStrOption=-Xmx1g\r\n");
    dialog.show();
    EXPECT_FALSE(Get<QCheckBox>(1090)->isChecked());
    EXPECT_EQ(Get<QLineEdit>(1091)->text(), QStringLiteral("-Xmx1g"));
    EXPECT_TRUE(Get<QRadioButton>(1121)->isChecked());
    EXPECT_TRUE(Get(1108)->isEnabled());
    EXPECT_FALSE(Get<QCheckBox>(1127)->isChecked());
}

TEST_F(OptionDialog, OkWritesEveryControlToItsKeyInOrder)
{
    const QString editor = apps.Write(QStringLiteral("editor"));
    const QString html = apps.Write(QStringLiteral("html"));
    const QString browser = apps.Write(QStringLiteral("browser"));
    const QString document = apps.Write(QStringLiteral("doc.html"));
    dialog.show();
    for (int id : {1090, 1052, 1108, 1094, 1096, 1097, 1137, 1124, 1129, 1131})
        Get<QCheckBox>(id)->click();
    const std::pair<int, QString> texts[] = {
        {1091, "-verbose"}, {1093, "a1 a2"}, {1134, "lib/x.jar;lib/y.jar"}, {1136, "cp/javac"},
        {1099, "-g"}, {1138, "cp/javah"}, {1125, editor}, {1128, html}, {1130, browser}, {1132, document}};
    for (const auto& [id, text] : texts)
        Get<QLineEdit>(id)->setText(text);
    ClickOk();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const QString expected = QStringLiteral(
        "[JavaOption]\r\nOption=true\r\nStrOption=-verbose\r\nArg=false\r\nStrArg=a1 a2\r\n"
        "ClassPath=true\r\nStrClassPath=lib/x.jar;lib/y.jar\r\nMsg=true\r\nShowDos=false\r\n"
        "[JavacOption]\r\nO=true\r\nNowarn=false\r\nDeprecation=true\r\nClassPath=false\r\n"
        "StrClassPath=cp/javac\r\nOther=true\r\nStrOther=-g\r\n"
        "[JavahOption]\r\nClassPath=true\r\nStrClassPath=cp/javah\r\nOption=false\r\nStrOption=\r\n"
        "[AppOption]\r\nUseJava=true\r\nAppJava=%1\r\nUseHTML=false\r\nAppHTML=%2\r\n"
        "UseIE=true\r\nAppIE=%3\r\nUseLink=true\r\nAppLink=%4\r\n").arg(editor, html, browser, document);
    EXPECT_EQ(QString::fromUtf8(sandbox.IniBytes()), expected);
    EXPECT_EQ(model.GetJavaOptions(), QStringLiteral("-classpath .;lib/x.jar;lib/y.jar -verbose "));
}

struct FailingCase {
    const char* name;
    std::vector<int> missingRows;  // indexes into the application rows
    std::vector<const char*> labels;
};

class OptionDialogErrors : public OptionDialog, public ::testing::WithParamInterface<FailingCase> {};

TEST_P(OptionDialogErrors, ReportMissingApplicationsAndStayOpen)
{
    struct Row { int check; int edit; const char* use; const char* app; };
    const Row rows[] = {{1124, 1125, "UseJava", "AppJava"}, {1127, 1128, "UseHTML", "AppHTML"},
                        {1129, 1130, "UseIE", "AppIE"}, {1131, 1132, "UseLink", "AppLink"}};
    const FailingCase& c = GetParam();
    dialog.show();
    std::vector<QString> expectedTexts;
    for (int i = 0; i < 4; ++i) {
        const bool missing = std::find(c.missingRows.begin(), c.missingRows.end(), i) != c.missingRows.end();
        const QString path = missing ? apps.Path(QStringLiteral("gone%1").arg(i)) : apps.Write(QStringLiteral("app%1").arg(i));
        Get<QCheckBox>(rows[i].check)->click();
        Get<QLineEdit>(rows[i].edit)->setText(path);
        if (missing)
            expectedTexts.push_back(QString::fromUtf8(c.labels[expectedTexts.size()]) + QStringLiteral("\n\"") + path
                                    + QStringLiteral("\"は存在しません。"));
    }
    Get<QTabWidget>(1116)->setCurrentIndex(3);
    ClickOk();
    ASSERT_EQ(dialogs.messages.size(), expectedTexts.size());
    for (size_t i = 0; i < expectedTexts.size(); ++i) {
        EXPECT_EQ(dialogs.messages[i].text, expectedTexts[i]);
        EXPECT_EQ(dialogs.messages[i].caption, QStringLiteral("設定エラー"));
        EXPECT_EQ(dialogs.messages[i].icon, MsgIcon::Exclamation);
        EXPECT_EQ(dialogs.messages[i].owner, &dialog);
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Get<QTabWidget>(1116)->currentIndex(), 3);
    for (int i = 0; i < 4; ++i) {
        const bool missing = std::find(c.missingRows.begin(), c.missingRows.end(), i) != c.missingRows.end();
        EXPECT_EQ(Ini("AppOption", rows[i].use), missing ? QStringLiteral("false") : QStringLiteral("true")) << i;
        EXPECT_EQ(Ini("AppOption", rows[i].app), Get<QLineEdit>(rows[i].edit)->text()) << i;
    }
    EXPECT_EQ(Ini("JavaOption", "ShowDos"), QStringLiteral("false"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionDialogErrors,
    ::testing::Values(FailingCase{"editor", {0}, {"Javaエディター選択..."}},
                      FailingCase{"browser_and_document", {2, 3}, {"ブラウザ選択...", "Javaドキュメント選択..."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionDialog, CancelWritesNothing)
{
    const QByteArray ini = "[JavaOption]\r\nOption=true\r\nStrOption=-verbose\r\n";
    sandbox.WriteIni(ini);
    dialog.show();
    Get<QCheckBox>(1090)->click();
    Get<QLineEdit>(1093)->setText(QStringLiteral("changed"));
    Get<QPushButton>(2)->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(sandbox.IniBytes(), ini);
}

TEST_F(OptionDialog, HandWrittenJavahAndRmicOptionsSurviveOk)
{
    sandbox.WriteIni("[JavahOption]\r\nOption=true\r\nStrOption=-jni -force\r\n"
                     "[JavaRmiOption]\r\nClassPath=true\r\nStrClassPath=rmi/cp\r\nOption=1\r\nStrOption=-v1.2\r\n");
    for (int round = 0; round < 2; ++round) {
        dialog.show();
        Get<QCheckBox>(1137)->click();
        ClickOk();
        ASSERT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(Ini("JavahOption", "Option"), QStringLiteral("true"));
    EXPECT_EQ(Ini("JavahOption", "StrOption"), QStringLiteral("-jni -force"));
    EXPECT_EQ(Ini("JavaRmiOption", "Option"), QStringLiteral("1"));
    EXPECT_EQ(Ini("JavaRmiOption", "StrOption"), QStringLiteral("-v1.2"));
    EXPECT_EQ(model.GetJavahOptions(), QStringLiteral("-classpath . -jni -force "));
    EXPECT_EQ(model.GetRmicOptions(), QStringLiteral("-classpath .;rmi/cp -v1.2 "));
}

TEST_F(OptionDialog, BrowseButtonsAskForAnExistingFile)
{
    struct Row { int button; int edit; int check; const char* title; const char* filter; };
    const Row rows[] = {
        {1001, 1125, 1124, "テキストエディタを選択", "テキストエディタ|*||"},
        {1003, 1128, 1127, "HTMLエディタを選択", "HTMLエディタ|*||"},
        {1004, 1130, 1129, "ブラウザを選択", "ブラウザ|*||"},
        {1005, 1132, 1131, "Javaドキュメントを選択",
         "Javaドキュメント(*.html)|*.html;*.htm|全てのファイル(*.*)|*.*||"},
    };
    dialog.show();
    for (const Row& row : rows) {
        auto* edit = Get<QLineEdit>(row.edit);
        edit->setText(QStringLiteral("/usr/bin/"));
        dialogs.files = {std::nullopt, QStringLiteral("/usr/bin/chosen")};
        Get<QPushButton>(row.button)->click();
        EXPECT_EQ(edit->text(), QStringLiteral("/usr/bin/")) << row.title;
        Get<QPushButton>(row.button)->click();
        EXPECT_EQ(edit->text(), QStringLiteral("/usr/bin/chosen")) << row.title;
        EXPECT_FALSE(Get<QCheckBox>(row.check)->isChecked());
        const FileDialogSpec& spec = dialogs.fileRequests.at(dialogs.fileRequests.size() - 2);
        EXPECT_EQ(spec.mode, FileDialogSpec::Mode::Open);
        EXPECT_EQ(spec.title, QString::fromUtf8(row.title));
        EXPECT_EQ(spec.filter, QString::fromUtf8(row.filter));
        EXPECT_EQ(spec.initialFolder, QStringLiteral("/usr/bin/"));
        EXPECT_TRUE(spec.mustExist);
        EXPECT_TRUE(spec.defaultSuffix.isEmpty());
        EXPECT_TRUE(spec.proposedName.isEmpty());
    }
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
        Get<QTabWidget>(1116)->setCurrentIndex(page);
        EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("options_page%1.png").arg(page)));
    }
}

}  // namespace
