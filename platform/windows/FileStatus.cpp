#include "platform/FileStatus.h"

#include <QDir>

#include <windows.h>

namespace platform {

// A file's identity on Windows is its volume's serial number and its index
// on that volume; the handle opens folders too and never blocks a writer.
FileStatus StatusOf(const QString& path)
{
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    HANDLE file =
        ::CreateFileW(native.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    BY_HANDLE_FILE_INFORMATION info = {};
    const bool known = ::GetFileInformationByHandle(file, &info);
    const DWORD type = ::GetFileType(file);
    ::CloseHandle(file);
    if (!known)
        return {};
    FileStatus status;
    const bool folder = info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    status.kind = folder ? FileKind::Folder : type == FILE_TYPE_DISK ? FileKind::Regular : FileKind::Other;
    status.identity = {info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    status.size = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    // 100 ns steps since 1601: only compared with itself.
    status.modifiedNs =
        ((qint64(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime) * 100;
    return status;
}

}  // namespace platform
