#include "platform/FileLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <windows.h>

namespace platform {

namespace {

QString SystemMessage(DWORD code)
{
    wchar_t* text = nullptr;
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString message = text ? QString::fromWCharArray(text).trimmed() : QString::number(code);
    ::LocalFree(text);
    return message;
}

}  // namespace

FileLock::FileLock(const QString& lockPath)
    : m_path(lockPath)
{}

FileLock::~FileLock()
{
    if (m_handle != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(m_handle));  // closing releases the lock
}

bool FileLock::Lock(int timeoutMs)
{
    const std::wstring path = QDir::toNativeSeparators(m_path).toStdWString();
    constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED)  // a lock needs no write access
        file =
            ::CreateFileW(path.c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        m_error = SystemMessage(::GetLastError());
        return false;
    }
    m_handle = reinterpret_cast<qintptr>(file);
    QElapsedTimer waited;
    waited.start();
    OVERLAPPED whole = {};
    while (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole)) {
        if (::GetLastError() != ERROR_LOCK_VIOLATION) {
            m_error = SystemMessage(::GetLastError());
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
