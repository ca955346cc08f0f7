#include "platform/FileContent.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

constexpr qsizetype kWindow = 64 * 1024;

}  // namespace

// Only regular files: a device name such as CON or a pipe is no file's text.
bool ReadFileInPieces(const QString& path, const std::function<void(QByteArrayView)>& piece)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    QByteArray window(kWindow, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(window.data(), window.size());
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        piece(QByteArrayView(window.constData(), got));
    }
}

// Unbuffered: a full disk shows in the write's count. The file's security
// comes from its folder, as for any file replaced on Windows.
bool ReplaceFile(const QString& path, QByteArrayView bytes, QString* reason)
{
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
    return file.commit() || failed();
}

}  // namespace platform
