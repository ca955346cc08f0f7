// The smallest Qt Widgets program with a window of Japanese text: the
// yardstick for start-up. A Japanese window pays for opening a Japanese font
// and its glyphs, which two Latin letters would not.
#include "app/FirstPaint.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app::FirstPaintHook::ExitIfRequested(app);
    QPushButton button(QStringLiteral("コンパイル"));
    button.show();
    return app.exec();
}
