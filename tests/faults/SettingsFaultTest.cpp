// The settings file under faults: writers killed mid-write, running copies writing at once, a read-only folder, a full
// disk, a huge file.
#include "settings/IniDocument.h"
#include "settings/SettingFile.h"
#include "tests/settings/OptionValues.h"
#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace settings;

namespace {

QString WriterPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/settings_writer"); }

TEST(SettingsFaults, WritersKilledAtRandomMomentsNeverLoseAKey)
{
    SettingsSandbox sandbox;
    QRandomGenerator random(20261206);
    QList<QString> written;
    for (int round = 0; round < 1000; ++round) {
        QProcess writer;
        writer.start(WriterPath(), {QStringLiteral("k%1_").arg(round), QStringLiteral("1000")});
        // Kill it at a random moment while it writes (a fast or a slow build alike).
        ASSERT_TRUE(writer.waitForReadyRead(60000));
        QThread::usleep(random.bounded(15000));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        writer.waitForFinished();
        for (const QByteArray& finished : writer.readAllStandardOutput().split('\n'))  // one line per finished write
            if (!finished.isEmpty())
                written.append(QStringLiteral("k%1_").arg(round) + finished);
        // The file always parses and holds every key whose write finished.
        const IniDocument doc = IniDocument::FromBytes(sandbox.IniBytes());
        for (const QString& key : written)
            ASSERT_TRUE(doc.Value(QStringLiteral("Race"), key).has_value()) << key.toStdString() << " round " << round;
    }
    EXPECT_GE(written.size(), 1000);
}

// OK stores the options all at once: a press cut short leaves the options of one press, never a mix.
TEST(SettingsFaults, OptionsOfAKilledOkAreAllOldOrAllNew)
{
    SettingsSandbox sandbox;
    QRandomGenerator random(20261207);
    const QString application = WriterPath();
    const QStringList a = SavedTexts(EveryOption(QStringLiteral("a"), true, application), {});
    const QStringList b = SavedTexts(EveryOption(QStringLiteral("b"), false, application), {});
    for (int round = 0; round < 200; ++round) {
        QProcess writer;
        writer.start(WriterPath(), {QStringLiteral("options"), QStringLiteral("1000")});
        ASSERT_TRUE(writer.waitForReadyRead(60000));
        QThread::usleep(random.bounded(5000));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        writer.waitForFinished();
        const QStringList stored = OptionTexts(OptionModel().Stored());
        ASSERT_TRUE(stored == a || stored == b) << "round " << round << ": " << testing::PrintToString(stored);
    }
}

TEST(SettingsFaults, TwoRunningCopiesWritingAThousandKeysEachLoseNone)
{
    SettingsSandbox sandbox;
    constexpr int kKeys = 1000;
    QProcess writers[2];
    for (int w = 0; w < 2; ++w)
        writers[w].start(WriterPath(), {QString(QChar('a' + w)), QString::number(kKeys)});
    for (QProcess& writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(300000));
        ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    }
    const IniDocument doc = IniDocument::FromBytes(sandbox.IniBytes());
    for (int i = 0; i < 2 * kKeys; ++i)
        EXPECT_EQ(doc.Value("Race", QChar('a' + i / kKeys) + QString::number(i % kKeys)), QString::number(i % kKeys));
}

// A writer without write permission, or with a file size limit standing for a full disk, fails clearly and leaves the
// old file.
TEST(SettingsFaults, ReadOnlyFolderAndFullDiskFailWithAReasonAndKeepTheOldFile)
{
    // The writer may run as nobody, who cannot reach the build folder inside a private checkout (/root/..., mode 0700):
    // it runs from a copy in a folder that everyone may enter. Qt's libraries come from the system.
    QTemporaryDir programs(QDir::tempPath() + QStringLiteral("/tarnwick-writer-XXXXXX"));
    const QString program = programs.filePath(QStringLiteral("settings_writer"));
    const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                          | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::copy(WriterPath(), program));
    ASSERT_TRUE(QFile::setPermissions(programs.path(), everyone) && QFile::setPermissions(program, everyone));
    // A write shorter than Qt's write buffer fails only when the file is closed.
    const std::tuple<const char*, bool, int> cases[] = {
        {"read-only folder", true, 0}, {"full disk", false, 16384}, {"full disk, a short write", false, 5000}};
    for (const auto& [name, readOnly, length] : cases) {
        SCOPED_TRACE(name);
        SettingsSandbox sandbox;
        const QByteArray before("[JDK]\r\nPath=/opt/jdk/bin\r\n[Race]\r\nold=1\r\n");
        sandbox.WriteIni(before);
        const QString folder = sandbox.Folder().Path();
        if (readOnly)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        QProcess writer;
        writer.setChildProcessModifier([readOnly = readOnly] {
            if (readOnly && ::geteuid() == 0 && ::setuid(65534) != 0)
                _exit(3);  // root ignores permissions: write as nobody
            if (!readOnly) {
                ::signal(SIGXFSZ, SIG_IGN);
                rlimit limit{4096, 4096};  // the disk fills after 4 KiB
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
        });
        writer.start(program, {QStringLiteral("new"), QStringLiteral("1"), QString::number(length)});
        ASSERT_TRUE(writer.waitForFinished(30000));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(writer.exitCode(), 1);
        EXPECT_FALSE(writer.readAllStandardError().trimmed().isEmpty());
        EXPECT_EQ(sandbox.IniBytes(), before);
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        left.removeAll(QStringLiteral(".Setting.ini.lock"));
        EXPECT_EQ(left, QStringList{QStringLiteral("Setting.ini")});  // no temporary file behind
    }
}

TEST(SettingsFaults, HugeFileIsReadOnceAndStaysWritable)
{
    SettingsSandbox sandbox;
    QByteArray big("[JDK]\r\nPath=/jdk\r\n");
    const QByteArray filler(1024 * 1024, 'x');
    for (int i = 0; i < 100; ++i)
        big += "; " + filler + "\r\n";
    sandbox.WriteIni(big);
    SettingFile settings;
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(settings.ReadString(QStringLiteral("JDK"), QStringLiteral("Path"), {}), QStringLiteral("/jdk"));
    ASSERT_TRUE(settings.WriteString(QStringLiteral("JDK"), QStringLiteral("Path"), QStringLiteral("/other")));
    EXPECT_EQ(sandbox.IniBytes().size(), big.size() + 2);
}

}  // namespace
