#include "java/JavaDeclarations.h"

#include "platform/SourceEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace java {

namespace {

constexpr qint64 kMaxSourceBytes = 1024 * 1024;
constexpr int kMostSources = 200;  // sources of one folder read to find a type

bool IsIdentifierStart(QChar c) { return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('$'); }
bool IsIdentifierPart(QChar c) { return IsIdentifierStart(c) || c.isDigit() || c.isMark(); }

// Where the comment or literal that begins at `at` ends; `at` itself when none begins there.
qsizetype SkipNonCode(QStringView text, qsizetype at)
{
    const QStringView rest = text.mid(at);
    const auto after = [&](QStringView end, qsizetype from) {
        const qsizetype found = text.indexOf(end, at + from);
        return found < 0 ? text.size() : found + end.size();
    };
    if (rest.startsWith(u"//"))
        return after(u"\n", 2);
    if (rest.startsWith(u"/*"))
        return after(u"*/", 2);
    if (rest.startsWith(u"\"\"\""))
        return after(u"\"\"\"", 3);
    if (rest.isEmpty() || (rest.front() != u'"' && rest.front() != u'\''))
        return at;
    const QChar quote = rest.front();
    qsizetype end = at + 1;
    while (end < text.size() && text[end] != quote && text[end] != u'\n')
        end += text[end] == u'\\' ? 2 : 1;
    return std::min(end + 1, text.size());
}

}  // namespace

QList<TypeDeclaration> DeclaredTypes(QStringView source)
{
    QList<TypeDeclaration> types;
    int depth = 0;
    bool sawPublic = false;  // among the modifiers since the last declaration or statement
    bool nameNext = false;   // after "class", "interface", "enum" or "record"
    QChar lastSign;          // the last character that is no part of a word
    for (qsizetype at = 0; at < source.size();) {
        if (const qsizetype end = SkipNonCode(source, at); end != at) {
            at = end;
            continue;
        }
        const QChar c = source[at];
        if (IsIdentifierStart(c)) {
            const qsizetype start = at;
            while (at < source.size() && IsIdentifierPart(source[at]))
                ++at;
            const QStringView word = source.mid(start, at - start);
            if (nameNext)
                types << TypeDeclaration{word.toString(), sawPublic, depth == 0};
            sawPublic = sawPublic || word == u"public";
            nameNext = !nameNext && lastSign != u'.'
                       && (word == u"class" || word == u"interface" || word == u"enum" || word == u"record");
            lastSign = QChar();
            continue;
        }
        ++at;
        if (c.isSpace())
            continue;
        nameNext = false;
        lastSign = c;
        if (c == u'{' || c == u'}' || c == u';')
            sawPublic = false;
        depth += c == u'{' ? 1 : c == u'}' ? -1 : 0;
    }
    return types;
}

QString ReadJavaSource(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(kMaxSourceBytes);
    return platform::DecodeSource(bytes, platform::DetectSourceEncoding(bytes)).value_or(QString::fromLatin1(bytes));
}

bool FolderHasType(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return false;
    if (QFileInfo::exists(folder + name + QStringLiteral(".java"))
        || QFileInfo::exists(folder + name + QStringLiteral(".class")))
        return true;
    const QStringList sources = QDir(folder).entryList({QStringLiteral("*.java")}, QDir::Files, QDir::Name);
    for (const QString& source : sources.mid(0, kMostSources)) {
        const QList<TypeDeclaration> types = DeclaredTypes(ReadJavaSource(folder + source));
        if (std::any_of(types.begin(), types.end(), [&](const TypeDeclaration& type) { return type.name == name; }))
            return true;
    }
    return false;
}

}  // namespace java
