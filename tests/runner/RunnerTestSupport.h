#pragma once
// Executable scripts, and a temporary folder that stands in for the system's one.
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

// Points TMPDIR at a fresh folder for its lifetime.
class TempDirSandbox {
public:
    QString Path() const { return m_folder.Path(); }
    // Files whose names begin with "Out" or "Err".
    QStringList CaptureLeftovers() const { return QDir(Path()).entryList({"Out*", "Err*"}, QDir::Files); }

private:
    TempFolder m_folder;
    ScopedEnv m_env{"TMPDIR", QFile::encodeName(m_folder.Path())};
};
