#pragma once
// Helpers of the runner tests: executable scripts, and a temporary folder
// that stands in for the system's one.
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>

// An executable shell script (the text after "#!/bin/sh\n").
inline QString WriteScript(const TempFolder& folder, const QString& relative, const QByteArray& body = "exit 0\n")
{
    const QString path = folder.Write(relative, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Sets an environment variable for its lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name)
    {
        qputenv(name, value);
    }
    ~ScopedEnv() { m_had ? qputenv(m_name, m_previous) : qunsetenv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    QByteArray m_previous = qgetenv(m_name);
    bool m_had = qEnvironmentVariableIsSet(m_name);
};

// Points TMPDIR at a fresh folder for its lifetime.
class TempDirSandbox {
public:
    TempDirSandbox() { qputenv("TMPDIR", QFile::encodeName(m_folder.Path())); }
    ~TempDirSandbox() { m_had ? qputenv("TMPDIR", m_previous) : qunsetenv("TMPDIR"); }
    QString Path() const { return m_folder.Path(); }
    // Files whose names begin with "Out" or "Err".
    QStringList CaptureLeftovers() const { return QDir(Path()).entryList({"Out*", "Err*"}, QDir::Files); }

private:
    QByteArray m_previous = qgetenv("TMPDIR");
    bool m_had = qEnvironmentVariableIsSet("TMPDIR");
    TempFolder m_folder;
};
