#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <optional>

#include "tests/support/QtPrinters.h"

// A fresh folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder();
    // The folder, ending in "/".
    QString Path() const;
    QString Path(const QString& relative) const { return Path() + relative; }
    // Writes a file (creating folders); returns its full path.
    QString Write(const QString& relative, const QByteArray& bytes = {}) const;
    QByteArray Read(const QString& relative) const;
    bool Exists(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};

// Sets an environment variable (or removes it, given no value) for its lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<QByteArray> value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_previous;
};

// Points the settings folder at a fresh temporary folder for one test.
class SettingsSandbox {
public:
    const TempFolder& Folder() const { return m_folder; }
    QString IniPath() const { return m_folder.Path(QStringLiteral("Setting.ini")); }
    QByteArray IniBytes() const { return m_folder.Read(QStringLiteral("Setting.ini")); }
    void WriteIni(const QByteArray& bytes) const { m_folder.Write(QStringLiteral("Setting.ini"), bytes); }

private:
    TempFolder m_folder;
    ScopedEnv m_env{"TARNWICK_SETTINGS_DIR", QFile::encodeName(m_folder.Path())};
};
