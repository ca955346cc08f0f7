// A program for the Windows tests: "args FILE ..." writes the arguments it
// was given, one per line in UTF-8, to FILE; "tree" starts a copy of itself
// that sleeps and sleeps too; "sleep" sleeps for a minute. Named javac.exe,
// it answers as javac does on a source with one error.
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

// javac's answer for a file whose third line lacks a semicolon, in UTF-8.
int AnswerAsJavac(const wchar_t* file)
{
    const std::string name = Utf8(file);
    const std::string text = name
                             + ":3: エラー: ';'がありません\n        System.out.println(\"こんにちは\")\n"
                               "                                           ^\nエラー1個\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), text.data(), DWORD(text.size()), &written, nullptr);
    return 1;
}

bool NamedJavac(const wchar_t* self)
{
    std::wstring name = self;
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name = name.substr(slash + 1);
    return _wcsicmp(name.c_str(), L"javac.exe") == 0 || _wcsicmp(name.c_str(), L"javac") == 0;
}

}  // namespace

int main()
{
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (NamedJavac(arguments[0]))
        return AnswerAsJavac(count > 1 ? arguments[count - 1] : L"Hello.java");
    const std::wstring mode = count > 1 ? arguments[1] : L"";
    if (mode == L"args" && count > 2)
        return WriteArguments(count, arguments);
    if (mode == L"tree")
        return StartSleepingChild(arguments[0]);
    if (mode == L"sleep")
        ::Sleep(60000);
    return 0;
}
