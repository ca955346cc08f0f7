// The commands that hand files to editors, the help page and the documentation.
#include "platform/Paths.h"
#include "resources/FormTemplate.h"
#include "settings/CSettingFile.h"

#include "tests/runner/CommandsTestSupport.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using platform::ProcessSpec;

class EditorCommandsTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    TempFolder root;
    TempFolder bin;
    FakeUserDialogs dialogs;
    FakeMainContext main;
    RecordingCommands commands{main};
    QString source;
    QString folder;

    void SetUp() override
    {
        source = root.Write(QStringLiteral("my src/Hello.java"));
        folder = root.Path("my src/");
        main.SetFile(source);
        commands.env.path = {bin.Path()};
    }

    void Options(const QByteArray& ini)
    {
        settings.WriteIni(ini);
        main.options->Load();
    }
};

TEST_F(EditorCommandsTest, EditSourceUsesTheChosenEditorElseTheDesktop)
{
    commands.OnEditSource();
    EXPECT_EQ(commands.opened, QStringList{source});
    const QString editor = WriteScript(bin, QStringLiteral("my editor"), "exit 0\n");
    Options("[AppOption]\nUseJava=true\nAppJava=" + editor.toUtf8() + "\n");
    commands.OnEditSource();
    ASSERT_EQ(commands.started.size(), 1u);
    EXPECT_EQ(commands.started[0], (ProcessSpec{editor, {source}, folder})) << "the path is one argument, blanks and all";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EditorCommandsTest, EditSourceFallsBackToATextEditorThenReports)
{
    commands.openSucceeds = false;
    commands.OnEditSource();
    ASSERT_EQ(dialogs.messages.size(), 1u) << "nothing at all can open it";
    EXPECT_EQ(dialogs.messages[0].text, source + QStringLiteral("を開けません"));
    const QString gedit = WriteScript(bin, QStringLiteral("gedit"), "exit 0\n");
    commands.OnEditSource();
    ASSERT_EQ(commands.started.size(), 1u);
    EXPECT_EQ(commands.started[0], (ProcessSpec{gedit, {source}, folder}));
}

TEST_F(EditorCommandsTest, EditHtmlUsesItsEditorElseTheDefaultTextApplication)
{
    commands.OnEditHtml();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, folder + QStringLiteral("Hello.htmlは存在しません"));

    const QString page = root.Write(QStringLiteral("my src/Hello.html"));
    const QString mousepad = WriteScript(bin, QStringLiteral("mousepad"), "exit 0\n");
    root.Write(QStringLiteral("share/applications/mousepad.desktop"), "[Desktop Entry]\nExec=mousepad %F\n");
    root.Write(QStringLiteral("share/applications/mimeinfo.cache"), "[MIME Cache]\ntext/plain=mousepad.desktop;\n");
    commands.env.dataDirs = {root.Path("share")};
    commands.OnEditHtml();
    ASSERT_EQ(commands.started.size(), 1u);
    EXPECT_EQ(commands.started[0], (ProcessSpec{mousepad, {page}, folder}));
    EXPECT_TRUE(commands.opened.empty()) << "the page is never handed to the browser for editing";

    const QString editor = WriteScript(bin, QStringLiteral("html ed"), "exit 0\n");
    Options("[AppOption]\nUseHTML=true\nAppHTML=" + editor.toUtf8() + "\n");
    commands.OnEditHtml();
    ASSERT_EQ(commands.started.size(), 2u);
    EXPECT_EQ(commands.started[1], (ProcessSpec{editor, {page}, folder}));
}

TEST_F(EditorCommandsTest, OtherApplicationIsRememberedUnderEditApp)
{
    const QString chosen = root.Path("tools/ed/ed");
    dialogs.files.push_back(chosen);
    commands.OnEditSourceWith();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileDialogSpec& first = dialogs.fileRequests[0];
    EXPECT_EQ(first.title, QStringLiteral("アプリケーションを選択"));
    EXPECT_EQ(first.mode, FileDialogSpec::Mode::Open);
    EXPECT_FALSE(first.mustExist);
    EXPECT_EQ(first.initialFolder, QString());
    EXPECT_EQ(first.proposedName, QString());

    const CSettingFile ini;
    EXPECT_EQ(ini.GetString(QStringLiteral("EditApp"), QStringLiteral("FileName"), {}), QStringLiteral("ed"));
    EXPECT_EQ(ini.GetString(QStringLiteral("EditApp"), QStringLiteral("Path"), {}), root.Path("tools/ed/"))
        << "a folder holding the program's name stays whole";
    ASSERT_EQ(commands.started.size(), 1u);
    EXPECT_EQ(commands.started[0], (ProcessSpec{chosen, {QStringLiteral("Hello.java")}, folder}));
    EXPECT_EQ(dialogs.messages.size(), 0u);

    // Cancelled: the dialog opened where the last choice was; nothing changes.
    const QByteArray before = settings.IniBytes();
    commands.OnEditSourceWith();
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].initialFolder, root.Path("tools/ed/"));
    EXPECT_EQ(dialogs.fileRequests[1].proposedName, QStringLiteral("ed"));
    EXPECT_EQ(settings.IniBytes(), before);
    EXPECT_EQ(commands.started.size(), 1u);
}

TEST_F(EditorCommandsTest, HelpAndJavaDocumentOpenTheirPages)
{
    commands.OnJavaDocument();
    EXPECT_TRUE(commands.opened.empty()) << "no document chosen";
    const QString document = root.Write(QStringLiteral("api/index.html"));
    Options("[AppOption]\nUseLink=true\nAppLink=" + document.toUtf8() + "\n");
    commands.OnJavaDocument();
    commands.OnHelp();
    EXPECT_EQ(commands.opened, (QStringList{document, platform::ExecutableFolder() + QStringLiteral("help/index.html")}));
}

// The page built beside the program names every menu command and dialog.
TEST(HelpPage, HasASectionForEveryCommandAndDialog)
{
    QFile file(BinaryDir() + QStringLiteral("/help/index.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString page = QString::fromUtf8(file.readAll());
    QStringList names;
    for (const MenuTemplate& menu : LoadMenu(134)) {
        for (const MenuItemTemplate& item : menu.items) {
            if (!item.separator)
                names << item.text.section(QLatin1Char('\t'), 0, 0).remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
        }
    }
    ASSERT_GT(names.size(), 20);
    names << QStringLiteral("オプション設定") << QStringLiteral("HTML生成") << QStringLiteral("クラス生成")
          << QStringLiteral("JARファイルを作成") << QStringLiteral("確認") << QStringLiteral("実行中")
          << QStringLiteral("Setting.ini");
    for (const QString& name : names)
        EXPECT_TRUE(page.contains(name)) << name.toStdString();
}

}  // namespace
