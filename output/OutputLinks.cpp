#include "output/OutputLinks.h"

#include <QDir>
#include <QFileInfo>

namespace output {

QStringList LinkCandidates(const SourceLink& link, const QString& folder)
{
    const QDir base(folder);
    QStringList candidates;
    if (!link.package.isEmpty()) {
        const QString path = QString(link.package).replace(QLatin1Char('.'), QLatin1Char('/'));
        candidates << QDir::cleanPath(base.absoluteFilePath(path + QLatin1Char('/') + link.file));
    }
    candidates << QDir::cleanPath(base.absoluteFilePath(link.file));
    return candidates;
}

QString LinkResolver::Resolve(const SourceLink& link)
{
    // Compiler output names the same file over and over.
    if (m_last && link.file == m_last->file && link.package == m_last->package)
        return m_last->path;
    m_last = Last{link.file, link.package, Lookup(link)};
    return m_last->path;
}

QString LinkResolver::Lookup(const SourceLink& link)
{
    const QString key = link.package + QLatin1Char('/') + link.file;
    auto known = m_known.constFind(key);
    if (known != m_known.constEnd())
        return *known;
    QString path;
    for (const QString& candidate : LinkCandidates(link, m_folder)) {
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    }
    return *m_known.insert(key, path);
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

}  // namespace output
