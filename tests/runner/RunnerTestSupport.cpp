#include "tests/runner/RunnerTestSupport.h"

#include <QDir>
#include <QFile>

QString WriteScript(const TempFolder& folder, const QString& relative, const QByteArray& body)
{
    const QString path = folder.Write(relative, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QString BinaryDir()
{
    const QString dir = qEnvironmentVariable("TW_BINARY_DIR");
    return dir.isEmpty() ? QStringLiteral(TW_TEST_BINARY_DIR) : dir;
}

TempDirSandbox::TempDirSandbox()
{
    m_hadPrevious = qEnvironmentVariableIsSet("TMPDIR");
    m_previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(m_folder.Path()));
}

TempDirSandbox::~TempDirSandbox()
{
    if (m_hadPrevious)
        qputenv("TMPDIR", m_previous);
    else
        qunsetenv("TMPDIR");
}

QStringList TempDirSandbox::CaptureLeftovers() const
{
    return QDir(m_folder.Path()).entryList({QStringLiteral("Out*"), QStringLiteral("Err*")}, QDir::Files);
}
