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
    QString source = root.Write(QStringLiteral("my src/Hello.java"));
    QString folder = root.Path("my src/");

    void SetUp() override
    {
        main.SetFile(source);
        commands.env.path = {bin.Path()};
    }

    void Options(const char* key, const QString& path)
    {
        settings.WriteIni(QStringLiteral("[AppOption]\nUse%1=true\nApp%1=%2\n").arg(QString::fromLatin1(key), path).toUtf8());
        main.options->Load();
    }

    QString Program(const char* name) { return WriteScript(bin, QString::fromUtf8(name), "exit 0\n"); }
};

TEST_F(EditorCommandsTest, EditSourceTriesTheEditorTheDesktopATextEditorThenReports)
{
    commands.openSucceeds = false;
    commands.OnEditSource();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.back().text, source + QStringLiteral("を開けません"));
    const QString gedit = Program("gedit");
    commands.OnEditSource();
    const QString editor = Program("my editor");
    Options("Java", editor);
    commands.OnEditSource();
    EXPECT_EQ(commands.opened, (QStringList{source, source}));
    ASSERT_EQ(commands.started.size(), 2u);
    EXPECT_EQ(commands.started[0], (ProcessSpec{gedit, {source}, folder}));
    EXPECT_EQ(commands.started[1], (ProcessSpec{editor, {source}, folder})) << "the path is one argument, blanks and all";
}

TEST_F(EditorCommandsTest, EditHtmlUsesItsEditorElseTheDefaultTextApplication)
{
    commands.OnEditHtml();
    EXPECT_EQ(dialogs.messages.back().text, folder + QStringLiteral("Hello.htmlは存在しません"));
    const QString page = root.Write(QStringLiteral("my src/Hello.html"));
    const QString mousepad = Program("mousepad");
    root.Write(QStringLiteral("share/applications/mousepad.desktop"), "[Desktop Entry]\nExec=mousepad %F\n");
    root.Write(QStringLiteral("share/applications/mimeinfo.cache"), "[MIME Cache]\ntext/plain=mousepad.desktop;\n");
    commands.env.dataDirs = {root.Path("share")};
    commands.OnEditHtml();
    const QString editor = Program("html ed");
    Options("HTML", editor);
    commands.OnEditHtml();
    EXPECT_TRUE(commands.opened.isEmpty()) << "the page never goes to the browser for editing";
    ASSERT_EQ(commands.started.size(), 2u);
    EXPECT_EQ(commands.started[0], (ProcessSpec{mousepad, {page}, folder}));
    EXPECT_EQ(commands.started[1], (ProcessSpec{editor, {page}, folder}));
}

TEST_F(EditorCommandsTest, OtherApplicationIsRememberedUnderEditApp)
{
    const QString chosen = root.Path("tools/ed/ed");
    dialogs.files.push_back(chosen);
    commands.OnEditSourceWith();
    const QByteArray stored = settings.IniBytes();
    commands.OnEditSourceWith();  // cancelled
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[0].title, QStringLiteral("アプリケーションを選択"));
    EXPECT_FALSE(dialogs.fileRequests[0].mustExist);
    EXPECT_EQ(dialogs.fileRequests[1].initialFolder, root.Path("tools/ed/")) << "a folder holding the name stays whole";
    EXPECT_EQ(dialogs.fileRequests[1].proposedName, QStringLiteral("ed"));
    EXPECT_EQ(settings.IniBytes(), stored) << "cancel writes nothing";
    ASSERT_EQ(commands.started.size(), 1u);
    EXPECT_EQ(commands.started[0], (ProcessSpec{chosen, {QStringLiteral("Hello.java")}, folder}));
}

TEST_F(EditorCommandsTest, HelpAndJavaDocumentOpenTheirPages)
{
    commands.OnJavaDocument();
    EXPECT_TRUE(commands.opened.isEmpty()) << "no document chosen";
    const QString document = root.Write(QStringLiteral("api/index.html"));
    Options("Link", document);
    commands.OnJavaDocument();
    commands.OnHelp();
    EXPECT_EQ(commands.opened, (QStringList{document, platform::HelpPagePath()}));
}

// The page built beside the program names every menu command and dialog.
TEST(HelpPage, HasASectionForEveryCommandAndDialog)
{
    QFile file(BinaryDir() + QStringLiteral("/help/index.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString page = QString::fromUtf8(file.readAll());
    QStringList names{QStringLiteral("オプション設定"), QStringLiteral("HTML生成"),   QStringLiteral("クラス生成"),
                      QStringLiteral("JARファイルを作成"), QStringLiteral("確認"), QStringLiteral("実行中"),
                      QStringLiteral("Setting.ini")};
    for (const MenuTemplate& menu : LoadMenu(134)) {
        for (const MenuItemTemplate& item : menu.items) {
            if (!item.separator)
                names << item.text.section(QLatin1Char('\t'), 0, 0).remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
        }
    }
    ASSERT_GT(names.size(), 25);
    for (const QString& name : names)
        EXPECT_TRUE(page.contains(name)) << name.toStdString();
}

}  // namespace
