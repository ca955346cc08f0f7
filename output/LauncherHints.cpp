// Hints for the lines of the java launcher and of a program's uncaught
// exception. These rules see every plain line of a program's output, so
// each rejects on the line's first characters before it reads further.
#include "java/ClassFile.h"
#include "output/LearnerHints.h"

#include <QRegularExpression>

namespace output {

namespace {

constexpr int kClassFileVersionOfJdk1 = 44;  // class file version 61 is JDK 17

bool StartsWith(QStringView line, QStringView start)
{
    return !line.isEmpty() && line.front() == start.front() && line.startsWith(start);
}

// "X has been compiled by a more recent version of the Java Runtime (class
// file version 69.0), this version of the Java Runtime only recognizes class
// file versions up to 61.0"
QString ClassVersionHint(QStringView error, const HintContext& context)
{
    static const QRegularExpression versions(
        QStringLiteral(R"(^(\S+) has been compiled .*class file version (\d+).*up to (\d+))"));
    const QRegularExpressionMatch match = versions.match(error);
    if (!match.hasMatch())
        return {};
    const int compiledBy = match.captured(2).toInt() - kClassFileVersionOfJdk1;
    const int runsUpTo = match.captured(3).toInt() - kClassFileVersionOfJdk1;
    const int running = runsUpTo > 0 ? runsUpTo : context.jdkFeature;
    return QStringLiteral(
               "%1 は JDK %2 でコンパイルされていて（クラスファイルのバージョン %3）、実行した JDK%4 では動きません。"
               "この JDK でコンパイルし直すか、「JDK選択」で JDK %2 以降を選んでください")
        .arg(match.captured(1))
        .arg(compiledBy)
        .arg(match.captured(2).toInt())
        .arg(running > 0 ? QStringLiteral(" %1").arg(running) : QString());
}

// "\tjava.lang.UnsupportedClassVersionError: …" under the launcher's LinkageError.
QString LinkageHint(QStringView line, const HintContext& context)
{
    constexpr QStringView kError = u"\tjava.lang.UnsupportedClassVersionError: ";
    return StartsWith(line, kError) ? ClassVersionHint(line.mid(kError.size()), context) : QString();
}

// "Index 3 out of bounds for length 2": an array of as many elements as the
// program got arguments is taken for args.
QString IndexHint(QStringView exception, const HintContext& context)
{
    static const QRegularExpression bounds(QStringLiteral(R"(: Index (-?\d+) out of bounds for length (\d+)$)"));
    const QRegularExpressionMatch match = bounds.match(exception);
    if (!match.hasMatch())
        return {};
    const int index = match.captured(1).toInt();
    const int length = match.captured(2).toInt();
    if (length == 0 && context.programArguments == 0)
        return QStringLiteral(
            "プログラム引数が渡されていません（args の長さが 0）。「オプション設定」の「実行(java)」タブで"
            "「実行時引数」に値を入れてから実行してください");
    const QString element = length == 0
                                ? QStringLiteral("長さ 0 の配列には要素がありません。")
                                : QStringLiteral("長さ %1 の配列に添字 %2 の要素はありません（使えるのは 0 〜 %3）。")
                                      .arg(length)
                                      .arg(index)
                                      .arg(length - 1);
    if (length == context.programArguments)
        return element
               + QStringLiteral("args なら、プログラム引数は %1 個です。「オプション設定」の「実行(java)」タブの"
                                "「実行時引数」を確かめてください")
                     .arg(length);
    if (length == 0)
        return element + QStringLiteral("配列を作るときの長さ（new int[n] の n）を確かめてください");
    return element + QStringLiteral("for 文の条件（<= ではなく <）や添字の計算を確かめてください");
}

// "Cannot invoke "String.length()" because "s" is null": the variable when
// javac kept its name (javac -g), else "<local1>".
QString NullHint(QStringView exception)
{
    constexpr QStringView kBecause = u"because \"";
    const qsizetype at = exception.indexOf(kBecause);
    const qsizetype end = at < 0 ? -1 : exception.indexOf(u"\" is null", at);
    const QStringView name = end < 0 ? QStringView() : exception.mid(at + kBecause.size(), end - at - kBecause.size());
    if (name.isEmpty() || name.startsWith(u'<'))
        return QStringLiteral("null（何も指していない）の変数で、メソッドを呼んだり配列やフィールドを使ったりしました。"
                              "new などで値を入れてから使ってください");
    return QStringLiteral("%1 が null（何も指していない）のまま、メソッドを呼んだり配列やフィールドを使ったりしました。"
                          "%1 に new などで値を入れてから使ってください")
        .arg(name);
}

// "For input string: "12a"" (also " under radix 16" after it).
QString NumberHint(QStringView input)
{
    if (input.isEmpty())
        return QStringLiteral(
            "空の文字列は数に変換できません。入力があるかを確かめてから Integer.parseInt などに渡してください");
    return QStringLiteral("「%1」は数として読めません。Integer.parseInt などに渡す文字列が数だけかを確かめてください"
                          "（前後の空白や、int に収まらない桁も読めません）")
        .arg(input);
}

// The first errors of a learner's program, by the exception's class and message.
QString ProgramErrorHint(QStringView exception, const HintContext& context)
{
    constexpr QStringView kNumber = u"java.lang.NumberFormatException: For input string: \"";
    if (exception.startsWith(u"java.util.InputMismatchException"))
        return QStringLiteral("Scanner が数を読むところに、数として読めない入力（文字や小数点など）がありました。"
                              "入力した値を確かめてください");
    if (exception.startsWith(u"java.util.NoSuchElementException"))
        return QStringLiteral("読む入力がもう残っていません。Scanner が読む数だけ値を入力してください"
                              "（入力終了の後は読めません。hasNext…() で先に確かめられます）");
    if (exception.startsWith(u"java.lang.ArrayIndexOutOfBoundsException"))
        return IndexHint(exception, context);
    if (exception == u"java.lang.ArithmeticException: / by zero")
        return QStringLiteral("整数を 0 で割りました（/ や %）。割る数が 0 にならないかを確かめてください");
    if (exception.startsWith(u"java.lang.NullPointerException"))
        return NullHint(exception);
    if (exception.startsWith(kNumber)) {
        const QStringView rest = exception.mid(kNumber.size());
        return NumberHint(rest.left(rest.lastIndexOf(u'"')));
    }
    if (exception == u"java.lang.StackOverflowError")
        return QStringLiteral("メソッドが自分自身を呼び続けて（再帰が止まらずに）、呼び出しが深くなりすぎました。"
                              "再帰を止める条件（if で return するところ）を確かめてください");
    return {};
}

// "Exception in thread "main" java.util.InputMismatchException" and others
// a learner's first programs throw.
QString ExceptionHint(QStringView line, const HintContext& context)
{
    constexpr QStringView kThread = u"Exception in thread \"";
    if (!StartsWith(line, kThread))
        return {};
    const qsizetype nameEnd = line.indexOf(u"\" ", kThread.size());
    if (nameEnd < 0)
        return {};
    const QStringView exception = line.mid(nameEnd + 2);
    constexpr QStringView kVersion = u"java.lang.UnsupportedClassVersionError: ";
    return exception.startsWith(kVersion) ? ClassVersionHint(exception.mid(kVersion.size()), context)
                                          : ProgramErrorHint(exception, context);
}

// "Caused by: …" (「原因: …」) under "Could not find or load main class X".
QString MainClassHint(QStringView line, const HintContext&)
{
    QStringView cause;
    for (const QStringView start : {u"Caused by: ", u"原因: "}) {
        if (StartsWith(line, start))
            cause = line.mid(start.size());
    }
    constexpr QStringView kNotFound = u"java.lang.ClassNotFoundException: ";
    if (cause.startsWith(kNotFound)) {
        const QStringView name = cause.mid(kNotFound.size());
        if (name.endsWith(u".class") || name.endsWith(u".java"))
            return QStringLiteral("java にはファイル名ではなくクラス名を渡します（%1 を付けません）")
                .arg(name.mid(name.lastIndexOf(QLatin1Char('.'))));
        return QStringLiteral("クラス %1 のクラスファイルが見つかりません。先にコンパイルしたか、"
                              "クラス名の綴りと大文字・小文字を確かめてください")
            .arg(name);
    }
    constexpr QStringView kWrongName = u"(wrong name: ";
    const qsizetype wrong = cause.startsWith(u"java.lang.NoClassDefFoundError: ") ? cause.indexOf(kWrongName) : -1;
    if (wrong < 0 || !cause.endsWith(u')'))
        return {};
    const QString real = cause.mid(wrong + kWrongName.size()).chopped(1).toString();
    const qsizetype slash = real.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QStringLiteral("このクラスはパッケージに属しません（package 文がありません）。"
                              "クラスファイルのあるフォルダーで java %1 と実行してください")
            .arg(real);
    return QStringLiteral("このクラスはパッケージ %1 に属します。%2 フォルダーを含むフォルダー（パッケージのルート）で "
                          "java %3 と実行してください")
        .arg(real.left(slash).replace(QLatin1Char('/'), QLatin1Char('.')), real.left(slash),
             QString(real).replace(QLatin1Char('/'), QLatin1Char('.')));
}

// The last line of "Main method not found in class X, please define …":
// an applet has no main and is shown by an applet viewer instead.
QString MainMethodHint(QStringView line, const HintContext& context)
{
    if (!StartsWith(line, u"or a JavaFX application class")
        && !StartsWith(line, u"またはJavaFXアプリケーション・クラス"))
        return {};
    if (!context.folder.isEmpty() && !context.className.isEmpty()
        && java::IsAppletClass(context.folder, context.className))
        return QStringLiteral(
                   "%1 はアプレット（Applet か JApplet を継承したクラス）なので、java では実行できません。"
                   "「Html生成」（Ctrl+H）でページを作り、「AppletViewerで実行」（Ctrl+V）で実行してください")
            .arg(context.className.mid(context.className.lastIndexOf(QLatin1Char('.')) + 1));
    return QStringLiteral("main メソッドは public static void main(String[] args) と書きます"
                          "（static・void・String[] の綴りと大文字・小文字を確かめてください）");
}

}  // namespace

QList<HintRule> LauncherHintRules()
{
    // Every line these rules hint names a class of java.* or javafx.*.
    constexpr QStringView kMarker = u"java";
    return {{"uncaught exception", nullptr, ExceptionHint, kMarker},
            {"main class not found", nullptr, MainClassHint, kMarker},
            {"main method not found", nullptr, MainMethodHint, kMarker},
            {"class of a newer JDK", nullptr, LinkageHint, kMarker}};
}

}  // namespace output
