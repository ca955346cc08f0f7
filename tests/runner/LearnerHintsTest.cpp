// The hint table against what javac 17 and 25 and their java launchers
// print in the C and the Japanese locale.
#include "runner/OutputMarkup.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* output;  // one stream's lines
    const char* hint;    // a part of the only hint; empty: none
    int jdk = 17;
    bool arguments = false;
};

const Case kCases[] = {
    {"Sp.java:3: error: illegal character: '\\u3000'\n        int x?= 1;\n             ^\n1 error",
     "3 行 14 文字目に全角スペースがあります"},
    {"Sp.java:3: エラー: '\\u3000'は不正な文字です\n        int x　= 1;\n             ^\nエラー1個",
     "3 行 14 文字目に全角スペース"},
    {"Semi.java:3: error: illegal character: '\\uff1b'\n        int x = 1?\n                 ^",
     "3 行 18 文字目の「；」は全角文字です。半角の「;」を入力"},
    {"Semi.java:4: エラー: '\\uff08'は不正な文字です\n        System.out.println（x);\n                          ^\n"
     "Semi.java:4: エラー: 文ではありません\n        System.out.println（x);\n                  ^",
     "4 行 27 文字目の「（」は全角文字です。半角の「(」"},
    {"Tab.java:3: error: illegal character: '\\uff1b'\n\t\tString s = \"😀\"；\n\t\t               ^",
     "3 行 17 文字目の「；」"},
    {"Bom.java:1: error: illegal character: '\\ufeff'\n?public class Bom {}\n^", ""},
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
     "  symbol:   class Scanner\n  location: class Imp",
     "先頭（クラスの前）に import java.util.Scanner; と書いて"},
    {"Imp.java:4: エラー: シンボルを見つけられません\n        ArrayList<String> a = new ArrayList<>();\n        ^\n"
     "  シンボル:   クラス ArrayList\n  場所: クラス Imp",
     "import java.util.ArrayList;"},
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
    {"Compact.java:1: エラー: class, interface, enumまたはrecordがありません\nvoid main() {\n^", "JDK 25 から"},
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
    {"エラー: メイン・クラスMissingを検出およびロードできませんでした\n原因: java.lang.ClassNotFoundException: Missing",
     "クラス Missing のクラスファイル"},
    {"エラー: メイン・クラスjp.example.Main.classを検出およびロードできませんでした\n"
     "原因: java.lang.ClassNotFoundException: jp.example.Main.class",
     "クラス名を渡します（.class を付けません）"},
    {"Error: Could not find or load main class Main\n"
     "Caused by: java.lang.NoClassDefFoundError: Main (wrong name: jp/example/Main)",
     "パッケージ jp.example に属します。jp/example フォルダーを含むフォルダー（パッケージのルート）で java "
     "jp.example.Main と実行"},
    {"エラー: メイン・クラスMainを検出およびロードできませんでした\n"
     "原因: java.lang.NoClassDefFoundError: Main (wrong name: jp/example/Main)",
     "java jp.example.Main"},
    {"Error: LinkageError occurred while loading main class Compact\n"
     "\tjava.lang.UnsupportedClassVersionError: Compact has been compiled by a more recent version of the Java Runtime "
     "(class file version 69.0), this version of the Java Runtime only recognizes class file versions up to 61.0",
     "Compact は JDK 25 でコンパイルされていて（クラスファイルのバージョン 69）、実行した JDK 17 では動きません"},
    {"エラー: メイン・クラスNoMainのロード中にLinkageErrorが発生しました\n"
     "\tjava.lang.UnsupportedClassVersionError: NoMain has been compiled by a more recent version of the Java Runtime "
     "(class file version 69.0), this version of the Java Runtime only recognizes class file versions up to 61.0",
     "「JDK選択」で JDK 25 以降を選んで"},
    {"Exception in thread \"main\" java.util.InputMismatchException\n"
     "\tat java.base/java.util.Scanner.throwFor(Scanner.java:939)\n\tat In.main(In.java:5)",
     "数として読めない入力"},
    {"Exception in thread \"main\" java.util.NoSuchElementException\n"
     "\tat java.base/java.util.Scanner.throwFor(Scanner.java:975)\n\tat In.main(In.java:5)",
     "読む入力がもう残っていません", 25},
    {"Exception in thread \"main\" java.lang.ArrayIndexOutOfBoundsException: Index 0 out of bounds for length 0\n"
     "\tat Args.main(Args.java:3)",
     "「オプション設定」の「実行(java)」タブで「実行時引数」に値を入れて"},
    {"Exception in thread \"main\" java.lang.ArrayIndexOutOfBoundsException: Index 0 out of bounds for length 0", "",
     17, true},
};

// Each line goes through the chain as the output window gives it.
QStringList Hints(const Case& c)
{
    runner::HintContext context;
    context.jdkFeature = c.jdk;
    context.programArguments = c.arguments;
    runner::MarkupChain chain(context);
    QStringList hints;
    for (const QString& line : QString::fromUtf8(c.output).split('\n')) {
        const runner::Markup markup = chain.MarkLine(line, runner::Stream::Error);
        hints << markup.hintBefore << markup.hint;
    }
    hints << chain.Finish(runner::Stream::Error);
    hints.removeAll(QString());
    return hints;
}

TEST(LearnerHints, OneJapaneseHintUnderEachMessageTheTableKnows)
{
    for (const Case& c : kCases) {
        const QStringList hints = Hints(c);
        const QString expected = QString::fromUtf8(c.hint);
        SCOPED_TRACE(c.output);
        if (expected.isEmpty()) {
            EXPECT_EQ(hints, QStringList());
            continue;
        }
        ASSERT_EQ(hints.size(), 1) << hints.join('\n').toStdString();
        EXPECT_TRUE(hints[0].startsWith("ヒント: ") && hints[0].contains(expected) && !hints[0].contains('\n'))
            << hints[0].toStdString();
    }
}

}  // namespace
