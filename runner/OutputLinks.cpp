#include "runner/OutputLinks.h"

#include <QDir>
#include <QRegularExpression>

namespace runner {

namespace {

// "Hello.java:5: error: ..." in the English and the Japanese locale.
const QRegularExpression kJavac(QStringLiteral(R"(^(.+?\.java):(\d+): (error|warning|エラー|警告):)"));
// "\tat app//pkg.Class$Inner.method(File.java:12)"; a module or loader may precede the class.
const QRegularExpression
    kTrace(QStringLiteral(R"(^\s*at (?:[^\s(/]*/)*([\w$.]+)\.[\w$<>-]+\(([^():/]+\.java):(\d+)\))"));

int LineNumber(const QString& digits)
{
    bool ok = false;
    const int line = digits.toInt(&ok);
    return ok && line > 0 ? line : 0;
}

}  // namespace

std::optional<SourceLink> FindSourceLink(QStringView line)
{
    if (!line.contains(QLatin1String(".java:")))
        return std::nullopt;  // the common case, cheaply
    SourceLink link;
    if (const QRegularExpressionMatch m = kJavac.match(line); m.hasMatch()) {
        const QString kind = m.captured(3);
        link.kind = kind == QLatin1String("error") || kind == QStringLiteral("エラー") ? SourceLink::Kind::Error
                                                                                       : SourceLink::Kind::Warning;
        link.file = m.captured(1);
        link.line = LineNumber(m.captured(2));
        link.start = 0;
        link.length = m.capturedEnd(2);
    } else if (const QRegularExpressionMatch t = kTrace.match(line); t.hasMatch()) {
        link.kind = SourceLink::Kind::Trace;
        const QString className = t.captured(1);
        const qsizetype dot = className.lastIndexOf(QLatin1Char('.'));
        link.package = dot < 0 ? QString() : className.left(dot);
        link.file = t.captured(2);
        link.line = LineNumber(t.captured(3));
        link.start = t.capturedStart(2);
        link.length = t.capturedEnd(3) - link.start;
    } else {
        return std::nullopt;
    }
    if (link.line == 0)
        return std::nullopt;
    return link;
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
