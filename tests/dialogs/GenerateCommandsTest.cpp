#include "app/IMainContext.h"
#include "dialogs/CAppletDialog.h"
#include "dialogs/CClassDialog.h"
#include "dialogs/CGenerateCommands.h"
#include "dialogs/CHtmlDialog.h"
#include "settings/COptionModel.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Records what the commands ask of the main window.
class FakeMain final : public IMainContext {
public:
    QWidget window;
    CurrentFile file;
    COptionModel options;
    QStringList calls;

    QWidget* Window() override { return &window; }
    const CurrentFile& File() const override { return file; }
    QString JdkFolder() const override { return {}; }
    COptionModel& Options() override { return options; }
    void SetCurrentFile(const QString& path) override { calls << path; }
    void ExecuteCommand(int id) override { calls << QString::number(id); }
    void RefreshJavaDocumentCommand() override {}
};

struct GenerateCommands : ::testing::Test {
    SettingsSandbox settings;
    FakeUserDialogs user;
    TempFolder folder;
    FakeMain main;
    CGenerateCommands commands{main};

    // The next dialog chooses Foo.java, ticks "生成後開く" when asked, and generates.
    template <class Dialog>
    void GenerateFoo(int selectButton, bool openAfter)
    {
        WhenModal<Dialog>([this, selectButton, openAfter](Dialog& dialog) {
            EXPECT_EQ(dialog.parentWidget(), &main.window);
            user.files.push_back(folder.Path("Foo.java"));
            Click(dialog.Control(selectButton));
            if (openAfter)
                Click(dialog.Control(1048));
            Click(dialog.Control(1));
        });
    }
};

TEST_F(GenerateCommands, GeneratedSourceBecomesCurrentAndIsEditedOnlyWhenAsked)
{
    GenerateFoo<CAppletDialog>(1013, false);
    commands.OnMakeApplet();
    WhenModal<CClassDialog>([](CClassDialog& dialog) { Click(dialog.Control(2)); });
    commands.OnMakeClass();
    EXPECT_TRUE(folder.Exists("Foo.java"));
    EXPECT_TRUE(main.calls.isEmpty());

    user.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    GenerateFoo<CAppletDialog>(1013, true);
    commands.OnMakeApplet();
    GenerateFoo<CClassDialog>(1056, true);
    commands.OnMakeClass();
    const QString path = folder.Path("Foo.java");
    EXPECT_EQ(main.calls, (QStringList{path, "32780", path, "32780"}));
    EXPECT_TRUE(QString::fromUtf8(folder.Read("Foo.java")).contains("public class Foo\r\n"));
}

TEST_F(GenerateCommands, HtmlPageIsPresetFromTheCurrentFile)
{
    main.file = CurrentFile{"Hello.java", "Hello", folder.Path(), "java"};
    QStringList shown;
    WhenModal<CHtmlDialog>([&shown](CHtmlDialog& dialog) {
        for (int id : {1000, 1002, 1010, 1011})
            shown << Text(dialog.Control(id));
        Click(dialog.Control(1));
    });
    commands.OnMakeHtml();
    EXPECT_EQ(shown, (QStringList{"Hello", "HelloApplet", "400", "300"}));
    EXPECT_TRUE(folder.Exists("Hello.html"));
    EXPECT_TRUE(main.calls.isEmpty());
}

}  // namespace
