#include "app/FileCollector.h"

#include "settings/FileUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace app {

namespace {

// Folders are walked in name order, ignoring case, as a user reads them.
constexpr QDir::SortFlags kOrder = QDir::Name | QDir::IgnoreCase;
constexpr QDir::Filters kEntries = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
// A walk leaves hidden files and folders out (.git, editors' backups): a name
// given whole may still be one.
constexpr QDir::Filters kWalked = kEntries & ~QDir::Filters(QDir::Hidden);

bool HasWildcard(const QString& name) { return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')); }

}  // namespace

void FileCollector::AddFromCommandLine(const QString& text)
{
    const QString scanned = text + QLatin1Char(' ');
    QString name;
    bool quoted = false;
    for (const QChar c : scanned) {
        if (Done())
            return;
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(' ') && !quoted) {
            if (!name.isEmpty())
                HandleName(name);
            name.clear();
        } else {
            name.append(c);
        }
    }
}

void FileCollector::AddNames(const QStringList& names)
{
    for (const QString& name : names) {
        if (Done())
            return;
        if (!name.isEmpty())
            HandleName(name);
    }
}

void FileCollector::HandleName(const QString& name)
{
    const QString path = ResolvePath(name);
    if (!settings::FileUtil::FileExists(path))
        return;
    if (IsFolder(path))
        AddFolder(path);
    else
        Add(path);
}

void FileCollector::AddDropped(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (Done())
            return;
        if (IsFolder(path))
            AddFolder(path);
        else
            Add(path);
    }
}

void FileCollector::AddFolder(const QString& folder)
{
    const platform::FileStatus status = platform::StatusOf(folder);
    // A folder reached again (a link to itself or to a parent, a bind mount)
    // is not walked again.
    if (status.kind != platform::FileKind::Folder || m_walked.contains(status.identity))
        return;
    m_walked.insert(status.identity);
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(kWalked, kOrder)) {
        if (Done())
            return;
        if (entry.isDir())
            AddFolder(entry.absoluteFilePath());
        else
            Add(entry.absoluteFilePath());
    }
}

void FileCollector::Add(const QString& path)
{
    if (!Done() && platform::StatusOf(path).kind == platform::FileKind::Regular)
        m_paths.append(path);
}

QString FileCollector::ResolvePath(const QString& name)
{
    const QFileInfo info(QDir::current(), name);
    QString absolute = QDir::cleanPath(info.absoluteFilePath());
    const QString folder = QFileInfo(absolute).absolutePath();
    const QString last = QFileInfo(absolute).fileName();
    if (!HasWildcard(last) && QFileInfo::exists(absolute))
        return absolute;
    // A wildcard, or a name in another letter case: the first entry that
    // matches without regard to case, as the file system spells it.
    const QDir dir(folder);
    const QStringList matches = dir.entryList({last}, kEntries, kOrder);
    if (!matches.isEmpty())
        return QDir(folder).filePath(matches.first());
    return absolute;
}

bool FileCollector::IsFolder(const QString& path) { return QFileInfo(path).isDir(); }

}  // namespace app
