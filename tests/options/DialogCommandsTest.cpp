#include "runner/CToolCommands.h"
#include "settings/COptionDialog.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class FakeMain final : public IMainContext {
public:
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

// Clicks the controls of the options dialog once the command has shown it.
void ClickWhenShown(std::initializer_list<int> ids)
{
    QTimer::singleShot(0, [ids = std::vector<int>(ids)] {
        auto* dialog = qobject_cast<COptionDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (int id : ids)
            dialog->findChild<QAbstractButton*>(ControlObjectName(id))->click();
    });
}

TEST(DialogCommands, OptionsRefreshTheJavaDocumentCommandOnlyAfterOk)
{
    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    FakeMain main;
    CToolCommands commands(main);
    ClickWhenShown({1094, 2});
    commands.OnOptions();
    EXPECT_EQ(main.refreshes, 0);
    EXPECT_FALSE(sandbox.Folder().Exists(QStringLiteral("Setting.ini")));
    ClickWhenShown({1094, 1});
    commands.OnOptions();
    EXPECT_EQ(main.refreshes, 1);
    EXPECT_EQ(main.model.GetJavacOptions(), QStringLiteral("-classpath . -O "));
}

}  // namespace
