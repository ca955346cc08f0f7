#include "platform/FileStatus.h"

#include <QFile>

#include <sys/stat.h>

namespace platform {

FileStatus StatusOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    FileStatus status;
    status.kind = S_ISREG(st.st_mode) ? FileKind::Regular : S_ISDIR(st.st_mode) ? FileKind::Folder : FileKind::Other;
    status.identity = {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
    status.size = static_cast<qint64>(st.st_size);
    status.modifiedNs = static_cast<qint64>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    return status;
}

}  // namespace platform
