// Windows: documents and addresses open with the application the system
// associates with them, through ShellExecute.
#include "platform/DesktopOpen.h"

#include <QDir>

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

namespace platform {

std::optional<ProcessSpec> DesktopApplicationFor(const QUrl&, const DesktopEnvironment&) { return std::nullopt; }

bool OpenWithDesktop(const QUrl& target, const DesktopEnvironment& env) { return RunOpener(target, env); }

// ShellExecute answers at once: more than 32 when an application took it.
bool RunOpener(const QUrl& target, const DesktopEnvironment&, std::chrono::milliseconds)
{
    const QString what =
        target.isLocalFile() ? QDir::toNativeSeparators(target.toLocalFile()) : QString::fromUtf8(target.toEncoded());
    const std::wstring wide = what.toStdWString();
    const auto result =
        reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace platform
