#include "settings/SettingsAdoption.h"
#include "settings/OptionModel.h"
#include "tests/support/TempFolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace settings;

namespace {

// A teacher's Setting.ini beside a program whose folder the user cannot write (a CP932 copy from Windows here) starts
// the user's own file, once; the options then read its values.
TEST(SettingsAdoption, TheProgramFoldersFileStartsTheUsersOwnOnce)
{
    TempFolder program;
    SettingsSandbox user;
    const QByteArray prepared = "[JavaOption]\r\nOption=true\r\nStrArg=\x93\xfa\x96\x7b\r\n";  // 日本
    program.Write("Setting.ini", prepared);
    EXPECT_EQ(AdoptProgramSettings(program.Path(), user.Folder().Path()),
              "設定は " + user.IniPath() + " に保存します（プログラムのフォルダには保存しません）。\n最初の設定として "
                  + program.Path("Setting.ini") + " の内容を引き継ぎました。");
    EXPECT_EQ(user.IniBytes(), prepared);
    OptionModel model;
    model.Load();
    EXPECT_TRUE(model.Stored().javaOption && model.Stored().javaStrArg == "日本");

    program.Write("Setting.ini", "[JavaOption]\r\nStrArg=changed\r\n");
    EXPECT_EQ(AdoptProgramSettings(program.Path(), user.Folder().Path()), "");
    EXPECT_EQ(user.IniBytes(), prepared) << "the user's own file stays";
    // Nothing beside the program, or the settings kept there: nothing to do.
    EXPECT_EQ(AdoptProgramSettings(program.Path("empty/"), program.Path("other/")), "");
    EXPECT_EQ(AdoptProgramSettings({}, program.Path("other/")), "");
    EXPECT_FALSE(QFileInfo::exists(program.Path("other")));
}

}  // namespace
