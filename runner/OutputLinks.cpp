#include "runner/OutputLinks.h"

#include <QDir>
#include <QRegularExpression>

namespace runner {

namespace {

// "\tat app//pkg.Class$Inner.method(File.java:12)"; a module or loader may precede the class.
const QRegularExpression
    kTrace(QStringLiteral(R"(^\s*at (?:[^\s(/]*/)*([\w$.]+)\.[\w$<>-]+\(([^():/]+\.java):(\d+)\))"));

int LineNumber(QStringView digits)
{
    bool ok = false;
    const int line = digits.toInt(&ok);
    return ok && line > 0 ? line : 0;
}

// Where the parts of a javac message lie in a line, without copying any.
struct JavacParts {
    qsizetype nameEnd = -1;    // after ".java"
    qsizetype numberEnd = -1;  // after the line number
    SourceLink::Kind kind = SourceLink::Kind::Error;
};

// "Hello.java:5: error: ..." in the English and the Japanese locale, read by
// hand: compiler output can be a million lines.
std::optional<JavacParts> FindJavacParts(QStringView line)
{
    constexpr QStringView kSuffix = u".java:";
    const qsizetype suffix = line.indexOf(kSuffix);
    if (suffix <= 0)
        return std::nullopt;
    const qsizetype digits = suffix + kSuffix.size();
    qsizetype end = digits;
    while (end < line.size() && line[end].unicode() >= '0' && line[end].unicode() <= '9')
        ++end;
    if (end == digits || !line.mid(end).startsWith(u": "))
        return std::nullopt;
    const QStringView kind = line.mid(end + 2);
    JavacParts parts{suffix + 5, end};
    if (kind.startsWith(u"error:") || kind.startsWith(u"エラー:"))
        parts.kind = SourceLink::Kind::Error;
    else if (kind.startsWith(u"warning:") || kind.startsWith(u"警告:"))
        parts.kind = SourceLink::Kind::Warning;
    else
        return std::nullopt;
    return parts;
}

}  // namespace

std::optional<SourceLink> FindSourceLink(QStringView line)
{
    if (const std::optional<JavacParts> javac = FindJavacParts(line)) {
        SourceLink link;
        link.kind = javac->kind;
        link.file = line.left(javac->nameEnd).toString();
        link.line = LineNumber(line.mid(javac->nameEnd + 1, javac->numberEnd - javac->nameEnd - 1));
        link.length = javac->numberEnd;
        return link.line > 0 ? std::optional(link) : std::nullopt;
    }
    if (!line.trimmed().startsWith(u"at ") || !line.contains(u".java:"))
        return std::nullopt;
    const QRegularExpressionMatch t = kTrace.match(line);
    if (!t.hasMatch())
        return std::nullopt;
    SourceLink link;
    link.kind = SourceLink::Kind::Trace;
    const QString className = t.captured(1);
    const qsizetype dot = className.lastIndexOf(QLatin1Char('.'));
    link.package = dot < 0 ? QString() : className.left(dot);
    link.file = t.captured(2);
    link.line = LineNumber(t.captured(3));
    link.start = t.capturedStart(2);
    link.length = t.capturedEnd(3) - link.start;
    if (link.line == 0)
        return std::nullopt;
    return link;
}

std::optional<SourceLink::Kind> DiagnosticKind(QStringView line)
{
    const std::optional<JavacParts> javac = FindJavacParts(line);
    return javac ? std::optional(javac->kind) : std::nullopt;
}

QStringList LinkCandidates(const SourceLink& link, const QString& folder)
{
    const QDir base(folder);
    QStringList candidates{QDir::cleanPath(base.absoluteFilePath(link.file))};
    if (!link.package.isEmpty()) {
        const QString path = QString(link.package).replace(QLatin1Char('.'), QLatin1Char('/'));
        candidates << QDir::cleanPath(base.absoluteFilePath(path + QLatin1Char('/') + link.file));
    }
    return candidates;
}

QString DiagnosticSummary(int errors, int warnings)
{
    QStringList parts;
    if (errors > 0)
        parts << QStringLiteral("エラー %1 件").arg(errors);
    if (warnings > 0)
        parts << QStringLiteral("警告 %1 件").arg(warnings);
    return parts.join(QStringLiteral("、"));
}

}  // namespace runner
