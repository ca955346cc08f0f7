// Hints for javac's errors, in English and in Japanese. Every rule rejects
// on the message's first words.
#include "java/JavaDeclarations.h"
#include "output/LearnerHints.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace output {

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

// "3 行 9 文字目", "3 行目" without a caret, "3 行 9 文字目など 23 か所" for repeats.
QString Place(const JavacMessage& message)
{
    const int column = message.Column();
    const QString place = column > 0 ? QStringLiteral("%1 行 %2 文字目").arg(message.line).arg(column)
                                     : QStringLiteral("%1 行目").arg(message.line);
    return message.places > 1 ? place + QStringLiteral("など %1 か所").arg(message.places) : place;
}

// The message's source file: javac names it as it was given, relative to
// where it ran; empty when that is not known.
QString SourcePath(const JavacMessage& message, const HintContext& context)
{
    if (QFileInfo(message.file).isAbsolute())
        return message.file;
    return context.folder.isEmpty() ? QString() : context.folder + message.file;
}

// A type of the learner's own beside the source or in its package root,
// which javac did not find (another package, a source not compiled yet).
bool LearnersOwnType(const JavacMessage& message, const HintContext& context, const QString& name)
{
    const QString path = SourcePath(message, context);
    if (path.isEmpty())
        return false;
    const QString folder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    return java::FolderHasType(folder, name) || (folder != context.folder && java::FolderHasType(context.folder, name));
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

// A file may hold one public top-level type, named as the file.
QString SeveralPublicTypesHint(const QStringList& types, const QString& base)
{
    const QString keep = types.contains(base)
                             ? QStringLiteral("ファイル名と同じ名前の %1 のほかは").arg(base)
                             : QStringLiteral("1 つを残してその名前をファイル名と同じ %1 にし、ほかは").arg(base);
    return QStringLiteral("このファイルには public の型が %1 つあります（%2）。1 つのファイルに書ける public の"
                          "クラス・インタフェースなどは 1 つだけです。%3 public を外してください")
        .arg(types.size())
        .arg(types.join(QStringLiteral("、")), keep);
}

QString PublicClassHint(const JavacMessage& message, const HintContext& context)
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
    QStringList publicTypes;
    for (const java::TypeDeclaration& type : java::DeclaredTypes(java::ReadJavaSource(SourcePath(message, context)))) {
        if (type.isPublic && type.topLevel)
            publicTypes << type.name;
    }
    if (publicTypes.size() > 1)
        return SeveralPublicTypesHint(publicTypes, BaseName(message.file));
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

// Methods of the classes that learners use first, by the type javac names.
struct KnownMethods {
    QStringView type;
    QStringView names;  // separated by blanks
};
constexpr KnownMethods kKnownMethods[] = {
    {u"PrintStream", u"println print printf"},
    {u"String", u"length charAt equals equalsIgnoreCase substring indexOf contains split trim toUpperCase "
                u"toLowerCase isEmpty startsWith endsWith replace compareTo"},
    {u"Math", u"max min abs sqrt pow random round floor ceil"},
    {u"Integer", u"parseInt valueOf toString"},
    {u"Double", u"parseDouble valueOf toString"},
    {u"Scanner", u"nextInt nextLine next nextDouble hasNext hasNextInt hasNextLine close"},
    {u"Random", u"nextInt nextDouble nextBoolean"},
    {u"ArrayList", u"add get set size remove contains isEmpty clear"},
    {u"List", u"add get set size remove contains isEmpty clear"},
    {u"Arrays", u"sort toString fill asList"},
};

// Edits (insert, delete, replace, swap two neighbours) that turn a into b.
int EditDistance(QStringView a, QStringView b)
{
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (qsizetype i = 0; i <= a.size(); ++i) {
        for (qsizetype j = 0; j <= b.size(); ++j) {
            if (i == 0 || j == 0) {
                d[i][j] = static_cast<int>(i + j);
                continue;
            }
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

// "PrintStream" of "location: variable out of type PrintStream", "場所: タイプPrintStreamの変数 out",
// "location: class Math" or "場所: クラス Math".
QString LocationType(const QString& location)
{
    static const QRegularExpression type(
        QStringLiteral(R"((?:of type |タイプ|^location: class |^場所: クラス )(?:[\w$]+\.)*([\w$]+))"));
    return type.match(location).captured(1);
}

// A method of a JDK class written one slip away from its name (printn, printIn).
QString MisspeltMethodHint(const QString& name, const QString& location)
{
    const QString type = LocationType(location);
    for (const KnownMethods& known : kKnownMethods) {
        if (known.type != type)
            continue;
        for (const QStringView method : known.names.split(u' ')) {
            if (name.compare(method, Qt::CaseInsensitive) == 0)
                return QStringLiteral("Java は大文字と小文字を区別します。%1 ではなく %2 と書いてください")
                    .arg(name, method);
            if (EditDistance(name, method) != 1)
                continue;
            const bool capitalI = name.size() == method.size() && name.contains(u'I') && method.contains(u'l')
                                  && QString(name).replace(u'I', u'l') == method;
            return QStringLiteral("%1 には %2 というメソッドはありません。%2 ではなく %3 と書いてください%4")
                .arg(type, name, method, capitalI ? QStringLiteral("（大文字の I ではなく小文字の l）") : QString());
        }
    }
    return {};
}

// "cannot find symbol" with "symbol:   class scanner" or "symbol:   method printn(String)" under it.
QString MissingSymbolHint(const JavacMessage& message, const HintContext& context)
{
    if (message.details.isEmpty()
        || (message.text != u"cannot find symbol" && message.text != u"シンボルを見つけられません"))
        return {};
    const QStringList words = message.details.front().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != 3)
        return {};  // no symbol line
    if (words[1] == u"method" || words[1] == u"メソッド")
        return MisspeltMethodHint(words[2].left(words[2].indexOf(QLatin1Char('('))), message.details.value(1));
    const bool isClass = words[1] == u"class" || words[1] == u"クラス";
    const bool isVariable = words[1] == u"variable" || words[1] == u"変数";
    const QStringView rest = QStringView(message.sourceLine).mid(message.caretColumn + words[2].size());
    if (!isClass && !(isVariable && rest.startsWith(u'.')))
        return {};
    const CommonClass* common = FindCommonClass(words[2]);
    if (isClass && common && !common->import.isEmpty() && LearnersOwnType(message, context, words[2]))
        return {};  // importing the JDK's class of that name would hide the learner's
    return CommonClassHint(words[2], isClass);
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

// "if (n = 3)": javac's caret stands on the single "=".
QString AssignmentInConditionHint(const JavacMessage& message, const HintContext&)
{
    const QString& text = message.text;
    if (!(text.startsWith(u"incompatible types: ") && text.endsWith(u" cannot be converted to boolean"))
        && !(text.startsWith(u"不適合な型: ") && text.endsWith(u"をbooleanに変換できません:")))
        return {};
    const QStringView source = message.sourceLine;
    const qsizetype at = message.caretColumn;
    if (at < 1 || at + 1 >= source.size() || source[at] != u'=' || source[at + 1] == u'='
        || QStringView(u"=!<>").contains(source[at - 1]))
        return {};
    return QStringLiteral("= は値を入れる（代入する）記号です。等しいかを比べるには == と書いてください"
                          "（文字列は equals で比べます）");
}

// An HTML page saved as a .java file: javac expects a class at its first tag.
QString HtmlPageHint(const JavacMessage& message, const HintContext&)
{
    static const QRegularExpression tag(QStringLiteral(R"(^\s*(<[!/]?[A-Za-z][^\s>]*>?))"));
    if (!message.text.startsWith(u"class, interface") && !message.text.startsWith(u"クラス、インタフェース"))
        return {};
    const QRegularExpressionMatch match = tag.match(message.sourceLine);
    if (!match.hasMatch())
        return {};
    return QStringLiteral("このファイルは HTML のようです（%1 行目が %2）。HTML のページは .html の名前で保存し、"
                          "Java のソースには class の宣言から書いてください")
        .arg(message.line)
        .arg(match.captured(1));
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
            {"common class or method misspelt, class not imported", MissingSymbolHint},
            {"class read as a package", MissingPackageHint},
            {"assignment in a condition", AssignmentInConditionHint},
            {"HTML page saved as a source", HtmlPageHint},
            {"compact source file", CompactSourceHint}};
}

}  // namespace output
