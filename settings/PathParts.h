#pragma once
// A full path split into directory (ending in the separator), file name,
// title (name before its last ".") and extension (after it, case kept).
#include <QString>

namespace settings {

class PathParts {
public:
    virtual ~PathParts() = default;
    void Split(const QString& fullPath);
    QString GetFullPath() const { return m_fullPath; }
    QString GetFileName() const { return m_fileName; }
    QString GetFileTitle() const { return m_title; }
    QString GetFileExt() const { return m_extension; }
    QString GetDirectory() const { return m_directory; }

private:
    QString m_fullPath;
    QString m_fileName;
    QString m_title;
    QString m_extension;
    QString m_directory;
};

}  // namespace settings
