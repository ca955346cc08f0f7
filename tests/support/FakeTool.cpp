// A tool for the tests that start one, the same on Linux and Windows. Its
// steps are the lines of NAME.steps beside it (the name without ".exe"), so
// that a copy stands in for a JDK's tool whatever it is given; without that
// file, its arguments:
//   out:TEXT  err:TEXT  a line on standard output or error ("$line" is the
//                       last line read); put:TEXT without the line end
//   read                reads a line; at the end of input, ends with 4
//   read-or:TEXT        reads a line, or at its end writes TEXT
//   echo-lines          writes each line read as "<line>" until the input ends
//   cat                 copies the rest of the input to standard output as it is
//   drain               reads the rest of the input (the last line read stays)
//   spin                busy forever
//   sleep:SECONDS  exit:CODE  crash  touch:FILE
//   if:LINE:STEP        STEP when the last line read was LINE
//   unset:VARIABLE:STEP STEP when the variable is unset or empty
//   record:FOLDER       writes its folder (with "/"), its path and its
//                       arguments, each ended by NUL, to FOLDER/NAME
//   classes             makes X.class for each argument X.java
//   env-err:VARIABLE    writes the variable's value to standard error
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

std::string g_line;
std::vector<std::string> g_arguments;  // the path first

// The tool's path without ".exe".
std::string Stem(std::string path)
{
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".exe") == 0)
        path.resize(path.size() - 4);
    return path;
}

// Paths with "/" as the tests write them, on either system.
std::string Forward(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

void Record(const std::string& folder)
{
    const std::string self = Forward(g_arguments[0]);
    std::ofstream log(folder + "/" + Stem(self.substr(self.find_last_of('/') + 1)), std::ios::binary);
    log << Forward(std::filesystem::current_path().string()) << '/' << '\0' << self << '\0';
    for (std::size_t i = 1; i < g_arguments.size(); ++i)
        log << g_arguments[i] << '\0';
}

void MakeClasses()
{
    for (std::size_t i = 1; i < g_arguments.size(); ++i) {
        const std::string& argument = g_arguments[i];
        if (argument.size() > 5 && argument.compare(argument.size() - 5, 5, ".java") == 0)
            std::ofstream(argument.substr(0, argument.size() - 5) + ".class");
    }
}

void Write(std::ostream& stream, std::string text)
{
    for (std::size_t at; (at = text.find("$line")) != std::string::npos;)
        text.replace(at, 5, g_line);
    stream << text << '\n' << std::flush;
}

bool ReadLine()
{
    if (!std::getline(std::cin, g_line))
        return false;
    if (!g_line.empty() && g_line.back() == '\r')
        g_line.pop_back();
    return true;
}

[[noreturn]] void Crash()
{
#ifdef _WIN32
    // Ends with the exception's code, as a crash does where no debugger or
    // error report is set up.
    ::SetErrorMode(SEM_NOGPFAULTERRORBOX);
    ::SetUnhandledExceptionFilter([](EXCEPTION_POINTERS*) -> LONG { return EXCEPTION_EXECUTE_HANDLER; });
    ::RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
#else
    std::signal(SIGSEGV, SIG_DFL);
    std::raise(SIGSEGV);
#endif
    std::abort();
}

// Runs one step; the exit code when the tool ends there, else -1.
int RunStep(const std::string& step)
{
    const std::size_t colon = step.find(':');
    const std::string verb = step.substr(0, colon), text = colon == std::string::npos ? "" : step.substr(colon + 1);
    if (verb == "if") {
        const std::size_t split = text.find(':');
        return text.substr(0, split) == g_line ? RunStep(text.substr(split + 1)) : -1;
    }
    if (verb == "unset") {
        const std::size_t split = text.find(':');
        const char* value = std::getenv(text.substr(0, split).c_str());
        return value == nullptr || *value == '\0' ? RunStep(text.substr(split + 1)) : -1;
    }
    if (verb == "record")
        Record(text);
    else if (verb == "classes")
        MakeClasses();
    else if (verb == "env-err" && std::getenv(text.c_str()) != nullptr)
        std::cerr << std::getenv(text.c_str()) << std::flush;
    else if (verb == "put")
        std::cout << text << std::flush;
    else if (verb == "touch")
        std::ofstream(text).put('\n');
    else if (verb == "out")
        Write(std::cout, text);
    else if (verb == "err")
        Write(std::cerr, text);
    else if (verb == "read" && !ReadLine())
        return 4;
    else if (verb == "read-or" && !ReadLine())
        Write(std::cout, text);
    else if (verb == "cat")
        std::cout << std::cin.rdbuf() << std::flush;
    else if (verb == "drain")
        std::cin.ignore(std::numeric_limits<std::streamsize>::max());
    else if (verb == "echo-lines")
        while (ReadLine())
            Write(std::cout, "<" + g_line + ">");
    else if (verb == "spin")
        for (std::atomic<unsigned long> turns = 0;; turns.fetch_add(1, std::memory_order_relaxed)) {
        }
    else if (verb == "sleep")
        std::this_thread::sleep_for(std::chrono::seconds(std::atoi(text.c_str())));
    else if (verb == "exit")
        return std::atoi(text.c_str());
    else if (verb == "crash")
        Crash();
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Bytes as they are: no CR added before LF, none taken away.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    g_arguments.assign(argv, argv + argc);
    std::vector<std::string> steps;
    std::ifstream file(Stem(argv[0]) + ".steps");
    for (std::string line; std::getline(file, line);)
        steps.push_back(line);
    if (!file.is_open())
        steps.assign(argv + 1, argv + argc);
    for (const std::string& step : steps) {
        if (const int code = RunStep(step); code >= 0)
            return code;
    }
    return 0;
}
