#include "platform/FileLock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

FileLock::FileLock(const QString& lockPath)
    : m_path(lockPath)
{}

FileLock::~FileLock()
{
    if (m_handle >= 0)
        ::close(int(m_handle));  // closing releases the lock
}

bool FileLock::Lock(int timeoutMs)
{
    const QByteArray path = QFile::encodeName(m_path);
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);  // a lock needs no write access
    m_handle = fd;
    if (fd < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        if (waited.elapsed() >= timeoutMs) {
            m_error = QStringLiteral("他のプログラムが設定ファイルを使用中です");
            return false;
        }
        QThread::msleep(5);
    }
    return true;
}

}  // namespace platform
