// Hints for javac's errors, in English and in Japanese. Every rule rejects
// on the message's first words.
#include "runner/LearnerHints.h"

#include <QRegularExpression>

namespace runner {

namespace {

// Classes that learners use first, with the import they need (none for
// java.lang).
struct CommonClass {
    QStringView name;
    QStringView import;
};
constexpr CommonClass kCommonClasses[] = {
    {u"String", u""},
    {u"System", u""},
    {u"Math", u""},
    {u"Integer", u""},
    {u"Scanner", u"java.util.Scanner"},
    {u"ArrayList", u"java.util.ArrayList"},
    {u"List", u"java.util.List"},
    {u"HashMap", u"java.util.HashMap"},
    {u"Map", u"java.util.Map"},
    {u"Random", u"java.util.Random"},
    {u"Arrays", u"java.util.Arrays"},
    {u"BufferedReader", u"java.io.BufferedReader"},
    {u"InputStreamReader", u"java.io.InputStreamReader"},
    {u"IOException", u"java.io.IOException"},
};

const CommonClass* FindCommonClass(QStringView name)
{
    for (const CommonClass& common : kCommonClasses) {
        if (name.compare(common.name, Qt::CaseInsensitive) == 0)
            return &common;
    }
    return nullptr;
}

// "Hello" of "src/Hello.java".
QString BaseName(const QString& file)
{
    QStringView name = QStringView(file).mid(file.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.endsWith(u".java"))
        name.chop(5);
    return name.toString();
}

// "3 行 9 文字目", or "3 行目" without a caret.
QString Place(const JavacMessage& message)
{
    const int column = message.Column();
    return column > 0 ? QStringLiteral("%1 行 %2 文字目").arg(message.line).arg(column)
                      : QStringLiteral("%1 行目").arg(message.line);
}

// The character of "illegal character: '\u3000'" or "'\u3000'は不正な文字です"; 0 for other messages.
char16_t IllegalCharacter(QStringView text)
{
    if (!text.startsWith(u"illegal character: ") && !text.endsWith(u"は不正な文字です"))
        return 0;
    const qsizetype at = text.indexOf(u"'\\u");
    bool ok = false;
    const uint code = at < 0 ? 0 : text.mid(at + 3, 4).toUInt(&ok, 16);
    return ok ? static_cast<char16_t>(code) : 0;
}

QString FullWidthHint(const JavacMessage& message, const HintContext&)
{
    const char16_t c = IllegalCharacter(message.text);
    constexpr char16_t kSpace = 0x3000, kFirstSign = 0xFF01, kLastSign = 0xFF5E, kToAscii = 0xFEE0;
    if (c == kSpace)
        return QStringLiteral("%1に全角スペースがあります。半角スペースにしてください").arg(Place(message));
    if (c < kFirstSign || c > kLastSign)
        return {};
    return QStringLiteral("%1の「%2」は全角文字です。半角の「%3」を入力してください")
        .arg(Place(message), QChar(c), QChar(static_cast<char16_t>(c - kToAscii)));
}

QString PublicClassHint(const JavacMessage& message, const HintContext&)
{
    static const QRegularExpression english(
        QStringLiteral(R"(^\S+ (\S+) is public, should be declared in a file named (\S+)$)"));
    static const QRegularExpression japanese(
        QStringLiteral("^\\S+ (\\S+)はpublicであり、ファイル(\\S+)で宣言する必要があります$"));
    if (!message.text.contains(u"public"))
        return {};
    QRegularExpressionMatch match = english.match(message.text);
    if (!match.hasMatch())
        match = japanese.match(message.text);
    if (!match.hasMatch())
        return {};
    return QStringLiteral("public の %1 は %2 という名前のファイルに書きます。ファイル名を %2 にするか、"
                          "クラス名をファイル名と同じ %3 にしてください（大文字・小文字も同じに）")
        .arg(match.captured(1), match.captured(2), BaseName(message.file));
}

// What to write instead of name: the class's spelling or its import. A
// name in other letter case is taken for the class only where it cannot be
// a variable of the user's own (a class, or "math." of a java.lang class).
QString CommonClassHint(QStringView name, bool surelyClass)
{
    const CommonClass* common = FindCommonClass(name);
    if (!common)
        return {};
    if (name != common->name)
        return surelyClass || common->import.isEmpty()
                   ? QStringLiteral("Java は大文字と小文字を区別します。%1 ではなく %2 と書いてください")
                         .arg(name, common->name)
                   : QString();
    if (common->import.isEmpty())
        return {};
    return QStringLiteral("%1 を使うには、ファイルの先頭（クラスの前）に import %2; と書いてください")
        .arg(name, common->import);
}

// "cannot find symbol" with "symbol:   class scanner" under it.
QString MissingSymbolHint(const JavacMessage& message, const HintContext&)
{
    if (message.details.isEmpty()
        || (message.text != u"cannot find symbol" && message.text != u"シンボルを見つけられません"))
        return {};
    const QStringList words = message.details.front().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != 3)
        return {};  // a method "foo(int, int)", or no symbol line
    const bool isClass = words[1] == u"class" || words[1] == u"クラス";
    const bool isVariable = words[1] == u"variable" || words[1] == u"変数";
    const QStringView rest = QStringView(message.sourceLine).mid(message.caretColumn + words[2].size());
    return isClass || (isVariable && rest.startsWith(u'.')) ? CommonClassHint(words[2], isClass) : QString();
}

// "system.out.println" reads as the package system.
QString MissingPackageHint(const JavacMessage& message, const HintContext&)
{
    static const QRegularExpression package(
        QStringLiteral("^(?:package (\\S+) does not exist|パッケージ(\\S+)は存在しません)$"));
    if ((!message.text.contains(u"package") && !message.text.contains(u"パッケージ")))
        return {};
    const QRegularExpressionMatch match = package.match(message.text);
    const QString name = match.hasCaptured(1) ? match.captured(1) : match.captured(2);
    const CommonClass* common = FindCommonClass(name);
    return common && name != common->name ? CommonClassHint(name, false) : QString();
}

// A source of nothing but "void main() { … }" (no class around it) needs JDK 25.
QString CompactSourceHint(const JavacMessage& message, const HintContext& context)
{
    constexpr int kFirstRelease = 25;
    static const QRegularExpression main(QStringLiteral(R"(^\s*(?:(?:public|static)\s+)*void\s+main\s*\()"));
    if (!message.text.startsWith(u"class, interface") || (context.jdkFeature >= kFirstRelease)
        || !main.match(message.sourceLine).hasMatch())
        return {};
    const QString jdk =
        context.jdkFeature > 0 ? QStringLiteral("（この JDK は %1）").arg(context.jdkFeature) : QString();
    return QStringLiteral(
               "クラスで囲まない void main() のファイルは JDK %1 から実行できます%2。「JDK選択」で JDK %1 以降を選ぶか、"
               "全体を public class %3 { … } で囲み、main を public static void main(String[] args) にしてください")
        .arg(kFirstRelease)
        .arg(jdk, BaseName(message.file));
}

}  // namespace

QList<HintRule> JavacHintRules()
{
    return {{"full-width character", FullWidthHint},
            {"public class in another file", PublicClassHint},
            {"common class misspelt or not imported", MissingSymbolHint},
            {"class read as a package", MissingPackageHint},
            {"compact source file", CompactSourceHint}};
}

}  // namespace runner
