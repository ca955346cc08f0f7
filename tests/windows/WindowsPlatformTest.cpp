// The Windows side of the platform layer on Windows itself (Wine in CI):
// the registry's JDKs, cmd.exe's command line, the code pages, locks, file
// identity and ending a process tree.
#include "platform/ByteCodec.h"
#include "platform/FileLock.h"
#include "platform/FileStatus.h"
#include "platform/JdkLocator.h"
#include "platform/Processes.h"
#include "platform/Terminal.h"
#include "platform/TextCodec.h"
#include "platform/windows/JdkRegistry.h"

#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <gtest/gtest.h>

#include <windows.h>

using namespace platform;

namespace {

QString Probe() { return QCoreApplication::applicationDirPath() + QStringLiteral("/tw_windows_probe.exe"); }

// A JDK's home with java.exe and javac.exe (the probe under both names).
QString MakeJdk(const TempFolder& folder, const QString& name)
{
    const QString bin = folder.Path(name + QStringLiteral("/bin"));
    QDir().mkpath(bin);
    QFile::copy(Probe(), bin + QStringLiteral("/java.exe"));
    QFile::copy(Probe(), bin + QStringLiteral("/javac.exe"));
    return folder.Path(name);
}

TEST(WindowsRegistry, FindsTheInstallersJdksNewestFirst)
{
    TempFolder folder;
    const QString jdk17 = MakeJdk(folder, QStringLiteral("jdk-17"));
    const QString jdk21 = MakeJdk(folder, QStringLiteral("jdk-21"));
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\");
    {
        QSettings javaSoft(key + QStringLiteral("JavaSoft\\JDK"), QSettings::Registry64Format);
        javaSoft.setValue(QStringLiteral("17.0.2/JavaHome"), QDir::toNativeSeparators(jdk17));
        QSettings adoptium(key + QStringLiteral("Eclipse Adoptium\\JDK"), QSettings::Registry64Format);
        adoptium.setValue(QStringLiteral("21.0.1.12/hotspot/MSI/Path"), QDir::toNativeSeparators(jdk21) + '\\');
    }
    const QStringList homes = JdkHomesFromRegistry();
    ASSERT_GE(homes.size(), 2);
    EXPECT_EQ(homes.indexOf(QDir::fromNativeSeparators(jdk21) + '/') + 1, homes.indexOf(jdk17));

    JdkSearchPlaces places;
    places.registryHomes = homes;
    EXPECT_EQ(FindJdk(places), jdk21 + QStringLiteral("/bin/"));
    QSettings(key + QStringLiteral("JavaSoft"), QSettings::Registry64Format).remove(QStringLiteral("JDK"));
    QSettings(key, QSettings::Registry64Format).remove(QStringLiteral("Eclipse Adoptium"));
}

TEST(WindowsConsole, CmdGivesTheProgramEveryArgumentAsItWas)
{
    TempFolder folder;
    const QString out = QDir::toNativeSeparators(folder.Path(QStringLiteral("args.txt")));
    const QStringList given{QStringLiteral("a b"),    QStringLiteral("x&y|z"),  QStringLiteral("say \"hi\""),
                            QStringLiteral("日本語"), QStringLiteral("^caret"), QStringLiteral("<in>out"),
                            QStringLiteral("ends\\"), QStringLiteral("")};
    const QString cmd = FindTerminal({});
    ASSERT_FALSE(cmd.isEmpty());
    for (const bool keepOpen : {false}) {  // /K would leave the console waiting for the user
        const ProcessSpec request = InTerminal(
            cmd, {Probe(), QStringList{QStringLiteral("args"), out} + given, folder.Path(), false}, keepOpen);
        QProcess process;
        Configure(process, request);
        process.start();
        ASSERT_TRUE(process.waitForFinished(30000));
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(file.readAll()), given.join('\n') + '\n');
    }
}

