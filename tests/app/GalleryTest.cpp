// Renders the forms headless into the build folder's gallery for people to look at.
#include "app/CAboutDialog.h"
#include "app/CMainDialog.h"
#include "platform/JdkLocator.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QString GalleryFile(const char* name)
{
    const QString folder = QString::fromLocal8Bit(qgetenv("TW_BINARY_DIR")) + QStringLiteral("/gallery/");
    QDir().mkpath(folder);
    return folder + QString::fromUtf8(name);
}

TEST(Gallery, MainWindowAndAboutBox)
{
    SettingsSandbox settings;
    FakeUserDialogs dialogs;
    TempFolder work;
    const QString source = work.Write(QStringLiteral("Hello.java"));
    CMainDialog w;
    w.OnInitDialog({source});
    w.show();
    EXPECT_TRUE(w.grab().save(GalleryFile("main-short.png")));
    w.ToggleExtended();
    EXPECT_TRUE(w.grab().save(GalleryFile("main-extended.png")));
    CAboutDialog about(&w);
    about.show();
    EXPECT_TRUE(about.grab().save(GalleryFile("about.png")));
}

}  // namespace
