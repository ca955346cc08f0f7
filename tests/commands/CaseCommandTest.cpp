// ケース実行 against a fake JDK: a javac that fails when told to, and a java
// that echoes its input, so a case whose expected output is its input passes.
#include "commands/JudgeSettings.h"

#include "tests/commands/CommandsTestSupport.h"

using namespace cmd;
using judge::Verdict;

namespace {

class CaseCommandTest : public CommandsTest {
protected:
    ScopedEnv fail{"TW_FAKE_FAIL", std::nullopt};

    CaseCommandTest()
    {
        WriteScript(root, "fake jdk/bin/javac",
                    "for a; do case \"$a\" in *.java) : > \"${a%.java}.class\";; esac; done\n"
                    "[ -z \"$TW_FAKE_FAIL\" ] || { echo 'Hello.java:1: error: ; expected' >&2; exit 1; }\n");
        WriteScript(root, "fake jdk/bin/java", "printf '%s\\n' \"$(pwd)/\" \"$@\" > \"$0.log\"\ncat\n");
        main.jdk = root.Path("fake jdk/bin/");
        Src("Hello.java");
    }
    // A passing case and a failing one in folder (relative to the source's).
    void WriteCases(const QString& folder)
    {
        root.Write("my src/" + folder + "a.in", "1 2\n");
        root.Write("my src/" + folder + "a.out", "1 2\n");
        root.Write("my src/" + folder + "b.in", "3\n");
        root.Write("my src/" + folder + "b.out", "4\n");
    }
    QStringList JavaRan() const { return QString::fromUtf8(root.Read("fake jdk/bin/java.log")).split('\n'); }
};

// judge.ini's good values win over the stored ones, a bad one is named and left; java runs as Ctrl+J would.
TEST_F(CaseCommandTest, FindsCasesBesideTheSourceAndRunsThemAsJavaWould)
{
    Options("[Judge]\nTimeLimit=5\nCompare=exact\n[JavaOption]\nOption=true\nStrOption=-Xss8m\n");
    WriteCases("tests/");
    root.Write("my src/tests/judge.ini", "[Judge]\nCompare=float:1e-3\nTimeLimit=forever\n");
    commands.OnRunCases();
    EXPECT_TRUE(dialogs.folderRequests.empty());
    ASSERT_EQ(commands.caseViews.size(), 1);
    EXPECT_EQ(commands.caseViews[0].casesFolder, src + "tests/");
    EXPECT_EQ(commands.caseViews[0].fileName, "Hello.java");
    EXPECT_EQ(commands.verdicts[0], (QList<Verdict>{Verdict::Accepted, Verdict::WrongAnswer}));
    EXPECT_EQ(commands.caseRules.timeLimitMs, 5000);
    EXPECT_EQ(commands.caseRules.compare, (judge::CompareRule{judge::CompareRule::Mode::Float, 1e-3}));
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages()[0].contains("judge.ini") && Messages()[0].contains("forever"))
        << Messages()[0].toStdString();
    EXPECT_EQ(JavaRan().mid(0, 5), (QStringList{src, "-classpath", ".", "-Xss8m", "Hello"}));
}

// A chosen folder without cases names both layouts and is not remembered; one with cases is, and is not asked again.
TEST_F(CaseCommandTest, AsksForTheCasesFolderOnceAndRemembersItPerSource)
{
    const QString empty = root.Path("empty/");
    QDir().mkpath(empty);
    WriteCases("../elsewhere/");
    dialogs.folders = {std::nullopt, empty, root.Path("elsewhere")};
    commands.OnRunCases();
    commands.OnRunCases();
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages()[0].startsWith(empty + " にケースがありません。"));
    EXPECT_TRUE(Messages()[0].contains("NAME.in と期待する出力 NAME.out")
                && Messages()[0].contains("in フォルダと out"));
    EXPECT_EQ(RememberedCasesFolder(src + "Hello.java"), QString());
    commands.OnRunCases();
    commands.OnRunCases();
    EXPECT_EQ(dialogs.folderRequests.size(), 3u);
    EXPECT_EQ(dialogs.folderRequests[0].initialFolder, src);
    ASSERT_EQ(commands.caseViews.size(), 2);
    EXPECT_EQ(commands.caseViews[1].casesFolder, root.Path("elsewhere/"));
    EXPECT_EQ(RememberedCasesFolder(src + "Hello.java"), root.Path("elsewhere/"));
    EXPECT_EQ(RememberedCasesFolder(src + "Other.java"), QString());
}

// javac's errors show as Ctrl+C shows them; no case runs.
TEST_F(CaseCommandTest, ACompileErrorMarksEveryCaseAndRunsNothing)
{
    WriteCases("");
    const ScopedEnv failing("TW_FAKE_FAIL", "1");
    commands.OnRunCases();
    EXPECT_EQ(commands.shown, QStringList{"Hello.java:1: error: ; expected\n"});
    ASSERT_EQ(commands.verdicts.size(), 1);
    EXPECT_EQ(commands.verdicts[0], (QList<Verdict>{Verdict::CompileError, Verdict::CompileError}));
    EXPECT_FALSE(root.Exists("fake jdk/bin/java.log"));
}

// The stored rules: bad values fall back to the defaults; only what changed is written; every path is a key.
TEST_F(CaseCommandTest, RulesAndFoldersRoundTripThroughTheSettings)
{
    Options("[Judge]\nTimeLimit=0\nCompare=fuzzy\n");
    EXPECT_EQ(StoredJudgeRules(), judge::JudgeRules());
    const judge::JudgeRules fromFolder{3000, {judge::CompareRule::Mode::Exact}};
    judge::JudgeRules changed = fromFolder;
    changed.compare = {judge::CompareRule::Mode::Float, 1e-9};
    ASSERT_TRUE(StoreJudgeRules(changed, fromFolder));
    EXPECT_EQ(StoredJudgeRules(), (judge::JudgeRules{judge::kDefaultTimeLimitMs, changed.compare}));
    changed.timeLimitMs = 500;
    ASSERT_TRUE(StoreJudgeRules(changed, fromFolder));
    EXPECT_EQ(StoredJudgeRules(), changed);
    for (const QString& source : {QString("/a b/x=y%3D.java"), QString("/日本語/[1];.java")}) {
        ASSERT_TRUE(RememberCasesFolder(source, "/cases/")) << source.toStdString();
        EXPECT_EQ(RememberedCasesFolder(source), "/cases/");
    }
    EXPECT_EQ(RememberedCasesFolder("/a b/x=y=.java"), QString()) << "escapes do not collide";
}

}  // namespace
