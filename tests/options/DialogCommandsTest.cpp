#include "dialogs/CJarDialog.h"
#include "runner/CToolCommands.h"
#include "settings/COptionDialog.h"
#include "settings/CSettingFile.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

namespace {

class FakeMain final : public IMainContext {
public:
    QWidget* Window() override { return &window; }
    const CurrentFile& File() const override { return file; }
    QString JdkFolder() const override { return jdk; }
    COptionModel& Options() override { return model; }
    void SetCurrentFile(const QString&) override {}
    void ExecuteCommand(int) override {}
    void RefreshJavaDocumentCommand() override { ++refreshes; }

    QWidget window;
    CurrentFile file;
    QString jdk;
    COptionModel model;
    int refreshes = 0;
};

// Acts on the modal dialog that a command opens, once it is shown.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

QPushButton* Button(QWidget& dialog, int id) { return dialog.findChild<QPushButton*>(ControlObjectName(id)); }

TEST(DialogCommands, OptionsRefreshTheJavaDocumentCommandOnlyAfterOk)
{
    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    FakeMain main;
    CToolCommands commands(main);

    WhenShown<COptionDialog>([](COptionDialog& dialog) { Button(dialog, 2)->click(); });
    commands.OnOptions();
    EXPECT_EQ(main.refreshes, 0);
    EXPECT_FALSE(sandbox.Folder().Exists(QStringLiteral("Setting.ini")));

    WhenShown<COptionDialog>([](COptionDialog& dialog) {
        dialog.findChild<QCheckBox*>(ControlObjectName(1094))->click();
        Button(dialog, 1)->click();
    });
    commands.OnOptions();
    EXPECT_EQ(main.refreshes, 1);
    EXPECT_EQ(main.model.GetJavacOptions(), QStringLiteral("-classpath . -O "));
}

TEST(DialogCommands, JarDialogGetsTheJdkFolder)
{
    SettingsSandbox sandbox;
    FakeMain main;
    main.jdk = QStringLiteral("/opt/jdk/bin/");
    CToolCommands commands(main);
    QString seen;
    WhenShown<CJarDialog>([&seen](CJarDialog& dialog) {
        seen = dialog.JdkFolder();
        Button(dialog, 2)->click();
    });
    commands.OnMakeJar();
    EXPECT_EQ(seen, QStringLiteral("/opt/jdk/bin/"));
}

}  // namespace