TEST(WindowsCodePages, AgreeWithTheJapaneseEncodings)
{
    const QString test = QStringLiteral("テスト");
    EXPECT_EQ(EncodeStrictly(LegacyCodec::Cp932, test), QByteArray("\x83\x65\x83\x58\x83\x67"));
    EXPECT_EQ(EncodeStrictly(LegacyCodec::EucJp, test), QByteArray("\xa5\xc6\xa5\xb9\xa5\xc8"));
    EXPECT_EQ(DecodeStrictly(LegacyCodec::Cp932, "\x93\xfa\x96\x7b"), QStringLiteral("日本"));
    EXPECT_EQ(DecodeStrictly(LegacyCodec::Cp932, "\x81\x60"), QStringLiteral("～"));  // Microsoft's wave dash
    EXPECT_EQ(DecodeStrictly(LegacyCodec::Cp932, "\x87\x40"), QStringLiteral("①"));   // an NEC special
    EXPECT_EQ(DecodeStrictly(LegacyCodec::Cp932, "\x83"), std::nullopt);              // a lone lead byte
    EXPECT_EQ(EncodeStrictly(LegacyCodec::Cp932, QStringLiteral("☃")), std::nullopt);
    EXPECT_EQ(EncodeLeniently(LegacyCodec::Cp932, QStringLiteral("a☃")), QByteArray("a?"));
}

// A line of UTF-8 and one in the system's code page, as a JDK on a Japanese
// system writes it (scripts/test-windows.sh runs Wine in a Japanese locale).
TEST(WindowsCodePages, ToolOutputThatIsNotUtf8IsReadInTheSystemsCodePage)
{
    ASSERT_EQ(::GetACP(), 932u);
    EXPECT_EQ(DecodeToolOutput("\xe3\x83\x86\xe3\x82\xb9\xe3\x83\x88\n\x83\x65\x83\x58\x83\x67\r\n\x83\n"),
              QStringLiteral("テスト\nテスト\r\n\uFFFD\n"));
}

TEST(WindowsFiles, OneLockHolderAndOneIdentityPerFile)
{
    TempFolder folder;
    folder.Write(QStringLiteral("a.txt"), "a");
    folder.Write(QStringLiteral("b.txt"), "b");
    {
        FileLock first(folder.Path(QStringLiteral("Setting.lock")));
        ASSERT_TRUE(first.Lock(1000)) << first.Error().toStdString();
        FileLock second(folder.Path(QStringLiteral("Setting.lock")));
        EXPECT_FALSE(second.Lock(50));
        EXPECT_EQ(second.Error(), QStringLiteral("他のプログラムが設定ファイルを使用中です"));
    }
    FileLock after(folder.Path(QStringLiteral("Setting.lock")));
    EXPECT_TRUE(after.Lock(1000));

    const FileStatus a = StatusOf(folder.Path(QStringLiteral("a.txt")));
    EXPECT_EQ(a.kind, FileKind::Regular);
    EXPECT_EQ(a.size, 1);
    EXPECT_EQ(StatusOf(QDir::toNativeSeparators(folder.Path(QStringLiteral("A.TXT")))).identity, a.identity);
    EXPECT_NE(StatusOf(folder.Path(QStringLiteral("b.txt"))).identity, a.identity);
    EXPECT_EQ(StatusOf(folder.Path()).kind, FileKind::Folder);
    EXPECT_EQ(StatusOf(folder.Path(QStringLiteral("none"))).kind, FileKind::Missing);
}

TEST(WindowsProcesses, EndingTheGroupEndsWhatTheProgramStarted)
{
    QProcess process;
    process.setProgram(Probe());
    process.setArguments({QStringLiteral("tree")});
    EndWithThisProgramInGroup(process);
    process.start();
    ASSERT_TRUE(process.waitForReadyRead(30000));
    const DWORD child = process.readAllStandardOutput().trimmed().toULong();
    ASSERT_NE(child, 0u);
    HANDLE handle = ::OpenProcess(SYNCHRONIZE, FALSE, child);
    ASSERT_NE(handle, nullptr);
    EndProcessGroup(process.processId());
    EXPECT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(::WaitForSingleObject(handle, 10000), WAIT_OBJECT_0);
    ::CloseHandle(handle);
}

}  // namespace
