// Writes the program's icon as PNG files for the desktop:
//   tarnwick_icon_writer <folder>  ->  <folder>/<N>x<N>/apps/tarnwick.png
#include "resources/FormBuilder.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(folder)
            || !resources::AppIcon().pixmap(size, size).save(folder + QStringLiteral("/tarnwick.png")))
            return 1;
    }
    return 0;
}
