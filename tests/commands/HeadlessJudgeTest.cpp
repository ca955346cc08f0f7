// tarnwick --judge: its arguments and its lines, then the real program on the
// installed JDKs, as a script or CI would start it (no display).
#include "commands/HeadlessJudge.h"

#include "tests/support/InstalledJdks.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>

using namespace cmd;
using judge::Verdict;

namespace {

TEST(JudgeArgumentsTest, ReadsEveryOptionInBothFormsAndNamesWhatIsWrong)
{
    const JudgeArguments all = ParseJudgeArguments(
        {"--cases=t d", "--judge", "My Hello.java", "--time-limit", "0.5", "--compare", "FLOAT:1e-9"}, false);
    ASSERT_TRUE(all.request) << all.error.toStdString();
    EXPECT_EQ(all.request->source, "My Hello.java");
    EXPECT_EQ(all.request->casesFolder, "t d");
    EXPECT_EQ(all.request->timeLimitMs, 500);
    EXPECT_EQ(all.request->compare, (judge::CompareRule{judge::CompareRule::Mode::Float, 1e-9}));
    const JudgeArguments plain = ParseJudgeArguments({"--judge=A.java"}, true);
    ASSERT_TRUE(plain.request);
    EXPECT_FALSE(plain.request->timeLimitMs || plain.request->compare);

    const std::pair<QStringList, const char*> wrong[] = {
        {{"--judge"}, "--judge needs a value"},
        {{"--cases", "x"}, "--judge needs a Java file"},
        {{"--judge", "A.java", "--time-limit", "0"}, "--time-limit takes seconds from 0.1 to 600: 0"},
        {{"--judge", "A.java", "--compare", "fuzzy"}, "--compare takes lines, exact or float:EPS: fuzzy"},
        {{"--judge", "A.java", "B.java"}, "not an option of --judge: B.java"},
        {{"--judge", "A.java", "--judge", "B.java"}, "--judge takes one Java file"},
    };
    for (const auto& [arguments, error] : wrong) {
        const JudgeArguments parsed = ParseJudgeArguments(arguments, true);
        EXPECT_FALSE(parsed.request) << arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.error, error);
    }
    EXPECT_EQ(ParseJudgeArguments({"--judge"}, false).error, "--judge に値を指定してください");
}

TEST(JudgeArgumentsTest, ACaseLineSaysWhereTheOutputFirstDiffers)
{
    judge::CaseResult wrong;
    wrong.verdict = Verdict::WrongAnswer;
    wrong.elapsedMs = 404;
    wrong.difference = {false, 3, 1, "6", "7"};
    judge::CaseResult shorter = wrong;
    shorter.difference = {false, 2, 1, "5", "", false, true};
    judge::CaseResult failed;
    failed.verdict = Verdict::RuntimeError;
    failed.elapsedMs = 1000;
    failed.exitCode = 3;
    judge::CaseResult missing;
    missing.verdict = Verdict::NotRun;
    missing.message = "no expected output";
    judge::CaseResult flood = wrong;  // one endless line, stopped at the output limit
    flood.difference = {false, 1, 5001, QString(10000, 'x'), QString(5000, 'x') + 'y' + QString(4999, 'x')};
    flood.message = "cut";
    const judge::TestCase named{"sample 2", "/c/sample 2.in", "/c/sample 2.out"};
    const QString flooded = CaseLine(named, flood, true);
    EXPECT_LT(flooded.size(), 200);
    EXPECT_TRUE(flooded.contains(", got …" + QString(20, 'x') + "y") && flooded.endsWith("x…  cut"))
        << flooded.toStdString();
    EXPECT_EQ(CaseLine(named, wrong, false), QStringLiteral("sample 2  不正解  0.40 秒  3 行目: 期待 6、出力 7"));
    EXPECT_EQ(CaseLine(named, wrong, true), "sample 2  Wrong answer  0.40 s  line 3: expected 6, got 7");
    EXPECT_EQ(CaseLine(named, shorter, false), "sample 2  不正解  0.40 秒  2 行目: 期待 5、出力 （なし）");
    EXPECT_EQ(CaseLine(named, failed, false), "sample 2  実行時エラー  1.00 秒  終了コード 3");
    EXPECT_EQ(CaseLine(named, missing, false),
              "sample 2  " + judge::VerdictName(Verdict::NotRun) + "  no expected output");
}

// The real program, headless, on a folder of cases; each JDK chosen in Setting.ini.
class HeadlessJudgeTest : public ::testing::Test {
protected:
    SettingsSandbox settings;
    TempFolder root;
    const QString src = root.Path("問題 1/");

    struct Judged {
        int exitCode = -1;
        QString out;
        QString err;
        qint64 elapsedMs = 0;
    };

