#include "runner/CToolCommands.h"
#include "settings/COptionDialog.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

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
    T* W(int id) const
    {
        return dialog.findChild<T*>(ControlObjectName(id));
    }
    QLineEdit* Edit(int id) const { return W<QLineEdit>(id); }
    void Click(std::initializer_list<int> ids) const
    {
        for (int id : ids)
            W<QAbstractButton>(id)->click();
    }
    // One character per control: '1' where it is checked (or enabled).
    QString Flags(std::initializer_list<int> ids, bool enabled = false) const
    {
        QString flags;
        for (int id : ids)
            flags += (enabled ? W(id)->isEnabled() : W<QAbstractButton>(id)->isChecked()) ? u'1' : u'0';
        return flags;
    }

    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    COptionModel model;
    COptionDialog dialog{model};
    QTabWidget* tab = W<QTabWidget>(1116);
};

TEST_F(OptionDialog, EachShowingLaysOutFourPagesFilledFromTheSettingsFile)
{
    sandbox.WriteIni("[JavaOption]\r\nOption=true\r\nStrOption=-v\r\nStrArg=a b\r\nShowDos=true\r\nMsg=1\r\n"
                     "[AppOption]\r\nUseHTML=true\r\nAppHTML=/opt/ed\r\n");
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(450, 350));
    EXPECT_EQ(tab->geometry(), QRect(7, 7, 429, 309));
    EXPECT_EQ(tab->tabText(1) + tab->tabText(3), QStringLiteral("コンパイル(javac)関連付け"));
    for (const auto& [id, position] : {std::pair{2, QPoint(100, 323)}, {1001, {360, 58}}})
        EXPECT_EQ(W(id)->pos(), position) << id;
    EXPECT_EQ(W<QLabel>(1122)->text(),
              QStringLiteral("出力結果を取得すると、次のことができなくなります。\n"
                             "\u3000DOSプロンプトへの文字の出力\n\u3000DOSプロンプトへのキーボード入力"));
    EXPECT_EQ(Flags({1090, 1120, 1108, 1127, 1092, 1121}) + Flags({1091, 1093, 1108, 1128}, true),
              QStringLiteral("1111001001"));
    EXPECT_EQ(Edit(1093)->text() + Edit(1128)->text(), QStringLiteral("a b/opt/ed"));
    const QString gallery = qEnvironmentVariable("TW_BINARY_DIR") + QStringLiteral("/gallery/");
    QDir().mkpath(gallery);
    for (int selected : {1, 2, 3, 0}) {
        tab->setCurrentIndex(selected);
        for (int page = 0; page < 4; ++page)
            for (int id : kPages[page])  // siblings of the tab, over its display area
                EXPECT_TRUE(W(id)->isVisible() == (page == selected) && W(id)->parentWidget() == &dialog
                            && tab->geometry().contains(W(id)->geometry()))
                    << selected << " " << id;
        EXPECT_FALSE(W(1140)->isVisible() || W(1141)->isVisible());
        EXPECT_TRUE(dialog.grab().save(gallery + QStringLiteral("options_page%1.png").arg(selected)));
    }
    tab->setCurrentIndex(2);
    dialog.hide();
    sandbox.WriteIni("[JavaOption]\r\nStrOption=-Xmx1g\r\n");
    dialog.show();
    EXPECT_EQ(Flags({1090, 1127, 1121}) + Flags({1108}, true), QStringLiteral("0011"));
    EXPECT_TRUE(Edit(1091)->text() == QStringLiteral("-Xmx1g") && tab->currentIndex() == 0 && W(1090)->isVisible());
}

TEST_F(OptionDialog, CheckBoxesEnableTheirEdits)
{
    dialog.show();
    for (const auto& [check, edit] :
         {std::pair{1090, 1091}, {1092, 1093}, {1052, 1134}, {1135, 1136}, {1097, 1099}, {1137, 1138}}) {
        Click({check});
        const bool enabled = Edit(edit)->isEnabled();
        Click({check});
        EXPECT_TRUE(enabled && !Edit(edit)->isEnabled()) << edit;
    }
    Click({1108, 1120});  // keeping the prompt open greys the capture box but keeps its state
    EXPECT_EQ(Flags({1108}, true) + Flags({1108}), QStringLiteral("01"));
    Click({1121});
    EXPECT_TRUE(W(1108)->isEnabled());
    Click({1124, 1127, 1129, 1131, 1124});  // page 3's boxes switch nothing
    EXPECT_EQ(Flags({1125, 1001, 1128, 1003, 1130, 1004, 1132, 1005}, true), QStringLiteral("11111111"));
}

