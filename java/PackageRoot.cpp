#include "java/PackageRoot.h"

#include "java/ClassFile.h"
#include "platform/Paths.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace java {

namespace {

// A package declaration comes first; a huge comment before it is not worth reading.
constexpr qint64 kMaxSourceBytes = 1024 * 1024;

QString DecodeSource(QByteArrayView bytes)
{
    const auto startsWith = [&](const char* mark) { return bytes.startsWith(QByteArrayView(mark, 2)); };
    if (startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes);
    if (startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes);
    return platform::DecodeFileText(bytes.toByteArray());
}

// Reads the tokens that may come before a package name: blanks and comments
// are skipped, identifiers and single characters read.
class SourceScanner {
public:
    explicit SourceScanner(const QString& text)
        : m_text(text)
    {}

    QChar Peek()
    {
        SkipBlanks();
        return m_at < m_text.size() ? m_text[m_at] : QChar();
    }
    bool Take(QChar c)
    {
        if (Peek() != c)
            return false;
        ++m_at;
        return true;
    }
    QString Identifier()
    {
        const QChar first = Peek();
        if (!IsIdentifierStart(first))
            return {};
        const qsizetype start = m_at;
        while (m_at < m_text.size() && IsIdentifierPart(m_text[m_at]))
            ++m_at;
        return m_text.mid(start, m_at - start);
    }
    // Identifiers joined by dots, blanks and comments allowed between them.
    QString QualifiedName()
    {
        QString name = Identifier();
        while (!name.isEmpty() && Take(QLatin1Char('.'))) {
            const QString part = Identifier();
            if (part.isEmpty())
                return {};
            name += QLatin1Char('.') + part;
        }
        return name;
    }
    // An annotation's arguments, to the matching parenthesis; string and
    // character literals may hold parentheses.
    void SkipParentheses()
    {
        int depth = 0;
        do {
            const QChar c = Peek();
            if (c.isNull())
                return;
            ++m_at;
            if (c == QLatin1Char('"') || c == QLatin1Char('\''))
                SkipLiteral(c);
            depth += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
        } while (depth > 0);
    }

private:
    static bool IsIdentifierStart(QChar c) { return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('$'); }
    static bool IsIdentifierPart(QChar c) { return IsIdentifierStart(c) || c.isDigit() || c.isMark(); }

    void SkipLiteral(QChar quote)
    {
        while (m_at < m_text.size() && m_text[m_at] != quote)
            m_at += m_text[m_at] == QLatin1Char('\\') ? 2 : 1;
        ++m_at;
    }

    void SkipBlanks()
    {
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at];
            if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\f') || c == QLatin1Char('\n')
                || c == QLatin1Char('\r') || c == QChar(0xFEFF)) {
                ++m_at;
            } else if (m_text.mid(m_at, 2) == QLatin1String("//")) {
                while (m_at < m_text.size() && m_text[m_at] != QLatin1Char('\n') && m_text[m_at] != QLatin1Char('\r'))
                    ++m_at;
            } else if (m_text.mid(m_at, 2) == QLatin1String("/*")) {
                const qsizetype end = m_text.indexOf(QLatin1String("*/"), m_at + 2);
                m_at = end < 0 ? m_text.size() : end + 2;
            } else {
                return;
            }
        }
    }

    const QString& m_text;
    qsizetype m_at = 0;
};

QString ReadPackageOfSource(const QString& path)
{
    QFile source(path);
    if (!QFileInfo(path).isFile() || !source.open(QIODevice::ReadOnly))
        return {};
    return DeclaredPackage(source.read(kMaxSourceBytes));
}

QString ReadPackageOfClass(const java::CurrentFile& file)
{
    const auto info = ReadClassFile(file.folder + file.fileName);
    // A class file renamed after compiling is not where java would look:
    // it runs as before and java says so.
    if (!info || info->SimpleName() != file.title)
        return {};
    return info->PackageName();
}

QString AsPath(const QString& package)
{
    return QString(package).replace(QLatin1Char('.'), platform::kSeparator) + platform::kSeparator;
}

}  // namespace

QString DeclaredPackage(QByteArrayView source)
{
    const QString text = DecodeSource(source);
    SourceScanner scan(text);
    while (scan.Take(QLatin1Char('@'))) {
        if (scan.QualifiedName().isEmpty())
            return {};
        if (scan.Peek() == QLatin1Char('('))
            scan.SkipParentheses();
    }
    if (scan.Identifier() != QLatin1String("package"))
        return {};
    const QString name = scan.QualifiedName();
    return scan.Take(QLatin1Char(';')) ? name : QString();
}

QString JavaTarget::PackagePath() const { return package.isEmpty() || misplaced ? QString() : AsPath(package); }

JavaTarget ResolveJavaTarget(const java::CurrentFile& file)
{
    JavaTarget target{file.folder, file.fileName, file.title, file.title + QStringLiteral(".class"), {}, false};
    if (file.extension == QLatin1String("java"))
        target.package = ReadPackageOfSource(file.folder + file.fileName);
    else if (file.extension == QLatin1String("class"))
        target.package = ReadPackageOfClass(file);
    if (target.package.isEmpty())
        return target;
    const QString path = AsPath(target.package);
    if (!file.folder.endsWith(platform::kSeparator + path)) {
        target.misplaced = true;
        return target;
    }
    target.folder = file.folder.left(file.folder.size() - path.size());
    target.file = path + file.fileName;
    target.className = target.package + QLatin1Char('.') + file.title;
    target.classFile = path + file.title + QStringLiteral(".class");
    return target;
}

QString MisplacedMessage(const java::CurrentFile& file, const JavaTarget& target)
{
    const QString path = AsPath(target.package);
    const QString belongs =
        file.extension == QLatin1String("class")
            ? QStringLiteral("%1 はパッケージ %2 のクラスですが、").arg(file.fileName, target.package)
            : QStringLiteral("%1 は「package %2;」を宣言していますが、").arg(file.fileName, target.package);
    return belongs
           + QStringLiteral("パッケージと同じ名前のフォルダ %1 の中にありません。\n"
                            "このままでは java がクラス %2 を見つけられません。\n"
                            "%3 を %4 に移して開き直してください（%5 がパッケージのルートになります）。")
                 .arg(path, target.package + QLatin1Char('.') + file.title, file.fileName, file.folder + path,
                      file.folder);
}

}  // namespace java
