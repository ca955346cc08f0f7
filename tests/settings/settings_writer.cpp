// Writes keys through CSettingFile, reporting each finished write on stdout:
//   settings_writer <prefix> <count>
// The settings folder comes from TARNWICK_SETTINGS_DIR.
#include "settings/CSettingFile.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    const int count = QString::fromLocal8Bit(argv[2]).toInt();
    CSettingFile settings;
    for (int i = 0; i < count; ++i) {
        if (!settings.WriteInt(QStringLiteral("Race"), prefix + QString::number(i), i))
            return 1;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 0;
}
