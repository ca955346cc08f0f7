#include "platform/windows/JdkRegistry.h"

#include <QDir>
#include <QSettings>
#include <QVersionNumber>

#include <algorithm>

namespace platform {

namespace {

// A key whose subkeys are versions, and the value below each that names the home.
struct InstallerKey {
    const char* key;
    const char* value;
};

constexpr InstallerKey kInstallerKeys[] = {
    {"SOFTWARE\\JavaSoft\\JDK", "JavaHome"},
    {"SOFTWARE\\JavaSoft\\Java Development Kit", "JavaHome"},
    {"SOFTWARE\\Eclipse Adoptium\\JDK", "hotspot\\MSI\\Path"},
    {"SOFTWARE\\Eclipse Foundation\\JDK", "hotspot\\MSI\\Path"},
    {"SOFTWARE\\AdoptOpenJDK\\JDK", "hotspot\\MSI\\Path"},
    {"SOFTWARE\\Microsoft\\JDK", "hotspot\\MSI\\Path"},
    {"SOFTWARE\\Azul Systems\\Zulu", "InstallationPath"},
};

struct Found {
    QVersionNumber version;
    QString home;
};

// "17.0.2", "1.8.0_392", "zulu-17": the first run of digits and dots.
QVersionNumber VersionOfKey(const QString& name)
{
    const qsizetype start =
        std::distance(name.begin(), std::find_if(name.begin(), name.end(), [](QChar c) { return c.isDigit(); }));
    return QVersionNumber::fromString(name.mid(start));
}

void Collect(const QString& root, QSettings::Format view, std::vector<Found>& found)
{
    for (const InstallerKey& installer : kInstallerKeys) {
        QSettings key(root + QLatin1Char('\\') + QLatin1String(installer.key), view);
        for (const QString& version : key.childGroups()) {
            const QString value = QString::fromLatin1(installer.value).replace(QLatin1Char('\\'), QLatin1Char('/'));
            const QString home = key.value(version + QLatin1Char('/') + value).toString();
            if (!home.isEmpty())
                found.push_back({VersionOfKey(version), QDir::fromNativeSeparators(home)});
        }
    }
}

}  // namespace

QStringList JdkHomesFromRegistry()
{
    std::vector<Found> found;
    for (const char* root : {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER"}) {
        Collect(QLatin1String(root), QSettings::Registry64Format, found);
        Collect(QLatin1String(root), QSettings::Registry32Format, found);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return QVersionNumber::compare(a.version, b.version) > 0; });
    QStringList homes;
    for (const Found& each : found) {
        if (!homes.contains(each.home, Qt::CaseInsensitive))
            homes << each.home;
    }
    return homes;
}

}  // namespace platform
