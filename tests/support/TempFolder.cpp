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
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempFolder::Exists(const QString& relative) const { return QFileInfo::exists(Path(relative)); }

SettingsSandbox::SettingsSandbox()
{
    m_hadPrevious = qEnvironmentVariableIsSet("TARNWICK_SETTINGS_DIR");
    m_previous = qgetenv("TARNWICK_SETTINGS_DIR");
    qputenv("TARNWICK_SETTINGS_DIR", QFile::encodeName(m_folder.Path()));
}

SettingsSandbox::~SettingsSandbox()
{
    if (m_hadPrevious)
        qputenv("TARNWICK_SETTINGS_DIR", m_previous);
    else
        qunsetenv("TARNWICK_SETTINGS_DIR");
}
