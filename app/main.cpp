#include "app/TarnwickApp.h"
#include "platform/Display.h"
#include "resources/FormBuilder.h"
#include "resources/FormStyle.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>

namespace {

const char* const kUsageJapanese = "使い方: tarnwick [Javaファイルまたはフォルダ ...]\n"
                                   "JDKのツールでJavaファイルをコンパイル・実行・文書化するデスクトップツール。\n"
                                   "指定したファイル、またはフォルダの中で最初に見つかったファイルを選択します。\n"
                                   "\n"
                                   "  --help     この説明を表示して終了する\n"
                                   "  --version  版を表示して終了する\n";
const char* const kUsageEnglish = "Usage: tarnwick [JAVA-FILE-OR-FOLDER ...]\n"
                                  "A desktop tool that compiles, runs and documents a Java file with the JDK's tools.\n"
                                  "Its windows are in Japanese. The first file named, or the first file found in\n"
                                  "a folder named, becomes the current file.\n"
                                  "\n"
                                  "  --help     show this help and exit\n"
                                  "  --version  show the version and exit\n";

// The help in the user's language where it is Japanese, else in English (the
// manual page is made from the English text).
const char* Usage()
{
    const QString language = QLocale::system().uiLanguages().value(0);
    return language.startsWith(QLatin1String("ja")) ? kUsageJapanese : kUsageEnglish;
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(Usage(), stdout);
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
    QApplication::setStyle(new resources::FormStyle(QApplication::style()->name()));
    // One font for every window, message box and menu.
    QApplication::setFont(resources::DialogFont());
    QStringList names = QApplication::arguments();
    names.removeFirst();
    return app::TarnwickApp().InitInstance(names);
}
