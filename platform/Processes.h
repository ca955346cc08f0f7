#pragma once
// A program to start: its path, its argument list, its working folder and
// its locale. Programs are always started directly, never through a shell.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

class QFileDevice;
class QProcess;

namespace platform {

struct ProcessSpec {
    QString program;
    QStringList arguments;
    QString workingFolder;  // empty: the program's own
    // Run under a UTF-8 locale when the user's is not, so that a JDK tool
    // reads sources and writes messages in UTF-8, as the program does.
    bool utf8Locale = false;
    // Windows only: the command line after the program's name, as written,
    // for programs that read it by their own rules (cmd.exe).
    QString nativeArguments{};
    bool operator==(const ProcessSpec&) const = default;
};

// Sets process up to run request: program, arguments, working folder, the
// null device as standard input, and the environment.
void Configure(QProcess& process, const ProcessSpec& request);

// Sets process up to write its standard output and standard error into two
// files that are open already: the child gets their handles, so neither file
// is opened by its name again.
void WriteOutputTo(QProcess& process, const QFileDevice& output, const QFileDevice& error);

// env with LC_ALL set to an installed UTF-8 locale when env's character
// locale (LC_ALL, else LC_CTYPE, else LANG) is not an installed UTF-8 one
// (the C library reads a missing one as ASCII): the user's language
// in UTF-8 when installed (ja_JP.eucJP gives ja_JP.UTF-8), else C.UTF-8 or
// en_US.UTF-8. Unchanged when no UTF-8 locale is installed.
QProcessEnvironment WithUtf8Locale(QProcessEnvironment env);

// The process, once started, is killed when this program ends, however it
// ends (also by SIGKILL): the system sends the signal when its parent goes.
void EndWithThisProgram(QProcess& process);

// As EndWithThisProgram, and the process leads a process group of its own
// that every process it starts joins, so that EndProcessGroup ends them all.
// (A process can have one set-up step, so this one does both.)
void EndWithThisProgramInGroup(QProcess& process);

// Kills the process group that pid leads (EndWithThisProgramInGroup), also
// the members left after the leader has ended. Nothing when none is left.
void EndProcessGroup(qint64 pid);

// How far the process has read its standard input when that is a file:
// the file's read position; nothing when the system does not tell.
std::optional<qint64> StandardInputPosition(qint64 pid);

// True when program names an executable file.
bool IsStartable(const QString& program);

// Starts the program on its own, not tracked; standard input is the null
// device. False when it could not be started.
bool StartDetached(const ProcessSpec& request);

}  // namespace platform
