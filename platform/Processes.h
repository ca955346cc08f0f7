#pragma once
// A program to start: its path, its argument list and its working folder.
// Programs are always started directly, never through a shell.
#include <QString>
#include <QStringList>

class QProcess;

namespace platform {

struct ProcessSpec {
    QString program;
    QStringList arguments;
    QString workingFolder;  // empty: the program's own
    bool operator==(const ProcessSpec&) const = default;
};

// True when program names an executable file.
bool IsStartable(const QString& program);

// Sets process up to start request: program, arguments and working folder.
void Configure(QProcess& process, const ProcessSpec& request);

// Starts the program on its own, not tracked; standard input is the null
// device. False when it could not be started.
bool StartDetached(const ProcessSpec& request);

}  // namespace platform