    void SetUp() override
    {
        if (InstalledJdks().isEmpty())
            GTEST_SKIP() << "no JDK installed";
        const char* const cases[][2] = {{"1 2 3\n", "6\n"}, {"10 20\n", "30\n"}, {"", "0\n"}};
        for (int i = 0; i < 3; ++i) {
            root.Write(QString("問題 1/sample-%1.in").arg(i + 1), cases[i][0]);
            root.Write(QString("問題 1/sample-%1.out").arg(i + 1), cases[i][1]);
        }
    }
    // Sum writes the sum of the numbers it reads; body replaces its printing line.
    void WriteSum(const QByteArray& print = "System.out.println(sum);")
    {
        root.Write("問題 1/Sum.java",
                   "import java.util.Scanner;\npublic class Sum { public static void main(String[] a) {\n"
                   "  Scanner in = new Scanner(System.in); long sum = 0;\n"
                   "  while (in.hasNextLong()) sum += in.nextLong();\n  "
                       + print + "\n} }\n");
    }
    // interrupt, when set, runs once the cases' programs run (the judge is given SIGINT there).
    Judged Judge(const QStringList& arguments, const char* lang = "ja_JP.UTF-8", const QString& jdk = {},
                 bool interrupt = false)
    {
        settings.WriteIni("[JDK]\nPath=" + jdk.toUtf8() + "\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(name);
        environment.insert("LANG", lang);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(src);
        QElapsedTimer clock;
        clock.start();
        process.start(qEnvironmentVariable("TW_BINARY_DIR") + "/tarnwick", QStringList{"--judge"} + arguments);
        while (interrupt && !LeftRunning().contains("java") && !process.waitForFinished(50)) {
        }
        if (interrupt)
            ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        if (!process.waitForFinished(60000))
            process.kill();
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError()), clock.elapsed()};
    }
    // The names of the processes still running in the cases' folder.
    QStringList LeftRunning() const
    {
        QStringList left;
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
            if (QFile::symLinkTarget("/proc/" + pid + "/cwd") + '/' != src)
                continue;
            QFile comm("/proc/" + pid + "/comm");
            left << (comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll().trimmed()) : pid);
        }
        return left;
    }
};

TEST_F(HeadlessJudgeTest, ARightProgramPassesOnEveryJdkAndAWrongOneFailsWithItsFirstDifference)
{
    WriteSum();
    for (const QString& jdk : InstalledJdks()) {
        const Judged right = Judge({"Sum.java"}, "ja_JP.UTF-8", jdk);
        EXPECT_EQ(right.exitCode, 0) << jdk.toStdString() << right.err.toStdString();
        const QStringList lines = right.out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 4) << right.out.toStdString();
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(lines[i].startsWith(QString("sample-%1  正解  ").arg(i + 1))) << lines[i].toStdString();
        EXPECT_EQ(lines[3], "3/3 正解");
    }
    WriteSum("System.out.println(sum == 6 ? \"６\" : String.valueOf(sum));");
    const Judged wrong = Judge({"Sum.java"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.out.contains("sample-1  不正解  ") && wrong.out.contains("1 行目: 期待 6、出力 ")
                && wrong.out.contains("2/3 正解"))
        << wrong.out.toStdString();
    const Judged english = Judge({"Sum.java", "--cases", "."}, "C");
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_TRUE(english.out.contains("line 1: expected 6, got ") && english.out.contains("2/3 passed"))
        << english.out.toStdString();
}

// An endless loop ends at the limit or at Ctrl+C with nothing left running; javac's errors go to stderr.
TEST_F(HeadlessJudgeTest, AnEndlessLoopTimesOutAndACompileErrorRunsNothing)
{
    root.Write("問題 1/judge.ini", "[Judge]\nTimeLimit=1\n");
    WriteSum("while (true) { }");
    const Judged endless = Judge({"Sum.java"}, "C");
    EXPECT_EQ(endless.exitCode, 1);
    EXPECT_EQ(endless.out.count("Time limit"), 3) << endless.out.toStdString();
    EXPECT_LT(endless.elapsedMs, 15000) << "three cases of 1 s, two at once, after the compile";
    EXPECT_EQ(LeftRunning(), QStringList());
    const Judged interrupted = Judge({"Sum.java", "--time-limit", "60"}, "C", {}, true);
    EXPECT_EQ(interrupted.exitCode, 128 + SIGINT) << "every run ended first";
    EXPECT_EQ(LeftRunning(), QStringList());
    WriteSum("System.out.println(sum)");
    const Judged broken = Judge({"Sum.java"});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_EQ(broken.out.count("コンパイルエラー"), 3) << broken.out.toStdString();
    EXPECT_TRUE(broken.err.contains("Sum.java:5: ")) << broken.err.toStdString();
}

TEST_F(HeadlessJudgeTest, WhatCannotBeJudgedExitsWith2AndSaysWhy)
{
    WriteSum();
    const std::pair<QStringList, const char*> cases[] = {
        {{"Missing.java"}, "not a Java source file: Missing.java"},
        {{"Sum.java", "--cases", root.Path()}, "no cases found"},
        {{"Sum.java", "--compare", "fuzzy"}, "--compare takes"},
    };
    for (const auto& [arguments, error] : cases) {
        const Judged judged = Judge(arguments, "C");
        EXPECT_EQ(judged.exitCode, 2) << error;
        EXPECT_TRUE(judged.err.startsWith("tarnwick: ") && judged.err.contains(error)) << judged.err.toStdString();
        EXPECT_EQ(judged.out, "");
    }
}

}  // namespace
