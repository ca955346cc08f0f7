// The smallest Qt Widgets program with a window: the yardstick for start-up.
#include "app/FirstPaint.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app::FirstPaintHook::ExitIfRequested(app);
    QPushButton button(QStringLiteral("OK"));
    button.show();
    return app.exec();
}
