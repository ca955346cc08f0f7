#include "settings/CSettingFile.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace settings;

namespace {

const QString S = QStringLiteral("Sec");
const QString K = QStringLiteral("Key");

TEST(SettingFile, ReadingNeverCreatesTheFile)
{
    SettingsSandbox sandbox;
    const CSettingFile settings;
    EXPECT_EQ(settings.GetString(S, K, QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(settings.GetInt(S, K, 7), 7);
    EXPECT_TRUE(settings.GetBool(S, K, true));
    EXPECT_FALSE(QFileInfo::exists(sandbox.IniPath()));
    EXPECT_EQ(settings.FilePath(), sandbox.IniPath());
}

TEST(SettingFile, FirstWriteCreatesTheFileWithCrLf)
{
    SettingsSandbox sandbox;
    CSettingFile settings;
    EXPECT_TRUE(settings.WriteString(QStringLiteral("JDK"), QStringLiteral("Path"), QStringLiteral("/opt/jdk/bin")));
    EXPECT_EQ(sandbox.IniBytes(), QByteArray("[JDK]\r\nPath=/opt/jdk/bin\r\n"));
}

TEST(SettingFile, TypedValuesReadBack)
{
    SettingsSandbox sandbox;
    CSettingFile settings;
    settings.WriteInt(QStringLiteral("MsgDlg"), QStringLiteral("Top"), -8);
    settings.WriteBool(S, QStringLiteral("On"), true);
    settings.WriteBool(S, QStringLiteral("Off"), false);
    EXPECT_EQ(settings.GetInt(QStringLiteral("MsgDlg"), QStringLiteral("Top"), 0), -8);
    EXPECT_TRUE(settings.GetBool(S, QStringLiteral("On"), false));
    EXPECT_FALSE(settings.GetBool(S, QStringLiteral("Off"), true));
    EXPECT_EQ(sandbox.IniBytes(), QByteArray("[MsgDlg]\r\nTop=-8\r\n[Sec]\r\nOn=true\r\nOff=false\r\n"));
}

TEST(SettingFile, BoolIsTrueOnlyForExactTrueOrOne)
{
    SettingsSandbox sandbox;
    sandbox.WriteIni("[S]\na=true\nb=1\nc=TRUE\nd=True\ne=yes\nf=0\ng=\nh=\"true\"\n");
    const CSettingFile settings;
    const QString s = QStringLiteral("S");
    EXPECT_TRUE(settings.GetBool(s, QStringLiteral("a"), false));
    EXPECT_TRUE(settings.GetBool(s, QStringLiteral("b"), false));
    EXPECT_TRUE(settings.GetBool(s, QStringLiteral("h"), false));
    for (const char* key : {"c", "d", "e", "f", "g"})
        EXPECT_FALSE(settings.GetBool(s, QString::fromUtf8(key), true)) << key;
    EXPECT_TRUE(settings.GetBool(s, QStringLiteral("missing"), true));
}

TEST(SettingFile, IntThatIsNoNumberGivesTheDefault)
{
    SettingsSandbox sandbox;
    sandbox.WriteIni("[S]\na=12\nb=abc\nc= -3 \nd=99999999999\n");
    const CSettingFile settings;
    EXPECT_EQ(settings.GetInt(QStringLiteral("S"), QStringLiteral("a"), 5), 12);
    EXPECT_EQ(settings.GetInt(QStringLiteral("S"), QStringLiteral("b"), 5), 5);
    EXPECT_EQ(settings.GetInt(QStringLiteral("S"), QStringLiteral("c"), 5), -3);
    EXPECT_EQ(settings.GetInt(QStringLiteral("S"), QStringLiteral("d"), 5), 5);
}

TEST(SettingFile, SeesChangesMadeByOthersAtOnce)
{
    SettingsSandbox sandbox;
    const CSettingFile reader;
    CSettingFile writer;
    writer.WriteString(S, K, QStringLiteral("1"));
    EXPECT_EQ(reader.GetString(S, K, {}), QStringLiteral("1"));
    writer.WriteString(S, K, QStringLiteral("2"));
    EXPECT_EQ(reader.GetString(S, K, {}), QStringLiteral("2"));
    sandbox.WriteIni("[Sec]\nKey=edited by hand\n");
    EXPECT_EQ(reader.GetString(S, K, {}), QStringLiteral("edited by hand"));
}

TEST(SettingFile, SubfolderNameWithBackslash)
{
    SettingsSandbox sandbox;
    CSettingFile settings;
    settings.SetFileName(QStringLiteral("conf\\Other.ini"));
    settings.WriteString(S, K, QStringLiteral("v"));
    EXPECT_TRUE(sandbox.Folder().Exists(QStringLiteral("conf/Other.ini")));
}

TEST(SettingFile, BadFilesReadAsDefaultsAndWritesKeepOtherLines)
{
    const QByteArray binary = QByteArray::fromHex("00ff10fe5b4a444b5d0d0a50617468") + QByteArray(3000, '\x80');
    const QByteArray mixed("x\r\n[Sec]\rKey=1\nOther=2\r\n\r\n; end");
    for (const QByteArray& before : {binary, mixed, QByteArray()}) {
        SettingsSandbox sandbox;
        sandbox.WriteIni(before);
        CSettingFile settings;
        EXPECT_EQ(settings.GetString(QStringLiteral("JDK"), QStringLiteral("Path"), QStringLiteral("d")),
                  QStringLiteral("d"));
        ASSERT_TRUE(settings.WriteString(QStringLiteral("New"), K, QStringLiteral("v")));
        const QByteArray after = sandbox.IniBytes();
        EXPECT_TRUE(after.startsWith(before));
        EXPECT_EQ(settings.GetString(QStringLiteral("New"), K, {}), QStringLiteral("v"));
    }
}

TEST(SettingFile, NameThatCouldAddLinesIsRefusedAndReported)
{
    SettingsSandbox sandbox;
    const QByteArray before("[S]\r\nK=1\r\n");
    sandbox.WriteIni(before);
    QStringList reasons;
    CSettingFile::SetWriteFailureHandler([&](const QString&, const QString& reason) { reasons << reason; });
    CSettingFile settings;
    EXPECT_FALSE(settings.WriteString(QStringLiteral("S"), QStringLiteral("k\r\nx"), QStringLiteral("v")));
    EXPECT_FALSE(settings.WriteInt(QStringLiteral("A\nk=evil\n[B"), K, 1));
    CSettingFile::SetWriteFailureHandler({});
    EXPECT_EQ(reasons.size(), 2);
    EXPECT_FALSE(settings.LastError().isEmpty());
    EXPECT_EQ(sandbox.IniBytes(), before);
}

TEST(SettingFile, Utf16FileIsReadAndStaysUtf16)
{
    SettingsSandbox sandbox;
    const QString text = QStringLiteral("[JDK]\r\nPath=/opt/jdk\r\n");
    const QByteArray bom = QByteArray::fromHex("fffe");
    QStringEncoder utf16(QStringEncoder::Utf16LE);
    sandbox.WriteIni(bom + utf16.encode(text));
    CSettingFile settings;
    EXPECT_EQ(settings.GetString(QStringLiteral("JDK"), QStringLiteral("Path"), {}), QStringLiteral("/opt/jdk"));
    ASSERT_TRUE(settings.WriteBool(QStringLiteral("Option"), QStringLiteral("Extend"), true));
    const QString after = text + QStringLiteral("[Option]\r\nExtend=true\r\n");
    EXPECT_EQ(sandbox.IniBytes(), bom + QByteArray(utf16.encode(after)));
}

}  // namespace
