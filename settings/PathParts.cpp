#include "settings/PathParts.h"

#include "platform/Paths.h"

namespace settings {

void PathParts::Split(const QString& fullPath)
{
    m_fullPath = fullPath;
    const qsizetype sep = fullPath.lastIndexOf(platform::kSeparator);
    m_directory = sep < 0 ? QString() : fullPath.left(sep + 1);
    m_fileName = sep < 0 ? fullPath : fullPath.mid(sep + 1);
    const qsizetype dot = m_fileName.lastIndexOf(QLatin1Char('.'));
    m_title = dot < 0 ? m_fileName : m_fileName.left(dot);
    m_extension = dot < 0 ? QString() : m_fileName.mid(dot + 1);
}

}  // namespace settings
