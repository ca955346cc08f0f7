// The commands against the installed JDK, with the real capture files.
#include "output/OutputMarkup.h"
#include "tests/commands/CommandsTestSupport.h"
#include "tests/support/EncodedText.h"
#include "tests/support/InstalledJdks.h"

#include <QDir>
#include <QDirIterator>

using namespace output;
using namespace platform;
using namespace runner;

namespace {

class RealJdkTest : public CommandsTest {
protected:
    void SetUp() override
    {
        if (!UseFoundJdk())
            GTEST_SKIP() << "no JDK installed";
    }
    void TearDown() override { EXPECT_EQ(Messages(), QStringList()); }
    // The hints the output window shows under the last run's text.
    QStringList ShownHints()
    {
        HintContext context = commands.hints.back();
        context.folder = main.file.folder;
        MarkupChain chain(context);
        QStringList hints;
        for (const QString& line : commands.shown.join("").split('\n')) {
            const Markup markup = chain.MarkLine(line, Stream::Error);
            hints << markup.hintBefore << markup.hint;
        }
        hints << chain.Finish(Stream::Error);
        hints.removeAll(QString());
        commands.shown.clear();
        return hints;
    }
};

// Also files named like options; a captured run shows the streams in their order.
TEST_F(RealJdkTest, CompileShowsErrorsOnlyAndARunShowsTheStreamsInTheirOrder)
{
    Options("[JavaOption]\nMsg=true\nArg=true\nStrArg=one\n");
    Compile("Good Name.java", "class Good { }\n");
    EXPECT_TRUE(root.Exists("my src/Good.class"));
    ASSERT_EQ(main.notices.size(), 1);
    EXPECT_TRUE(main.notices[0].startsWith("コンパイルしました: Good Name.java（"));
    Compile("-verbose.java", "class Minus { }\n");
    Compile("@Hello.java", "class At { }\n");
    EXPECT_TRUE(root.Exists("my src/Minus.class") && root.Exists("my src/At.class"));
    Compile("Broken.java", "class Broken { int x }\n");
    ASSERT_EQ(commands.shown.size(), 1);
    EXPECT_TRUE(commands.shown[0].startsWith("Broken.java:1:")) << commands.shown[0].toStdString();
    Compile("Both.java", "public class Both { public static void main(String[] a) throws Exception {\n"
                         "  System.err.println(\"to err\"); Thread.sleep(50); System.out.println(\"to out\"); } }\n");
    commands.OnRunJava();
    Compile("Quiet.java", "public class Quiet { public static void main(String[] a) { } }\n");
    commands.OnRunJava();
    EXPECT_EQ(commands.shown.mid(1), (QStringList{"to err\nto out\n", ""}));
    EXPECT_EQ(commands.outcomes.size(), 8);
    ASSERT_EQ(commands.hints.size(), 8);
    EXPECT_GE(commands.hints[0].jdkFeature, 17) << "read from the release file beside the tool folder";
    EXPECT_TRUE(commands.hints[5].programArguments);
}

// On every installed JDK and in any locale; javadoc writes UTF-8 and says where; a BOM goes when the user agrees.
TEST_F(RealJdkTest, SourcesInEveryEncodingCompileRunAndAreDocumented)
{
    const ScopedEnv locale("LC_ALL", "C");
    Options("[JavaOption]\nMsg=true\n");
    const QString text = "/** 日本語の説明 */\npublic class Nihongo { public static void main(String[] a) {\n"
                         "  System.out.println(\"こんにちは、世界\"); } }\n";
    const QStringList jdks = InstalledJdks();
    for (const QString& jdk : jdks) {
        main.jdk = jdk;
        for (const SourceEncoding encoding : kSourceEncodings) {
            const QString label = EncodingLabel(encoding);
            const QByteArray bytes = EncodedText(encoding, text);
            const QString file = QString::number(jdk.size()) + "/" + label + "/Nihongo.java";
            main.SetCurrentFile(root.Write(file, bytes));
            const bool marked = encoding == SourceEncoding::Utf8Bom;
            if (marked)
                dialogs.answers.push_back(MsgAnswer::Yes);
            commands.OnCompile();
            commands.OnRunJava();
            EXPECT_EQ(commands.shown.value(0), "こんにちは、世界\n") << (label + " " + jdk).toStdString();
            EXPECT_EQ(root.Read(file), marked ? bytes.mid(3) : bytes) << label.toStdString();
            if (encoding == SourceEncoding::ShiftJis) {
                commands.OnMakeDocument();
                EXPECT_EQ(main.notices.value(main.notices.size() - 1),
                          "ドキュメントの出力先: " + main.file.folder + "doc/");
                QDirIterator pages(main.file.folder, {"Nihongo.html"}, QDir::Files, QDirIterator::Subdirectories);
                ASSERT_TRUE(pages.hasNext()) << commands.shown.join("").toStdString();
                QFile page(pages.next());
                ASSERT_TRUE(page.open(QIODevice::ReadOnly));
                EXPECT_TRUE(page.readAll().contains("日本語の説明")) << jdk.toStdString();
            }
            commands.shown.clear();
        }
    }
    ASSERT_EQ(dialogs.messages.size(), jdks.size());
    const RecordedMessage& question = dialogs.messages.back();
    EXPECT_EQ(question.text, "次のファイルは先頭にバイトオーダーマーク（BOM）の付いた UTF-8 です。"
                             "javac と javadoc はこのマークを読めません。\n\n・Nihongo.java\n\n"
                             "マークを取り除きますか？ ファイルのほかの部分は変わりません。");
    EXPECT_EQ(std::tuple(question.caption, question.icon, question.buttons),
              std::tuple(QString("確認"), MsgIcon::Question, MsgButtons::YesNo));
    dialogs.messages.clear();
}

// The words of a first week, each alone in a Shift_JIS or EUC-JP source: Ctrl+C compiles it and says how it read
// it, Ctrl+J prints it.
TEST_F(RealJdkTest, LearnersWordsCompileAndPrintWithOneKeystrokeEach)
{
    Options("[JavaOption]\nMsg=true\n");
    const std::pair<const char*, SourceEncoding> words[] = {
        {"テスト", SourceEncoding::ShiftJis}, {"データ", SourceEncoding::ShiftJis}, {"表示", SourceEncoding::ShiftJis},
        {"、。", SourceEncoding::ShiftJis},   {"１２３", SourceEncoding::ShiftJis}, {"ﾃﾞｰﾀ", SourceEncoding::ShiftJis},
        {"こんにちは", SourceEncoding::EucJp}};
    for (const auto& [word, encoding] : words) {
        const QString text = QString("public class W { public static void main(String[] a) {\n"
                                     "  System.out.println(\"%1\"); } }\n")
                                 .arg(word);
        main.SetCurrentFile(root.Write(QString("%1/W.java").arg(word), EncodedText(encoding, text)));
        commands.OnCompile();
        EXPECT_TRUE(main.notices.value(main.notices.size() - 1)
                        .endsWith("\nW.java を " + EncodingLabel(encoding) + " として読みました"))
            << word;
        commands.OnRunJava();
        EXPECT_EQ(commands.shown, QStringList{QString(word) + "\n"});
        commands.shown.clear();
    }
}

// Kept, javac names each unreadable one; converted (the originals kept), all compile.
TEST_F(RealJdkTest, RebuildAsksAboutMarksAndDifferingEncodings)
{
    Options("[JavaOption]\nMsg=true\n");
    const QByteArray words =
        EncodedText(SourceEncoding::ShiftJis, "class Words { static final String HELLO = \"ｹﾞｰﾑ ｽﾀｰﾄ!\"; }\n");
    root.Write("my src/Words.java", words);
    root.Write("my src/Names.java", "class Names { static final String TARO = \"、太郎\"; }\n");
    root.Write("my src/Marked.java", "\xef\xbb\xbf"
                                     "class Marked { }\n");
    main.SetCurrentFile(root.Write("my src/Main.java", "public class Main { public static void main(String[] a) {\n"
                                                       "  System.out.println(Words.HELLO + Names.TARO); } }\n"));
    dialogs.answers = {MsgAnswer::No, MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Yes};
    commands.OnRebuild();
    ASSERT_EQ(commands.shown.size(), 1);
    EXPECT_TRUE(commands.shown[0].contains("Marked.java:1:") && commands.shown[0].contains("Words.java:1:"))
        << commands.shown[0].toStdString();
    commands.OnRebuild();
    commands.OnRunJava();
    EXPECT_EQ(commands.shown.mid(1), QStringList{"ｹﾞｰﾑ ｽﾀｰﾄ!、太郎\n"});
    EXPECT_EQ(root.Read("my src/Words.java.sjis"), words);
    EXPECT_EQ(root.Read("my src/Marked.java"), "class Marked { }\n");
    ASSERT_EQ(Messages().size(), 4);
    EXPECT_EQ(Messages()[1], "このフォルダの Java ソースの文字コードがそろっていません。"
                             "javac と javadoc はすべてを一つの文字コードで読みます。\n\n・Words.java（Shift_JIS）\n\n"
                             "これらを UTF-8 に変換しますか？ 元のファイルは Words.java.sjis のように残します。\n"
                             "いいえの場合はすべてを UTF-8 として読みます。");
    dialogs.messages.clear();
}

// Also run as the class file and rebuilt; a source outside its package's folders is explained.
TEST_F(RealJdkTest, PackagedClassesCompileAndRunFromTheirRoot)
{
    Options("[JavaOption]\nMsg=true\n");
    root.Write("my src/util/Helper.java",
               "package util; public class Helper { public static String hi() { return \"hi\"; } }");
    root.Write("my src/app/Other.java", "package app; class Other { }");
    Compile("app/Main.java",
            "package app;\nimport util.Helper;\npublic class Main { public static void main(String[] a) {\n"
            "  System.out.println(Helper.hi() + \" \" + Main.class.getName()); } }\n");
    EXPECT_TRUE(root.Exists("my src/app/Main.class") && root.Exists("my src/util/Helper.class"));
    commands.OnRunJava();
    commands.OnRebuild();
    EXPECT_TRUE(root.Exists("my src/app/Other.class"));
    main.SetCurrentFile(src + "app/Main.class");
    commands.OnRunJava();
    EXPECT_EQ(commands.shown, QStringList(2, "hi app.Main\n"));
    Compile("Lost.java", "package app.lost;\npublic class Lost { public static void main(String[] a) { } }\n");
    commands.OnRunJava();
    EXPECT_EQ(
        Messages(),
        QStringList{"Lost.java は「package app.lost;」を宣言していますが、パッケージと同じ名前のフォルダ "
                    "app/lost/ の中にありません。\nこのままでは java がクラス app.lost.Lost を見つけられません。\n"
                    "Lost.java を "
                    + src + "app/lost/ に移して開き直してください（" + src + " がパッケージのルートになります）。"});
    dialogs.messages.clear();
}

// What a learner's first week writes: one hint each, as JDK 17 and 25 print it in either locale.
const char* const kParseErrors[][2] = {
    {"Page.java", "<html>\n<body>\n<applet code=\"Test.class\" width=\"300\" height=\"200\">\n</applet>\n</body>\n"},
    {"Flood.java", "public class Flood {\n    void f() {\n　　int x = 1;　　　\n"
                   "        String s = \"　\";\n    }\n}\n"}};
const char* const kChallenge =
    "public class Tactics {\n    public static void main(String[] args) {\n        int n = 3;\n"
    "        if (n = 3) {\n            System.out.printn(\"three\");\n        }\n"
    "        System.out.printIn(args.length);\n        Item item = new List(\"apples\", 3);\n    }\n}\n"
    "public interface Move { void go(); }\npublic enum Side { LEFT, RIGHT }\n";
const char* const kRuns[][2] = {
    {"Base.java", "class Base extends javax.swing.JApplet { }\n"},
    {"Shown.java", "public class Shown extends Base { public void init() { } }\n"},
    {"Hello.java", "class Greeting { public static void main(String[] a) { } }\nclass Helper { }\n"},
    {"Faults.java", "public class Faults {\n    static int depth(int n) { return depth(n + 1) + 1; }\n"
                    "    public static void main(String[] args) throws Exception {\n        Runnable[] faults = {\n"
                    "            () -> System.out.println(args.length / (args.length - 2)),\n"
                    "            () -> { String s = null; System.out.println(s.length()); },\n"
                    "            () -> System.out.println(Integer.parseInt(\"12a\")),\n"
                    "            () -> depth(0),\n            () -> System.out.println(args[2])};\n"
                    "        for (Runnable fault : faults) {\n            Thread thread = new Thread(fault);\n"
                    "            thread.start();\n            thread.join();\n        }\n"
                    "        System.out.println(\"Index 2: \" + Integer.parseInt(\"2\") / 1);\n    }\n}\n"}};

void ExpectHints(const QStringList& hints, const QStringList& parts, const QString& jdk)
{
    ASSERT_EQ(hints.size(), parts.size()) << (jdk + "\n" + hints.join('\n')).toStdString();
    for (int i = 0; i < parts.size(); ++i)
        EXPECT_TRUE(hints[i].contains(parts[i])) << (jdk + "\n" + hints[i]).toStdString();
}

TEST_F(RealJdkTest, LearnersFirstErrorsGetOneFittingHintEachAndCorrectOutputNone)
{
    Options("[JavaOption]\nMsg=true\nArg=true\nStrArg=a b\n");
    root.Write("my src/learner/Shop.java", "class Item { }\nclass List extends Item { List(String n, int c) { } }\n");
    for (const auto& [name, text] : kParseErrors)
        root.Write(QString("my src/parse/") + name, text);
    for (const QString& jdk : InstalledJdks()) {
        main.jdk = jdk;
        for (const auto& [name, text] : kRuns)
            main.SetCurrentFile(root.Write(QString::number(jdk.size()) + "/" + name, text));
        commands.OnRebuild();
        EXPECT_EQ(ShownHints(), QStringList()) << "the applet API's removal warnings";
        for (const char* locale : {"C", "ja_JP.UTF-8"}) {
            const ScopedEnv env("LC_ALL", locale);
            const QString label = jdk + " " + locale;
            main.SetCurrentFile(src + "parse/Page.java");
            commands.OnRebuild();
            ExpectHints(ShownHints(), {"3 行 1 文字目など 5 か所に全角スペース", "HTML のよう"}, label);
            Compile("learner/Challenge06.java", kChallenge);
            ExpectHints(ShownHints(),
                        {"public の型が 3 つ", "== と書いて", "printn ではなく println",
                         "printIn ではなく println と書いてください（大文字の I ではなく小文字の l）"},
                        label);
            main.SetCurrentFile(root.Path(QString::number(jdk.size()) + "/Shown.java"));
            commands.OnRunJava();
            ExpectHints(ShownHints(), {"AppletViewerで実行"}, label);
            main.SetCurrentFile(root.Path(QString::number(jdk.size()) + "/Faults.java"));
            commands.OnRunJava();
            ExpectHints(ShownHints(), {"0 で割りました", "null", "「12a」", "再帰", "プログラム引数は 2 個"}, label);
        }
        main.SetCurrentFile(root.Path(QString::number(jdk.size()) + "/Hello.java"));
        commands.OnRunJava();
        ASSERT_EQ(Messages().size(), 1);
        EXPECT_TRUE(
            Messages()[0].startsWith("Hello.classは存在しません\n\nHello.java からできたクラスは Greeting、Helper"))
            << Messages()[0].toStdString();
        dialogs.messages.clear();
    }
}

}  // namespace