TEST_F(OptionDialog, OkHandsEveryControlToItsKeyAndClosesOnlyWhenSaveSucceeds)
{
    sandbox.WriteIni("[JavahOption]\r\nOption=true\r\nStrOption=-jni\r\n");  // the hidden controls carry it
    QStringList paths;
    for (const char* name : {"ed", "html", "browser", "doc.html"})
        paths << sandbox.Folder().Write(QString::fromUtf8(name));
    dialog.show();
    Click({1090, 1052, 1108, 1120, 1094, 1096, 1097, 1137, 1124, 1129, 1131});
    const int edits[] = {1091, 1093, 1134, 1136, 1099, 1138, 1125, 1128, 1130, 1132};
    const QStringList texts = QStringList{"-verbose", "a1 a2", "lib/x.jar;y.jar", "cp/c", "-g", "cp/h"} + paths;
    for (int i = 0; i < 10; ++i)
        Edit(edits[i])->setText(texts[i]);
    Edit(1130)->setText(paths[2] + QStringLiteral("-gone"));
    tab->setCurrentIndex(3);
    Click({1});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].owner == &dialog && dialog.isVisible() && tab->currentIndex() == 3);
    Edit(1130)->setText(paths[2]);
    Click({1});
    EXPECT_TRUE(dialogs.messages.size() == 1 && dialog.result() == QDialog::Accepted && !dialog.isVisible());
    EXPECT_EQ(QString::fromUtf8(sandbox.IniBytes()),
              QStringLiteral("[JavahOption]\r\nOption=true\r\nStrOption=-jni\r\nClassPath=true\r\nStrClassPath=cp/h\r\n"
                             "[JavaOption]\r\nOption=true\r\nStrOption=-verbose\r\nArg=false\r\nStrArg=a1 a2\r\n"
                             "ClassPath=true\r\nStrClassPath=lib/x.jar;y.jar\r\nMsg=true\r\nShowDos=true\r\n"
                             "[JavacOption]\r\nO=true\r\nNowarn=false\r\nDeprecation=true\r\nClassPath=false\r\n"
                             "StrClassPath=cp/c\r\nOther=true\r\nStrOther=-g\r\n"
                             "[AppOption]\r\nUseJava=true\r\nAppJava=%1\r\nUseHTML=false\r\nAppHTML=%2\r\n"
                             "UseIE=true\r\nAppIE=%3\r\nUseLink=true\r\nAppLink=%4\r\n")
                  .arg(paths[0], paths[1], paths[2], paths[3]));
}

TEST_F(OptionDialog, BrowseButtonsAskForAnExistingFileAndCancelKeepsTheEdit)
{
    const std::tuple<int, int, const char*, const char*> rows[] = {
        {1001, 1125, "テキストエディタを選択", "テキストエディタ|*||"},
        {1003, 1128, "HTMLエディタを選択", "HTMLエディタ|*||"},
        {1004, 1130, "ブラウザを選択", "ブラウザ|*||"},
        {1005, 1132, "Javaドキュメントを選択", "Javaドキュメント(*.html)|*.html;*.htm|全てのファイル(*.*)|*.*||"},
    };
    dialog.show();
    for (const auto& [button, edit, title, filter] : rows) {
        Edit(edit)->setText(QStringLiteral("/usr/bin/"));
        dialogs.files = {QStringLiteral("/usr/bin/chosen")};
        Click({button});
        const FileDialogSpec& request = dialogs.fileRequests.back();
        EXPECT_TRUE(request.mode == FileDialogSpec::Mode::Open && request.mustExist) << title;
        EXPECT_EQ(QStringList({request.title, request.filter, request.initialFolder, Edit(edit)->text()}),
                  QStringList({title, filter, "/usr/bin/", "/usr/bin/chosen"}));
    }
    Edit(1132)->setText(QStringLiteral("kept"));
    Click({1005});  // cancelled
    EXPECT_EQ(Edit(1132)->text() + Flags({1124, 1127, 1129, 1131}), QStringLiteral("kept0000"));
}

struct FakeMain final : IMainContext {
    QWidget* Window() override { return nullptr; }
    const CurrentFile& File() const override { return file; }
    QString JdkFolder() const override { return {}; }
    COptionModel& Options() override { return model; }
    void SetCurrentFile(const QString&) override {}
    void ExecuteCommand(int) override {}
    void RefreshJavaDocumentCommand() override { ++refreshes; }
    CurrentFile file;
    COptionModel model;
    int refreshes = 0;
};

TEST_F(OptionDialog, TheCommandWritesNothingOnCancelAndRefreshesTheJavaDocumentCommandOnOk)
{
    FakeMain main;
    for (int button : {2, 1}) {  // -O, then Cancel or OK
        QTimer::singleShot(0, [button] {
            for (int id : {1094, button})
                QApplication::activeModalWidget()->findChild<QAbstractButton*>(ControlObjectName(id))->click();
        });
        CToolCommands(main).OnOptions();
        EXPECT_EQ(main.refreshes, button == 1 ? 1 : 0);
        EXPECT_EQ(sandbox.Folder().Exists(QStringLiteral("Setting.ini")), button == 1);  // Cancel writes nothing
    }
    EXPECT_EQ(main.model.GetJavacOptions(), QStringLiteral("-classpath . -O "));
}

}  // namespace
