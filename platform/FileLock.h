#pragma once
// A lock shared by every running copy of the program, on a lock file beside
// the file it guards. The system releases it when its holder ends in any
// way, a crash included, so a killed writer never blocks the next one.
#include <QString>

namespace platform {

class FileLock {
public:
    explicit FileLock(const QString& lockPath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits up to timeoutMs for the lock; false with a reason when it fails.
    bool Lock(int timeoutMs);
    QString Error() const { return m_error; }

private:
    QString m_path;
    qintptr m_handle = -1;  // a descriptor, or a Windows handle
    QString m_error;
};

}  // namespace platform
