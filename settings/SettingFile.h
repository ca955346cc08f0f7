#pragma once
// Typed access to the keys of "Setting.ini". Every read looks at the file and
// every write goes to the file at once. A write replaces the file atomically
// and is serialised with other running copies by a lock file, so no crash or
// concurrent write leaves a truncated file or loses a key.
#include "settings/SettingKeys.h"

#include <QList>
#include <QString>
#include <functional>

namespace settings {

// One key's new text, for SettingFile::WriteValues.
struct SettingValue {
    SettingValue(QString section, QString key, QString value)
        : section(std::move(section))
        , key(std::move(key))
        , value(std::move(value))
    {}
    SettingValue(SettingKey key, QString value)
        : SettingValue(key.section, key.name, std::move(value))
    {}

    QString section;
    QString key;
    QString value;
};

class SettingFile {
public:
    SettingFile();
    virtual ~SettingFile() = default;

    // Name relative to the settings folder; "\" is taken as a separator.
    void SetFileName(const QString& name);
    QString FilePath() const;

    int ReadInt(const QString& section, const QString& key, int defaultValue) const;
    bool WriteInt(const QString& section, const QString& key, int value);
    // "true" or "false", as WriteBool writes them.
    static QString BoolText(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
    // True when the stored text is exactly "true" or "1".
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    bool WriteBool(const QString& section, const QString& key, bool value);
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A name that IniDocument cannot store fails like any other write.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    // Every value in one locked rewrite of the file, in order: all of them or,
    // when one cannot be written, none.
    bool WriteValues(const QList<SettingValue>& values);

    bool ReadBool(SettingKey key, bool defaultValue) const { return ReadBool(key.section, key.name, defaultValue); }
    QString ReadString(SettingKey key, const QString& defaultValue) const
    {
        return ReadString(key.section, key.name, defaultValue);
    }
    bool WriteString(SettingKey key, const QString& value) { return WriteString(key.section, key.name, value); }

    // The reason of the last failed write, for the user.
    QString LastError() const { return m_lastError; }

    // Called after every failed write (the program shows a message once).
    using FailureHandler = std::function<void(const QString& path, const QString& reason)>;
    static void SetWriteFailureHandler(FailureHandler handler);

private:
    QString m_folder;  // ends in the separator
    QString m_fileName;
    QString m_lastError;
};

}  // namespace settings
