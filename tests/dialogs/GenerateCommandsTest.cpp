#include "dialogs/GenerateCommands.h"
#include "commands/CommandIds.h"
#include "commands/IMainContext.h"
#include "dialogs/AppletDialog.h"
#include "dialogs/ClassDialog.h"
#include "resources/FormIds.h"
#include "settings/OptionModel.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

using namespace cmd;
using namespace dialogs;
using namespace platform;
using namespace resources;
using namespace settings;

namespace {

// Stands in for the main window and records what the commands ask of it.
struct GenerateCommandsTest : ::testing::Test, IMainContext {
    SettingsSandbox settings;
    FakeUserDialogs user;
    TempFolder folder;
    QWidget window;
    java::CurrentFile file;
    OptionModel options;
    QStringList calls;
    GenerateCommands commands{*this};

    QWidget* Window() override { return &window; }
    const java::CurrentFile& File() const override { return file; }
    QString JdkFolder() const override { return {}; }
    OptionModel& Options() override { return options; }
    void SetCurrentFile(const QString& path) override { calls << path; }
    void ExecuteCommand(int id) override { calls << QString::number(id); }
    void RefreshJavaDocumentCommand() override {}

    // Runs the command, clicks ids in the modal dialog that it opens, then closes it if still open.
    void Run(void (GenerateCommands::*command)(), const std::vector<int>& ids)
    {
        QTimer::singleShot(0, [this, ids] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog && dialog->parentWidget() == &window);
            for (int id : ids)
                dialog->findChild<QAbstractButton*>(QStringLiteral("id%1").arg(id))->click();
            if (dialog->isVisible())
                dialog->reject();
        });
        (commands.*command)();
    }
};

TEST_F(GenerateCommandsTest, GeneratedSourceBecomesCurrentAndIsEditedOnlyWhenAsked)
{
    const QString path = folder.Path("Foo.java");
    user.files = {path, path, path};
    user.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    Run(&GenerateCommands::OnMakeApplet, {AppletForm::SelectFile, AppletForm::Generate});
    EXPECT_TRUE(folder.Exists("Foo.java") && calls.isEmpty());
    Run(&GenerateCommands::OnMakeApplet, {AppletForm::SelectFile, AppletForm::OpenAfter, AppletForm::Generate});
    Run(&GenerateCommands::OnMakeClass, {ClassForm::SelectFile, ClassForm::OpenAfter, ClassForm::Generate});
    EXPECT_EQ(calls, (QStringList{path, QString::number(EditSource), path, QString::number(EditSource)}));
    EXPECT_TRUE(QString::fromUtf8(folder.Read("Foo.java")).contains("public class Foo\r\n"));
}

// 選択(S) starts in the current file's folder, when there is one; the page is named after the file.
TEST_F(GenerateCommandsTest, FileChoiceStartsInTheCurrentFilesFolderAndThePageIsPresetFromIt)
{
    Run(&GenerateCommands::OnMakeApplet, {AppletForm::SelectFile});
    file = java::CurrentFile{"Hello.java", "Hello", folder.Path(), "java"};
    Run(&GenerateCommands::OnMakeApplet, {AppletForm::SelectFile});
    Run(&GenerateCommands::OnMakeClass, {ClassForm::SelectFile});
    QStringList folders;
    for (const FileDialogSpec& request : user.fileRequests)
        folders << request.initialFolder;
    EXPECT_EQ(folders, (QStringList{"", folder.Path(), folder.Path()}));
    Run(&GenerateCommands::OnMakeHtml, {HtmlForm::Generate});
    EXPECT_TRUE(
        QString::fromUtf8(folder.Read("Hello.html")).contains("<applet code = \"Hello.class\" width = \"400\""));
    // An applet of a package is named in full, from its package root.
    folder.Write("src/com/ex/PA.java", "/* A */ package com.ex;\npublic class PA extends java.applet.Applet {}\n");
    file = java::CurrentFile{"PA.java", "PA", folder.Path("src/com/ex/"), "java"};
    Run(&GenerateCommands::OnMakeHtml, {HtmlForm::Generate});
    EXPECT_TRUE(QString::fromUtf8(folder.Read("src/com/ex/PA.html"))
                    .contains("<applet code = \"com.ex.PA.class\" codebase = \"../../\" width = \"400\""));
    EXPECT_TRUE(calls.isEmpty());
}

// The path edits that 選択(S) fills take no typing, and show the form's colour.
TEST(GeneratorDialogs, ReadOnlyEditsShowTheFormsColour)
{
    DialogUnderTest<AppletDialog, AppletForm::Id> applet;
    DialogUnderTest<ClassDialog, ClassForm::Id> classes;
    const auto inside = [](QWidget* edit) {
        return edit->grab().toImage().pixelColor(edit->width() - 4, edit->height() / 2);
    };
    const QColor form = classes.dialog.palette().color(QPalette::Window);
    EXPECT_EQ(inside(applet.C(AppletForm::PathEdit)), form);
    EXPECT_EQ(inside(classes.C(ClassForm::PathEdit)), form);
    classes.Choose(ClassForm::SelectFile);
    EXPECT_NE(inside(classes.C(ClassForm::UserSuperclassEdit)), form)
        << "the superclass name is typed: an input's colour";
}

}  // namespace
