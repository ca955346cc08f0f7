#pragma once
// Turns a command line or a drop into a list of full file paths, walking
// folders depth first. Names that do not exist are skipped silently; only
// regular files are collected (no fifos, sockets, devices or broken links),
// and each folder is walked once, so symbolic link loops end.
#include "platform/FileStatus.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace app {

class FileCollector {
public:
    enum class Collect { All, FirstOnly };

    explicit FileCollector(Collect collect = Collect::All)
        : m_firstOnly(collect == Collect::FirstOnly)
    {}
    virtual ~FileCollector() = default;

    // The text after the program's path: names separated by blanks, double
    // quotes group a name with blanks; relative names and wildcards are
    // resolved in the working folder.
    void AddFromCommandLine(const QString& text);
    // One name per item (the platform has already split them).
    void AddNames(const QStringList& names);
    // Dropped items in the order of the drop.
    void AddDropped(const QStringList& paths);
    void AddFolder(const QString& folder);
    // Adds the path when it names a regular file (links followed).
    void Add(const QString& path);

    // The full path of the first match of a name (wildcards allowed), its
    // last component spelled as the file system stores it; a name without a
    // match gives a path that does not exist.
    static QString ResolvePath(const QString& name);
    static bool IsFolder(const QString& path);

    qsizetype Count() const { return m_paths.size(); }
    QString First() const { return m_paths.value(0); }
    const QStringList& Paths() const { return m_paths; }

private:
    void HandleName(const QString& name);
    bool Done() const { return m_firstOnly && !m_paths.isEmpty(); }

    bool m_firstOnly;
    QStringList m_paths;
    QSet<platform::FileIdentity> m_walked;  // each folder walked
};

}  // namespace app
