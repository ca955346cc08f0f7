#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempFolder::TempFolder()
    : m_dir(QDir::tempPath() + QStringLiteral("/tarnwick-test-XXXXXX"))
{}

QString TempFolder::Path() const { return m_dir.path() + QLatin1Char('/'); }

QString TempFolder::Write(const QString& relative, const QByteArray& bytes) const
{
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

QByteArray TempFolder::Read(const QString& relative) const
{
    QFile file(Path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempFolder::Exists(const QString& relative) const { return QFileInfo::exists(Path(relative)); }

ScopedEnv::ScopedEnv(const char* name, std::optional<QByteArray> value)
    : m_name(name)
{
    if (qEnvironmentVariableIsSet(name))
        m_previous = qgetenv(name);
    value ? qputenv(name, *value) : qunsetenv(name);
}

ScopedEnv::~ScopedEnv() { m_previous ? qputenv(m_name, *m_previous) : qunsetenv(m_name); }
