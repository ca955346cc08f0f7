#include "settings/SettingFile.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace settings;

namespace {

const QString S = QStringLiteral("Sec");
const QString K = QStringLiteral("Key");

// Reading never creates the file; the first write does, with CR LF; others' changes are seen at once.
TEST(SettingFile, TypedValuesReadBackFromTheFileTheFirstWriteCreates)
{
    SettingsSandbox sandbox;
    SettingFile settings;
    EXPECT_EQ(settings.ReadString(S, K, "d"), "d");
    EXPECT_EQ(settings.ReadInt(S, K, 7), 7);
    EXPECT_TRUE(settings.ReadBool(S, K, true));
    EXPECT_FALSE(QFileInfo::exists(sandbox.IniPath()));
    EXPECT_EQ(settings.FilePath(), sandbox.IniPath());
    EXPECT_TRUE(settings.WriteInt("MsgDlg", "Top", -8));
    settings.WriteBool(S, "On", true);
    settings.WriteBool(S, "Off", false);
    EXPECT_EQ(settings.ReadInt("MsgDlg", "Top", 0), -8);
    EXPECT_TRUE(settings.ReadBool(S, "On", false));
    EXPECT_FALSE(settings.ReadBool(S, "Off", true));
    EXPECT_EQ(sandbox.IniBytes(), QByteArray("[MsgDlg]\r\nTop=-8\r\n[Sec]\r\nOn=true\r\nOff=false\r\n"));
    sandbox.WriteIni("[Sec]\nKey=edited by hand\n");
    EXPECT_EQ(settings.ReadString(S, K, {}), "edited by hand");
    settings.SetFileName("conf\\Other.ini");
    settings.WriteString(S, K, "v");
    EXPECT_TRUE(sandbox.Folder().Exists("conf/Other.ini"));
}

// A bool is true only for "true" or "1"; an int that is no number in range gives the default.
TEST(SettingFile, HandWrittenValuesThatAreNoBoolOrIntGiveTheDefault)
{
    SettingsSandbox sandbox;
    sandbox.WriteIni("[S]\na=true\nb=1\nc=TRUE\nd=True\ne=yes\nf=0\ng=\nh=\"true\"\n"
                     "[I]\na=12\nb=abc\nc= -3 \nd=99999999999\n");
    const SettingFile settings;
    for (const char* key : {"a", "b", "h"})
        EXPECT_TRUE(settings.ReadBool("S", key, false)) << key;
    for (const char* key : {"c", "d", "e", "f", "g"})
        EXPECT_FALSE(settings.ReadBool("S", key, true)) << key;
    EXPECT_TRUE(settings.ReadBool("S", "missing", true));
    for (const auto& [key, value] : {std::pair("a", 12), {"b", 5}, {"c", -3}, {"d", 5}})
        EXPECT_EQ(settings.ReadInt("I", key, 5), value) << key;
}

TEST(SettingFile, BadFilesReadAsDefaultsAndWritesKeepOtherLines)
{
    const QByteArray binary = QByteArray::fromHex("00ff10fe5b4a444b5d0d0a50617468") + QByteArray(3000, '\x80');
    const QByteArray mixed("x\r\n[Sec]\rKey=1\nOther=2\r\n\r\n; end");
    for (const QByteArray& before : {binary, mixed, QByteArray()}) {
        SettingsSandbox sandbox;
        sandbox.WriteIni(before);
        SettingFile settings;
        EXPECT_EQ(settings.ReadString("JDK", "Path", "d"), "d");
        ASSERT_TRUE(settings.WriteString("New", K, "v"));
        const QByteArray after = sandbox.IniBytes();
        EXPECT_TRUE(after.startsWith(before));
        EXPECT_EQ(settings.ReadString("New", K, {}), "v");
    }
}

TEST(SettingFile, NameThatCouldAddLinesIsRefusedAndReported)
{
    SettingsSandbox sandbox;
    const QByteArray before("[S]\r\nK=1\r\n");
    sandbox.WriteIni(before);
    QStringList reasons;
    SettingFile::SetWriteFailureHandler([&](const QString&, const QString& reason) { reasons << reason; });
    SettingFile settings;
    EXPECT_FALSE(settings.WriteString("S", "k\r\nx", "v"));
    EXPECT_FALSE(settings.WriteInt("A\nk=evil\n[B", K, 1));
    EXPECT_FALSE(settings.WriteValues({{"S", "K", "2"}, {"S", " k", "3"}}));  // all or nothing
    SettingFile::SetWriteFailureHandler({});
    EXPECT_EQ(reasons.size(), 3);
    EXPECT_FALSE(settings.LastError().isEmpty());
    EXPECT_EQ(sandbox.IniBytes(), before);
}

}  // namespace
