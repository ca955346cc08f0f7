// Hints for the lines of the java launcher and of a program's uncaught
// exception. These rules see every plain line of a program's output, so
// each rejects on the line's first characters before it reads further.
#include "runner/LearnerHints.h"

#include <QRegularExpression>

namespace runner {

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
    if (exception.startsWith(u"java.util.InputMismatchException"))
        return QStringLiteral("Scanner が数を読むところに、数として読めない入力（文字や小数点など）がありました。"
                              "入力した値を確かめてください");
    if (exception.startsWith(u"java.util.NoSuchElementException"))
        return QStringLiteral("読む入力がもう残っていません。Scanner が読む数だけ値を入力してください"
                              "（入力終了の後は読めません。hasNext…() で先に確かめられます）");
    if (exception.startsWith(u"java.lang.ArrayIndexOutOfBoundsException") && exception.endsWith(u"for length 0")
        && !context.programArguments)
        return QStringLiteral(
            "プログラム引数が渡されていません（args の長さが 0）。「オプション設定」の「実行(java)」タブで"
            "「実行時引数」に値を入れてから実行してください");
    constexpr QStringView kVersion = u"java.lang.UnsupportedClassVersionError: ";
    return exception.startsWith(kVersion) ? ClassVersionHint(exception.mid(kVersion.size()), context) : QString();
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

// The last line of "Main method not found in class X, please define …".
QString MainMethodHint(QStringView line, const HintContext&)
{
    if (!StartsWith(line, u"or a JavaFX application class")
        && !StartsWith(line, u"またはJavaFXアプリケーション・クラス"))
        return {};
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

}  // namespace runner
