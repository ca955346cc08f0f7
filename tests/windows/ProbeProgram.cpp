// A program for the Windows tests: "args FILE ..." writes the arguments it
// was given, one per line in UTF-8, to FILE; "tree" starts a copy of itself
// that sleeps and sleeps too; "sleep" sleeps for a minute.
#include <windows.h>

#include <shellapi.h>
#include <string>

namespace {

std::string Utf8(const wchar_t* text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

int WriteArguments(int count, wchar_t** arguments)
{
    HANDLE file = ::CreateFileW(arguments[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 2;
    for (int i = 3; i < count; ++i) {
        const std::string line = Utf8(arguments[i]) + "\n";
        DWORD written = 0;
        ::WriteFile(file, line.data(), DWORD(line.size()), &written, nullptr);
    }
    ::CloseHandle(file);
    return 0;
}

int StartSleepingChild(const wchar_t* self)
{
    std::wstring line = L"\"" + std::wstring(self) + L"\" sleep";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return 2;
    // The child's id, for the test to look for after the tree is ended.
    const std::string id = std::to_string(info.dwProcessId) + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), id.data(), DWORD(id.size()), &written, nullptr);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    ::Sleep(60000);
    return 0;
}

}  // namespace

int main()
{
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    const std::wstring mode = count > 1 ? arguments[1] : L"";
    if (mode == L"args" && count > 2)
        return WriteArguments(count, arguments);
    if (mode == L"tree")
        return StartSleepingChild(arguments[0]);
    if (mode == L"sleep")
        ::Sleep(60000);
    return 0;
}
