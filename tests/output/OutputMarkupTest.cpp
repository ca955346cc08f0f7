// The markup of a tool's output, and the hints against what javac and java print in either locale.
#include "output/OutputMarkup.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace output;
using namespace runner;

namespace {

using Kind = SourceLink::Kind;

struct LinkCase {
    const char* name;
    const char* line;
    const char* shown = "";  // the part shown as the link; none when empty
    int lineNumber = 0;
    const char* package = "";
    Kind kind = Kind::Trace;
};

void ExpectLinks(LineParser& parser, const LinkCase& c)
{
    const QString line = QString::fromUtf8(c.line);
    Markup markup;
    parser.Parse(line, markup);
    ASSERT_EQ(markup.links.size(), *c.shown ? 1 : 0) << c.name;
    if (markup.links.isEmpty())
        return;
    const SourceLink& link = markup.links[0];
    EXPECT_EQ(line.mid(link.start, link.length), QString::fromUtf8(c.shown)) << c.name;
    EXPECT_TRUE(QString::fromUtf8(c.shown).startsWith(link.file + ':')) << c.name;
    EXPECT_EQ(link.line, c.lineNumber) << c.name;
    EXPECT_EQ(link.package, QString::fromUtf8(c.package)) << c.name;
    EXPECT_EQ(link.kind, c.kind) << c.name;
}

const LinkCase kJavacMessages[] = {
    {"error", "Hello.java:5: error: ';' expected", "Hello.java:5", 5, "", Kind::Error},
    {"a Japanese file name", "挨拶.java:3: エラー: 式の開始が不正です", "挨拶.java:3", 3, "", Kind::Error},
    {"a warning with a blank in the name", "My Hello.java:12: warning: [deprecation] x", "My Hello.java:12", 12, "",
     Kind::Warning},
    {"a warning in Japanese", "sub/計算.java:3: 警告: [removal]", "sub/計算.java:3", 3, "", Kind::Warning},
    {"an absolute path", "/home/u/A.java:7: error: x", "/home/u/A.java:7", 7, "", Kind::Error},
    {"the summary", "1 error"},
    {"a note", "Note: Hello.java uses unchecked or unsafe operations."},
    {"line zero", "A.java:0: error: x"},
    {"program output", "Hello.java:5 is my favourite line"},
    {"a source line quoting a message", "    String s = \"Hello.java:5: error: x\";"},
    {"a string at the start of a line", "\"A.java:1: error: x\""}};

TEST(JavacMessageParser, LinksTheFileAndLineOfEachMessage)
{
    for (const LinkCase& c : kJavacMessages) {
        JavacMessageParser parser({}, {});
        ExpectLinks(parser, c);
    }
}

const LinkCase kStackFrames[] = {
    {"a frame", "\tat Hello.main(Hello.java:9)", "Hello.java:9", 9},
    {"an inner class in a package", "\tat com.example.Tool$Inner.run(Tool.java:42)", "Tool.java:42", 42, "com.example"},
    {"a loader before the class", "\tat app//pkg.A.<init>(A.java:1)", "A.java:1", 1, "pkg"},
    {"a user's module", "\tat mymod@1.0/pkg.Main.main(Main.java:5)", "Main.java:5", 5, "pkg"},
    {"a Japanese package", "\tat 日本.パッケージ.クラス.メソッド(クラス.java:2)", "クラス.java:2", 2,
     "日本.パッケージ"},
    {"dollars, underscores and digits", "\tat _$x.y1.$_9(Z.java:4)", "Z.java:4", 4, "_$x"},
    {"a JDK module", "\tat java.base/java.lang.Thread.run(Thread.java:840)"},
    {"a JDK class without a module", "\tat java.lang.Thread.run(Thread.java:748)"},
    {"a Swing class without a module", "\tat javax.swing.JComponent.paint(JComponent.java:1056)"},
    {"a native method", "\tat java.base/jdk.internal.Foo.bar(Native Method)"},
    {"no source", "\tat Hello.main(Unknown Source)"},
    {"line zero", "\tat Hello.main(Hello.java:0)"},
    {"a name starting with a digit", "\tat 9x.main(9x.java:1)"}};

TEST(StackFrameParser, LinksFramesInAnyScriptButNotTheJdksOwn)
{
    StackFrameParser parser;
    for (const LinkCase& c : kStackFrames)
        ExpectLinks(parser, c);
}

// What javac prints for one message: the message, the source line it quotes, a caret and details.
const char* const kEnglish[] = {"Sym.java:2: error: cannot find symbol",
                                "    void f() { int y = Sytem.x; String s = \"Hello.java:5: error: x\"; }",
                                "                       ^",
                                "  symbol:   variable Sytem",
                                "  location: class Sym",
                                "1 error"};
const char* const kJapanese[] = {"Sym.java:2: エラー: シンボルを見つけられません",
                                 "    void f() { int y = Sytem.x; }",
                                 "                       ^",
                                 "  シンボル:   変数 Sytem",
                                 "  場所: クラス Sym",
                                 "Sym.java:3: 警告: a warning gets no hint",
                                 "Sym.java:4: エラー: a third",
                                 "エラー2個"};

// Hints that show what a rule sees.
QString MessageSeen(const JavacMessage& m, const HintContext& context)
{
    return QStringLiteral("%1 %2 [%3] col %4 %5 in %6")
        .arg(m.file, QString::number(m.line), m.text, QString::number(m.caretColumn), m.details.join('|'),
             context.folder);
}
QString ExceptionSeen(QStringView line, const HintContext& context)
{
    return line.startsWith(u"Exception in thread") && !context.programArguments ? QStringLiteral("no arguments")
                                                                                : QString();
}

// Each line's markup, as "kind,link,hint before|hint".
QStringList Marked(MarkupChain& chain, const QList<const char*>& lines, Stream stream = Stream::Error)
{
    QStringList marks;
    for (const char* text : lines) {
        const Markup m = chain.MarkLine(QString::fromUtf8(text), stream);
        const QString kind = !m.counted ? "" : *m.counted == Kind::Error ? "E" : "W";
        marks << QStringLiteral("%1,%2,%3|%4").arg(kind).arg(m.links.size()).arg(m.hintBefore, m.hint);
    }
    marks << "end:" + chain.Finish(stream);
    return marks;
}

TEST(MarkupChain, AMessageOwnsItsQuotedLinesAndItsHintFollowsItsLastLine)
{
    const QList<HintRule> rules{{"seen", MessageSeen, ExceptionSeen}};
    HintContext context;
    context.folder = "/w/";
    MarkupChain chain(context, rules);
    EXPECT_EQ(Marked(chain, {std::begin(kEnglish), std::end(kEnglish)}),
              (QStringList{"E,1,|", ",0,|", ",0,|", ",0,|", ",0,|",
                           ",0,ヒント: Sym.java 2 [cannot find symbol] col 23 symbol:   variable Sytem|location: "
                           "class Sym in /w/|",
                           "end:"}));
    EXPECT_EQ(Marked(chain, {std::begin(kJapanese), std::end(kJapanese)}),
              (QStringList{"E,1,|", ",0,|", ",0,|", ",0,|", ",0,|",
                           "W,1,ヒント: Sym.java 2 [シンボルを見つけられません] col 23 シンボル:   変数 Sytem|場所: "
                           "クラス Sym in /w/|",
                           "E,1,|", ",0,|", "end:ヒント: Sym.java 4 [a third] col -1  in /w/"}))
        << "a message ends at the next one; the last one at the end of the stream";
    EXPECT_EQ(Marked(chain, {"Exception in thread \"main\" java.lang.Error", "\tat A.main(A.java:1)"}, Stream::Output),
              (QStringList{",0,|", ",1,|", "end:ヒント: no arguments"}))
        << "a line's hint goes under its whole stack trace";
    EXPECT_EQ(Marked(chain,
                     {"Exception in thread \"main\" java.lang.Error", "\tat A.main(A.java:1)", "\t... 2 more", "next"},
                     Stream::Output),
              (QStringList{",0,|", ",1,|", ",0,|", ",0,ヒント: no arguments|", "end:"}));
    EXPECT_EQ(Marked(chain, {"Sym.java:2: error: x"}, Stream::Input), (QStringList{",0,|", "end:"}))
        << "typed input is never marked up";
}

// A program's output between javac's lines does not end a message on standard error.
TEST(MarkupChain, KeepsEachStreamsMessageApartAndSaysWhenALineMayBeMarked)
{
    MarkupChain chain;
    EXPECT_FALSE(chain.MayMark(u"plain\ntext\n", Stream::Error));
    EXPECT_TRUE(
        chain.MayMark(u"plain\nException in thread \"main\" java.util.InputMismatchException\n", Stream::Output))
        << "a line that a line rule may hint";
    EXPECT_TRUE(chain.MayMark(u"A.java:1: error: x\n", Stream::Error));
    chain.MarkLine(u"A.java:1: error: x", Stream::Error);
    EXPECT_TRUE(chain.MayMark(u"plain\n", Stream::Error)) << "the source line is the message's";
    EXPECT_FALSE(chain.MayMark(u"plain\n", Stream::Output));
    EXPECT_FALSE(chain.MarkLine(u"B.java:2: error: y", Stream::Output).links.isEmpty());
    EXPECT_TRUE(chain.MarkLine(u"\tat Q.m(Q.java:3)", Stream::Error).links.isEmpty())
        << "the source line of the message on standard error, with a message on standard output between";
    QList<int> columns;
    for (const QString& line : QString("F.java:3: error: illegal character: '\\u3000'\n　　x\n^\n"
                                       "F.java:3: error: illegal character: '\\u3000'\n　　x\n ^")
                                   .split('\n'))
        columns << chain.MarkLine(line, Stream::Error).column;
    EXPECT_EQ(columns, (QList<int>{0, 0, 1, 0, 0, 2})) << "a repeated message's link opens its own column";
}

TEST(LinkResolver, OpensThePackagesFileFirstAndOnlyFilesThatExist)
{
    TempFolder p;
    p.Write("Helper.java");
    p.Write("util/Helper.java");
    LinkResolver resolver(p.Path());
    const auto resolve = [&](const char* package, const char* file) {
        return resolver.Resolve({.kind = Kind::Trace, .file = file, .package = package});
    };
    EXPECT_EQ(resolve("util", "Helper.java"), p.Path("util/Helper.java"));
    EXPECT_EQ(resolve("", "Helper.java"), p.Path("Helper.java"));
    EXPECT_EQ(resolve("other", "Helper.java"), p.Path("Helper.java")) << "the current file in its package's folder";
    EXPECT_EQ(resolve("", "Missing.java"), "");
}

struct HintCase {
    const char* output;  // one stream's lines
    const char* hint;    // a part of each hint, separated by "|"; empty: none
    int jdk = 17;
    int arguments = 0;
};

const HintCase kHints[] = {
    {"Semi.java:4: エラー: '\\uff08'は不正な文字です\n        System.out.println（x);\n                          ^\n"
     "Semi.java:4: エラー: 文ではありません\n        System.out.println（x);\n                  ^",
     "4 行 27 文字目の「（」は全角文字です。半角の「(」"},
    {"Tab.java:3: error: illegal character: '\\uff1b'\n\t\tString s = \"😀\"；\n\t\t               ^",
     "3 行 17 文字目の「；」は全角文字です。半角の「;」を入力"},
    {"P.java:4: error: illegal character: '\\uff08'\n  f（（）;\n   ^\nP.java:4: error: illegal character: '\\uff08'\n"
     "  f（（）;\n    ^\nP.java:4: error: illegal character: '\\uff09'\n  f（（）;\n     ^\n"
     "P.java:5: error: illegal character: '\\uff08'\n  g（);\n   ^",
     "4 行 4 文字目など 2 か所の「（」|4 行 6 文字目の「）」|5 行 4 文字目の「（」"},
    {"Bom.java:1: error: illegal character: '\\ufeff'\n?public class Bom {}\n^", "先頭にバイトオーダーマーク（BOM）"},
    {"A.java:1: error: unmappable character (0x8365) for encoding EUC-JP\nclass A { String s = \"???\"; }\n   ^",
     "EUC-JP として読まれましたが、EUC-JP にない文字（0x8365）があります。"},
    {"A.java:1: エラー: この文字(0x8175)は、エンコーディングwindows-31jにマップできません\n// ?\n   ^",
     "その他のコンパイルオプション」に -encoding と文字コード名を書いてください（例: -encoding UTF-8）"},
    {"Named.java:1: error: class Wrong is public, should be declared in a file named Wrong.java\npublic class Wrong "
     "{\n       ^",
     "public の Wrong は Wrong.java という名前のファイルに書きます。ファイル名を Wrong.java にするか、"
     "クラス名をファイル名と同じ Named に"},
    {"Named.java:1: エラー: クラス Wrongはpublicであり、ファイルWrong.javaで宣言する必要があります\npublic class "
     "Wrong {\n       ^",
     "Wrong.java という名前のファイル"},
    {"Case.java:2: error: cannot find symbol\n    public static void main(string[] args) {\n                            ^\n"
     "  symbol:   class string\n  location: class Case",
     "string ではなく String と書いて"},
    {"Case.java:4: エラー: シンボルを見つけられません\n        scanner s = null;\n        ^\n  シンボル:   クラス scanner\n"
     "  場所: クラス Case",
     "scanner ではなく Scanner"},
    {"Case.java:3: error: package system does not exist\n        system.out.println(1);\n              ^",
     "system ではなく System"},
    {"Case.java:3: エラー: パッケージsystemは存在しません\n        system.out.println(1);\n              ^",
     "system ではなく System"},
    {"Imp.java:3: error: cannot find symbol\n        Scanner sc = new Scanner(System.in);\n        ^\n"
     "  symbol:   class Scanner\n  location: class Imp\nImp.java:3: error: cannot find symbol\n"
     "        Scanner sc = new Scanner(System.in);\n                         ^\n"
     "  symbol:   class Scanner\n  location: class Imp",
     "先頭（クラスの前）に import java.util.Scanner; と書いて"},
    {"M.java:3: error: cannot find symbol\n        System.out.Println(1);\n                  ^\n"
     "  symbol:   method Println(int)\n  location: variable out of type PrintStream\n"
     "M.java:5: error: cannot find symbol\n        list.ad(1);\n            ^\n"
     "  symbol:   method ad(int)\n  location: variable list of type ArrayList<Integer>\n"
     "M.java:6: error: cannot find symbol\n        game.printn(1);\n            ^\n"
     "  symbol:   method printn(int)\n  location: variable game of type Game",
     "大文字と小文字を区別します。Println ではなく println|ad ではなく add"},
    {"B.java:3: error: incompatible types: int cannot be converted to boolean\n        boolean b = n;\n"
     "                    ^",
     ""},
    {"Own.java:4: error: cannot find symbol\n        list.add(1);\n        ^\n  symbol:   variable list\n"
     "  location: class Own",
     ""},
    {"Own.java:5: error: cannot find symbol\n        int n = math.max(1, 2);\n                ^\n"
     "  symbol:   variable math\n  location: class Own",
     "math ではなく Math"},
    {"Compact.java:1: error: class, interface, enum, or record expected\nvoid main() {\n^\n"
     "Compact.java:3: error: class, interface, enum, or record expected\n}\n^\n2 errors",
     "void main() のファイルは JDK 25 から実行できます（この JDK は 17）。「JDK選択」で JDK 25 以降を選ぶか、"
     "全体を public class Compact { … } で囲み"},
    {"Error: Main method not found in class NoMain, please define the main method as:\n"
     "   public static void main(String[] args)\n"
     "or a JavaFX application class must extend javafx.application.Application",
     "main メソッドは public static void main(String[] args) と書きます"},
    {"エラー: メイン・メソッドがクラスNoMainで見つかりません。次のようにメイン・メソッドを定義してください。\n"
     "   public static void main(String[] args)\n"
     "またはJavaFXアプリケーション・クラスはjavafx.application.Applicationを拡張する必要があります",
     "public static void main(String[] args) と書きます"},
    {"Error: Could not find or load main class Missing\nCaused by: java.lang.ClassNotFoundException: Missing",
     "クラス Missing のクラスファイルが見つかりません"},
    {"エラー: メイン・クラスjp.example.Main.classを検出およびロードできませんでした\n"
     "原因: java.lang.ClassNotFoundException: jp.example.Main.class",
     "クラス名を渡します（.class を付けません）"},
    {"Error: Could not find or load main class Main\n"
     "Caused by: java.lang.NoClassDefFoundError: Main (wrong name: jp/example/Main)",
     "パッケージ jp.example に属します。jp/example フォルダーを含むフォルダー（パッケージのルート）で java "
     "jp.example.Main と実行"},
    {"Error: LinkageError occurred while loading main class Compact\n"
     "\tjava.lang.UnsupportedClassVersionError: Compact has been compiled by a more recent version of the Java Runtime "
     "(class file version 69.0), this version of the Java Runtime only recognizes class file versions up to 61.0",
     "Compact は JDK 25 でコンパイルされていて（クラスファイルのバージョン 69）、実行した JDK 17 では動きません。"
     "この JDK でコンパイルし直すか、「JDK選択」で JDK 25 以降を選んで"},
    {"Exception in thread \"main\" java.util.InputMismatchException\n"
     "\tat java.base/java.util.Scanner.throwFor(Scanner.java:939)\n\tat In.main(In.java:5)",
     "数として読めない入力"},
    {"Exception in thread \"main\" java.util.NoSuchElementException\n"
     "\tat java.base/java.util.Scanner.throwFor(Scanner.java:975)\n\tat In.main(In.java:5)",
     "読む入力がもう残っていません", 25},
    {"Exception in thread \"main\" java.lang.ArrayIndexOutOfBoundsException: Index 0 out of bounds for length 0\n"
     "\tat Args.main(Args.java:3)",
     "「オプション設定」の「実行(java)」タブで「実行時引数」に値を入れて"},
    {"Exception in thread \"main\" java.lang.ArrayIndexOutOfBoundsException: Index 0 out of bounds for length 0",
     "長さ 0 の配列には要素がありません。配列を作る", 17, 1},
    {"Exception in thread \"main\" java.lang.ArrayIndexOutOfBoundsException: Index 3 out of bounds for length 3",
     "（使えるのは 0 〜 2）。for 文の条件"},
    {"Exception in thread \"main\" java.lang.NullPointerException: Cannot invoke \"String.length()\" because "
     "\"name\" is null",
     "name が null"},
    {"Exception in thread \"main\" java.lang.NumberFormatException: For input string: \"\"", "空の文字列は数に"},
};

// Each line goes through the chain as the output window gives it.
QStringList Hints(const QString& output, const HintContext& context)
{
    MarkupChain chain(context);
    QStringList hints;
    for (const QString& line : output.split('\n')) {
        const Markup markup = chain.MarkLine(line, Stream::Error);
        hints << markup.hintBefore << markup.hint;
    }
    hints << chain.Finish(Stream::Error);
    hints.removeAll(QString());
    return hints;
}

void ExpectHints(const QString& output, const HintContext& context, const QString& parts)
{
    const QStringList hints = Hints(output, context);
    const QStringList expected = parts.isEmpty() ? QStringList() : parts.split('|');
    SCOPED_TRACE(output.toStdString());
    ASSERT_EQ(hints.size(), expected.size()) << hints.join('\n').toStdString();
    for (int i = 0; i < hints.size(); ++i)
        EXPECT_TRUE(hints[i].startsWith("ヒント: ") && hints[i].contains(expected[i]) && !hints[i].contains('\n'))
            << hints[i].toStdString();
}

TEST(LearnerHints, OneJapaneseHintUnderEachMessageTheTableKnows)
{
    for (const HintCase& c : kHints)
        ExpectHints(QString::fromUtf8(c.output), {.jdkFeature = c.jdk, .programArguments = c.arguments},
                    QString::fromUtf8(c.hint));
}

// A class the learner wrote in another source, beside the file or in its package root, is no JDK class to import.
TEST(LearnerHints, ReadTheLearnersSourcesBeforeSuggestingAnImportOrARename)
{
    TempFolder root;
    root.Write("List.java", "public class List { }\n");
    root.Write("app/Shop.java", "package app;\nclass Item { }\n// class Random\nclass Map extends Item { }\n");
    root.Write("app/Uses.java", "package app;\npublic class Uses { }\npublic class Extra { }\n");
    const auto missing = [](const char* name, int column) {
        return QString("app/Uses.java:9: error: cannot find symbol\n        %1 x = new %1();\n%2^\n"
                       "  symbol:   class %1\n  location: class Uses\n")
            .arg(name, QString(column, ' '));
    };
    ExpectHints(missing("List", 8) + missing("Map", 8) + missing("Random", 8)
                    + "app/Uses.java:3: error: class Extra is public, should be declared in a file named Extra.java\n"
                      "public class Extra { }\n       ^",
                {.folder = root.Path()},
                "import java.util.Random;|public の型が 2 つあります（Uses、Extra）。1 つのファイルに書ける public の"
                "クラス・インタフェースなどは 1 つだけです。ファイル名と同じ名前の Uses のほかは public を外して");
}

}  // namespace
