#include "app/CTarnwickApp.h"
#include "app/FirstPaintExit.h"
#include "platform/Display.h"
#include "platform/gui/QtTranslations.h"
#include "resources/FormBuilder.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage = "使い方: tarnwick [Javaファイルまたはフォルダ ...]\n"
                           "JDKのツールでJavaファイルをコンパイル・実行・文書化するデスクトップツール。\n"
                           "\n"
                           "  --help     この説明を表示して終了する\n"
                           "  --version  版を表示して終了する\n";

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Tarnwick 1.12");
            return 0;
        }
    }
    if (!platform::HasDisplay()) {
        std::fputs("tarnwick: 表示できる画面がありません (DISPLAY も WAYLAND_DISPLAY も使えません)\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    FirstPaintExit::InstallIfRequested(app);
    QTranslator qtTexts;
    platform::InstallQtTranslations(qtTexts);
    // One font for every window, message box and menu.
    QApplication::setFont(DialogFont());
    QStringList names = QApplication::arguments();
    names.removeFirst();
    return CTarnwickApp().InitInstance(names);
}
