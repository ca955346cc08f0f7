#include "platform/FileContent.h"

#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr qsizetype kWindow = 64 * 1024;

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

}  // namespace

// O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
bool ReadFileInPieces(const QString& path, const std::function<void(QByteArrayView)>& piece)
{
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (file.Get() < 0 || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    QByteArray window(kWindow, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(file.Get(), window.data(), size_t(window.size()));
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        piece(QByteArrayView(window.constData(), got));
    }
}

bool ReplaceFile(const QString& path, QByteArrayView bytes, QString* reason)
{
    struct stat old {};
    const bool existed = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    // Unbuffered: a full disk shows in the write's count; a buffered QSaveFile
    // commits a cut file when only its last flush fails.
    QSaveFile file(path);
    const auto failed = [&file, reason] {
        if (reason)
            *reason = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || file.write(bytes.data(), bytes.size()) != bytes.size())
        return failed();
    if (existed) {
        const int fd = file.handle();
        // Another user's file keeps its owner only where the system lets us
        // give it; the group where we belong to it.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int groupOnly = ::fchown(fd, uid_t(-1), old.st_gid);
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return failed();
    }
    return file.commit() || failed();
}

}  // namespace platform
