// Windows: a console program gets a console window of its own through
// cmd.exe, /K keeping it open after the program ends and /C closing it.
#include "platform/Terminal.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

#include <windows.h>

namespace platform {

namespace {

// cmd.exe takes everything after "/S /K" as one line and strips only the
// outermost quotes; every argument is quoted, so that & | < > ^ in a name
// stay characters. (A % in an argument is still expanded by cmd.)
QString CmdQuoted(const QString& argument)
{
    // The C runtime's rules, as the program's own command line parser reads them.
    qsizetype backslashes = 0;
    QString out = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        if (c == QLatin1Char('"'))
            out += QString(backslashes * 2 + 1, QLatin1Char('\\'));
        else
            out += QString(backslashes, QLatin1Char('\\'));
        backslashes = 0;
        out += c;
    }
    out += QString(backslashes * 2, QLatin1Char('\\'));
    return out + QLatin1Char('"');
}

}  // namespace

QStringList TerminalCandidates(const DesktopEnvironment&) { return {QStringLiteral("cmd.exe")}; }

QString FindTerminal(const DesktopEnvironment& env)
{
    const QString comSpec = qEnvironmentVariable("ComSpec");
    if (!comSpec.isEmpty() && QFileInfo(comSpec).isFile())
        return QDir::fromNativeSeparators(comSpec);
    return FindProgram(QStringLiteral("cmd.exe"), env);
}

ProcessSpec InTerminal(const QString& terminal, const ProcessSpec& command, bool keepOpen)
{
    ProcessSpec request;
    request.program = terminal;
    request.workingFolder = command.workingFolder;
    request.utf8Locale = command.utf8Locale;
    QStringList line{CmdQuoted(QDir::toNativeSeparators(command.program))};
    for (const QString& argument : command.arguments)
        line << CmdQuoted(argument);
    request.nativeArguments = (keepOpen ? QStringLiteral("/S /K \"") : QStringLiteral("/S /C \""))
                              + line.join(QLatin1Char(' ')) + QLatin1Char('"');
    return request;
}

namespace {

bool Passed(DWORD stream)
{
    const HANDLE handle = ::GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

UINT g_callersCodePage = 0;

}  // namespace

void UseCallersConsole()
{
    const bool out = Passed(STD_OUTPUT_HANDLE), err = Passed(STD_ERROR_HANDLE);
    if ((out && err) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
    // The text is UTF-8; the console gets its own code page back at the end.
    g_callersCodePage = ::GetConsoleOutputCP();
    ::SetConsoleOutputCP(CP_UTF8);
    std::atexit([] { ::SetConsoleOutputCP(g_callersCodePage); });
}

}  // namespace platform
