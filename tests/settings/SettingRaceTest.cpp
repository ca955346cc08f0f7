// Several running copies writing at once, and a writer killed mid-write.
#include "settings/CSettingFile.h"
#include "settings/IniDocument.h"
#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

namespace {

QString WriterPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/settings_writer"); }

TEST(SettingRace, TwoProcessesWritingDifferentKeysLoseNone)
{
    SettingsSandbox sandbox;
    constexpr int kKeys = 150;
    QProcess a;
    QProcess b;
    a.start(WriterPath(), {QStringLiteral("a"), QString::number(kKeys)});
    b.start(WriterPath(), {QStringLiteral("b"), QString::number(kKeys)});
    ASSERT_TRUE(a.waitForFinished(120000));
    ASSERT_TRUE(b.waitForFinished(120000));
    ASSERT_EQ(a.exitCode(), 0);
    ASSERT_EQ(b.exitCode(), 0);
    const CSettingFile settings;
    for (int i = 0; i < kKeys; ++i) {
        EXPECT_EQ(settings.GetInt(QStringLiteral("Race"), QStringLiteral("a%1").arg(i), -1), i);
        EXPECT_EQ(settings.GetInt(QStringLiteral("Race"), QStringLiteral("b%1").arg(i), -1), i);
    }
}

TEST(SettingRace, KilledWriterLeavesAWholeFile)
{
    SettingsSandbox sandbox;
    QRandomGenerator random(20261206);
    for (int round = 0; round < 25; ++round) {
        QProcess writer;
        writer.start(WriterPath(), {QStringLiteral("k%1_").arg(round), QStringLiteral("1000")});
        ASSERT_TRUE(writer.waitForStarted());
        QThread::usleep(2000 + random.bounded(30000));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        writer.waitForFinished();
        const QList<QByteArray> done = writer.readAllStandardOutput().split('\n');
        // Every write reported as finished must be in a file that still parses.
        const IniDocument doc = IniDocument::FromBytes(sandbox.IniBytes());
        int confirmed = -1;
        for (const QByteArray& line : done) {
            if (line.isEmpty())
                continue;
            confirmed = line.toInt();
            EXPECT_EQ(doc.Value(QStringLiteral("Race"), QStringLiteral("k%1_%2").arg(round).arg(confirmed)),
                      QString::number(confirmed));
        }
    }
}

}  // namespace
