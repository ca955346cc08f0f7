#include "app/TarnwickApp.h"
#include "commands/HeadlessJudge.h"
#include "platform/Display.h"
#include "platform/Terminal.h"
#include "resources/FormBuilder.h"
#include "resources/FormStyle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>

namespace {

const char* const kUsageJapanese =
    "使い方: tarnwick [Javaファイルまたはフォルダ ...]\n"
    "JDKのツールでJavaファイルをコンパイル・実行・文書化するデスクトップツール。\n"
    "指定したファイル、またはフォルダの中で最初に見つかったファイルを選択します。\n"
    "\n"
    "  --judge Javaファイル [--cases フォルダ] [--time-limit 秒] [--compare 比較]\n"
    "             画面を使わずにケース（NAME.in と NAME.out、または in/ と out/）で\n"
    "             プログラムを判定し、ケースごとに一行と集計を表示する。比較は lines\n"
    "             （行末の空白と最後の空行を無視、既定）、exact、float:誤差。\n"
    "             全てのケースが正解なら 0、そうでなければ 1、判定できなければ 2 で終了する\n"
    "  --help     この説明を表示して終了する\n"
    "  --version  版を表示して終了する\n";
const char* const kUsageEnglish = "Usage: tarnwick [JAVA-FILE-OR-FOLDER ...]\n"
                                  "A desktop tool that compiles, runs and documents a Java file with the JDK's tools.\n"
                                  "Its windows are in Japanese. The first file named, or the first file found in\n"
                                  "a folder named, becomes the current file.\n"
                                  "\n"
                                  "  --judge JAVA-FILE [--cases DIR] [--time-limit SECONDS] [--compare RULE]\n"
                                  "             judge the program on its cases (NAME.in and NAME.out, or in/ and\n"
                                  "             out/) without a display: one line per case and a summary. RULE is\n"
                                  "             lines (blanks at line ends and empty lines at the end ignored; the\n"
                                  "             default), exact or float:EPS. Exits with 0 when every case passes,\n"
                                  "             1 when one does not, 2 when nothing could be judged\n"
                                  "  --help     show this help and exit\n"
                                  "  --version  show the version and exit\n";

bool JapaneseUser() { return QLocale::system().uiLanguages().value(0).startsWith(QLatin1String("ja")); }

// The help in the user's language where it is Japanese, else in English (the
// manual page is made from the English text).
const char* Usage() { return JapaneseUser() ? kUsageJapanese : kUsageEnglish; }

bool AsksToJudge(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == cmd::kJudgeOption || argument.startsWith(QByteArray(cmd::kJudgeOption) + '='))
            return true;
    }
    return false;
}

// The headless judge: Qt Core alone, no display.
int Judge(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    const bool english = !JapaneseUser();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const cmd::JudgeArguments parsed = cmd::ParseJudgeArguments(QCoreApplication::arguments().mid(1), english);
    if (!parsed.request) {
        err << QStringLiteral("tarnwick: ") << parsed.error << Qt::endl;
        return cmd::kCannotJudge;
    }
    return cmd::RunHeadlessJudge(*parsed.request, english, out, err);
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            platform::UseCallersConsole();
            std::fputs(Usage(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            platform::UseCallersConsole();
            std::puts("Tarnwick 1.12");
            return 0;
        }
    }
    if (AsksToJudge(argc, argv)) {
        platform::UseCallersConsole();
        return Judge(argc, argv);
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
