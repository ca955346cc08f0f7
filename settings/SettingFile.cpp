#include "settings/SettingFile.h"

#include "platform/FileContent.h"
#include "platform/FileLock.h"
#include "platform/FileStatus.h"
#include "platform/Paths.h"
#include "settings/IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace settings {

namespace {

SettingFile::FailureHandler& Handler()
{
    static SettingFile::FailureHandler handler;
    return handler;
}

// The parsed text of the last file read, reused while the file is unchanged
// (same inode, size and modification time); every write renames a new file
// into place, so a write always shows as a change.
struct CachedDocument {
    QString path;
    platform::FileStatus status;
    IniDocument document;
};

CachedDocument& Cache()
{
    static CachedDocument cache;
    return cache;
}

IniDocument ReadDocument(const QString& path)
{
    const platform::FileStatus status = platform::StatusOf(path);
    if (status.kind != platform::FileKind::Regular)
        return {};
    CachedDocument& cache = Cache();
    if (cache.path == path && cache.status == status)
        return cache.document;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    cache = {path, status, IniDocument::FromBytes(bytes)};
    return cache.document;
}

// ".Setting.ini.lock" beside "Setting.ini": hidden, as it is no user's file.
QString LockPath(const QString& path)
{
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
}

bool ParseDecimal(const QString& text, int* out)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (ok)
        *out = value;
    return ok;
}

}  // namespace

SettingFile::SettingFile()
    : m_folder(platform::SettingsFolder())
{
    SetFileName(ini::FileName);
}

void SettingFile::SetWriteFailureHandler(FailureHandler handler) { Handler() = std::move(handler); }

void SettingFile::SetFileName(const QString& name)
{
    m_fileName = name;
    m_fileName.replace(QLatin1Char('\\'), platform::kSeparator);
}

QString SettingFile::FilePath() const { return m_folder + m_fileName; }

QString SettingFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return ReadDocument(FilePath()).Value(section, key).value_or(defaultValue);
}

int SettingFile::ReadInt(const QString& section, const QString& key, int defaultValue) const
{
    const auto text = ReadDocument(FilePath()).Value(section, key);
    int value = defaultValue;
    if (text && ParseDecimal(*text, &value))
        return value;
    return defaultValue;
}

bool SettingFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    const QString text = ReadString(section, key, defaultValue ? QStringLiteral("true") : QStringLiteral("false"));
    return text == QLatin1String("true") || text == QLatin1String("1");
}

bool SettingFile::WriteInt(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool SettingFile::WriteBool(const QString& section, const QString& key, bool value)
{
    return WriteString(section, key, BoolText(value));
}

bool SettingFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    return WriteValues({{section, key, value}});
}

bool SettingFile::WriteValues(const QList<SettingValue>& values)
{
    const QString path = FilePath();
    auto fail = [&](const QString& reason) {
        m_lastError = reason;
        if (Handler())
            Handler()(path, reason);
        return false;
    };
    for (const SettingValue& v : values) {
        if (!IniDocument::IsSectionName(v.section) || !IniDocument::IsKeyName(v.key))
            return fail(QStringLiteral("設定の名前に使えない文字があります: [%1] %2").arg(v.section, v.key));
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("フォルダを作成できません: ") + folder);

    // Serialised with every other running copy; the lock file stays in place.
    platform::FileLock lock(LockPath(path));
    if (!lock.Lock(10000))
        return fail(lock.Error());

    QByteArray current;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return fail(existing.errorString());
        current = existing.readAll();
        existing.close();
    }
    IniDocument document = IniDocument::FromBytes(current);
    for (const SettingValue& v : values) {
        if (!document.SetValue(v.section, v.key, v.value))
            return fail(QStringLiteral("設定を書き込めません: [%1] %2").arg(v.section, v.key));
    }

    QString reason;
    if (!platform::ReplaceFile(path, document.ToBytes(), &reason))
        return fail(reason);
    m_lastError.clear();
    return true;
}

}  // namespace settings
