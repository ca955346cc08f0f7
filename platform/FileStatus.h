#pragma once
// What a path names, links followed: its kind, its identity on the system
// and a stamp of its content, so that code above the platform layer can tell
// a folder reached twice from two folders and an unchanged file from a
// rewritten one.
#include <QHashFunctions>
#include <QString>

namespace platform {

enum class FileKind { Missing, Regular, Folder, Other };

// Device and inode: one folder reached through links or bind mounts has one.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
inline size_t qHash(const FileIdentity& id, size_t seed = 0) { return qHashMulti(seed, id.device, id.inode); }

struct FileStatus {
    FileKind kind = FileKind::Missing;
    FileIdentity identity;
    qint64 size = -1;
    qint64 modifiedNs = 0;  // modification time, nanoseconds since the epoch
    // Equal statuses: the same file, not changed in between as far as the
    // system can tell (a write that renames a new file into place changes it).
    friend bool operator==(const FileStatus&, const FileStatus&) = default;
};

FileStatus StatusOf(const QString& path);

}  // namespace platform
