#pragma once
// The places in a tool's output that name a line of a source file, and the
// file each one opens.
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace output {

struct SourceLink {
    enum class Kind { Error, Warning, Trace };
    Kind kind = Kind::Error;
    QString file;         // as written: relative to the working folder, or absolute
    int line = 0;         // from 1
    QString package;      // of a stack frame: "pkg.sub"; else empty
    qsizetype start = 0;  // the part of the line shown as the link
    qsizetype length = 0;
};

// The files a link may mean, most likely first: javac's name in the working
// folder; a stack frame's file under its package's path, then beside the
// current file.
QStringList LinkCandidates(const SourceLink& link, const QString& folder);

// The existing file a link opens, or empty; each name is looked up once.
class LinkResolver {
public:
    explicit LinkResolver(QString folder = {})
        : m_folder(std::move(folder))
    {}
    QString Resolve(const SourceLink& link);

private:
    QString Lookup(const SourceLink& link);

    struct Last {
        QString file;
        QString package;
        QString path;
    };
    QString m_folder;
    QHash<QString, QString> m_known;  // package/file: the path, or empty
    std::optional<Last> m_last;
};

// "エラー 2 件、警告 1 件"; empty when there are none.
QString DiagnosticSummary(int errors, int warnings);

}  // namespace output
