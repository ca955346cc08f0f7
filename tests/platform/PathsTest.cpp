// Where Setting.ini lives: beside a build or an unpacked copy, in the user's
// configuration folder for an installed copy wherever it was installed.
#include "platform/Paths.h"
#include "tests/support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(SettingsFolder, InstalledCopiesUseTheConfigurationFolder)
{
    TempFolder root;
    const ScopedEnv configHome("XDG_CONFIG_HOME", QFile::encodeName(root.Path("config")));
    const QString config = root.Path("config/tarnwick/");
    const QString build = root.Path("build/");
    const QString home = root.Path("home/.local/bin/");
    root.Write("build/tarnwick");
    root.Write("home/.local/bin/tarnwick");
    ASSERT_TRUE(QFile::link(root.Path("home/.local/bin"), root.Path("linked-bin")));
    const std::tuple<const char*, QString, QString, QString> cases[] = {
        // name, program, bindir, expected
        {"a build folder", build, "/usr/local/bin", build},
        {"a build folder, no prefix known", build, "", build},
        {"installed under the home folder", home, root.Path("home/.local/bin"), config},
        {"the bindir spelled through a link", home, root.Path("linked-bin/"), config},
        {"installed under /opt", "/opt/tarnwick/bin", "/opt/tarnwick/bin", config},
        {"a system folder", "/usr/bin", "/usr/local/bin", config},
        {"/bin", "/bin/", "", config},
    };
    for (const auto& [name, program, bindir, expected] : cases)
        EXPECT_EQ(SettingsFolderFor(program, bindir), expected) << name;
}

}  // namespace
