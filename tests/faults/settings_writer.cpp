// settings_writer <prefix> <count> [value length]: writes keys through SettingFile, reporting each finished write
// on stdout and a failed one on stderr (exit status 1). The settings folder comes from TARNWICK_SETTINGS_DIR.
// settings_writer options <count>: presses OK on the options <count> times, with every option changed ("a") and
// back ("b") in turn, the applications being this program; reports each finished press.
#include "settings/SettingFile.h"
#include "tests/settings/OptionValues.h"

#include <QCoreApplication>
#include <cstdio>

using namespace settings;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    const int count = QString::fromLocal8Bit(argv[2]).toInt();
    const int length = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    if (prefix == QLatin1String("options")) {
        OptionModel model;
        const QString application = QCoreApplication::applicationFilePath();
        for (int i = 0; i < count; ++i) {
            model.Save(i % 2 ? EveryOption(QStringLiteral("b"), false, application)
                             : EveryOption(QStringLiteral("a"), true, application),
                       nullptr);
            std::printf("%d\n", i);
            std::fflush(stdout);
        }
        return 0;
    }
    SettingFile settings;
    for (int i = 0; i < count; ++i) {
        const QString value = length > 0 ? QString(length, QLatin1Char('v')) : QString::number(i);
        if (!settings.WriteString(QStringLiteral("Race"), prefix + QString::number(i), value)) {
            std::fprintf(stderr, "%s\n", qPrintable(settings.LastError()));
            return 1;
        }
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 0;
}
