#pragma once
// A full path split into directory (ending in the separator), file name,
// title (name before its last ".") and extension (after it, case kept).
#include <QString>

namespace settings {

class PathParts {
public:
    virtual ~PathParts() = default;
    void Split(const QString& fullPath);
    QString FullPath() const { return m_fullPath; }
    QString FileName() const { return m_fileName; }
    QString FileTitle() const { return m_title; }
    QString FileExt() const { return m_extension; }
    QString Directory() const { return m_directory; }

private:
    QString m_fullPath;
    QString m_fileName;
    QString m_title;
    QString m_extension;
    QString m_directory;
};

}  // namespace settings
