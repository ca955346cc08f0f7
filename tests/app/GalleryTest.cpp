// The forms in the gallery, in the test's locale and (child runs) in C.UTF-8 and Japanese, the output window and the
// case results also dark and at scale 2 (the output window also at 1.5): no label cut off, no control outside its
// window.
#include "tests/support/Gallery.h"
#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "java/SourceSet.h"
#include "judge/CaseBatch.h"
#include "output/CaseResultsDialog.h"
#include "output/OutputDialog.h"
#include "output/OutputView.h"
#include "platform/JdkLocator.h"
#include "platform/gui/QtTranslations.h"
#include "platform/gui/QtUserDialogs.h"
#include "resources/FormBuilder.h"
#include "settings/OptionDialog.h"
#include "tests/support/DarkPalette.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace app;
using namespace java;
using namespace output;
using namespace platform;
using namespace resources;
using namespace runner;

namespace {

// "-ja" in the Japanese child run, empty in the test's own run.
QString Suffix() { return qEnvironmentVariable("TW_GALLERY_SUFFIX"); }

void Save(QWidget& window, const char* name) { SaveToGallery(&window, name + Suffix()); }

// Labels and buttons whose text is wider than the room the form gives it.
QStringList CutTexts(const QWidget& window)
{
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        for (const QString& line : QString(label->text()).remove('&').split('\n')) {
            if (label->isVisible() && !label->wordWrap()
                && label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width())
                cut << line;
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString text = QString(button->text()).remove('&');
        if (button->isVisible() && button->fontMetrics().horizontalAdvance(text) > button->width() - 4)
            cut << text;
    }
    return cut;
}

// Visible controls that stick out of their window, however little.
QStringList OutsideWindow(const QWidget& window)
{
    QStringList outside;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (control->isVisible() && !window.rect().contains(place))
            outside << QDebug::toString(place).prepend(control->objectName());
    }
    return outside;
}

// What identifies the dialog font whatever its family is called in the locale: its name table, and the room its text
// takes.
QByteArray FontDescription()
{
    const QFont font = DialogFont();
    const DialogUnits units = DialogUnits::For(font);
    const QByteArray names = QRawFont::fromFont(font).fontTable("name");
    return QCryptographicHash::hash(names, QCryptographicHash::Md5).toHex() + ' ' + QByteArray::number(units.baseX)
           + ' ' + QByteArray::number(units.baseY) + ' '
           + QByteArray::number(QFontMetrics(font).horizontalAdvance(QStringLiteral("選択されているファイル")));
}

TEST(Gallery, MainWindowAndAboutBox)
{
    SettingsSandbox settings;
    FakeUserDialogs dialogs;
    TempFolder work;
    const QString source = work.Write(QStringLiteral("Hello.java"));
    MainDialog w;
    w.Start({source});
    w.show();
    Save(w, "main-short");
    w.ToggleExtended();
    Save(w, "main-extended");
    EXPECT_EQ(CutTexts(w), QStringList{});
    AboutDialog about(w.JdkFolder(), &w);
    about.show();
    Save(about, "about");
    EXPECT_EQ(CutTexts(about), QStringList{});
    settings::OptionDialog options(w.Options(), &w);
    options.show();
    Save(options, "options");
    EXPECT_EQ(CutTexts(options), QStringList{});
    OutputDialog output(&w);
    output.SetText(QStringLiteral("Hello.java:5: エラー: ';'がありません\n"));
    output.show();
    Save(output, "output");
    EXPECT_EQ(CutTexts(output), QStringList{});
    EXPECT_EQ(OutsideWindow(output), QStringList{});
    QTranslator translator;
    InstallQtTranslations(translator);
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        Save(*box, "bom-question");
        EXPECT_EQ(box->defaultButton()->text(), "はい(&Y)");
        box->close();
    });
    QtUserDialogs().Message(&w, ByteOrderMarkQuestion({"Hello.java", "Greeting.java"}), QStringLiteral("確認"),
                            MsgIcon::Question, MsgButtons::YesNo);
    QFile font(GalleryFile("font" + Suffix() + ".txt"));
    ASSERT_TRUE(font.open(QIODevice::WriteOnly));
    font.write(FontDescription());
}

// The output window while tools run: with the input line at its default and its smallest size, and after a compile with
// errors (also in a dark theme), a full-width space with its hint among them.
TEST(Gallery, OutputWindowWhileAToolRuns)
{
    SettingsSandbox settings;
    FakeUserDialogs dialogs;
    TempFolder work;
    work.Write(QStringLiteral("Hello.java"));
    const auto settle = [](OutputDialog& window) {
        window.show();
        while (window.HasUnshownText())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    };
    const auto check = [](const QWidget& window, const char* when) {
        EXPECT_EQ(OutsideWindow(window), QStringList{}) << when;
        EXPECT_EQ(CutTexts(window), QStringList{}) << when;
    };
    OutputDialog running;
    running.BeginRun(QStringLiteral("java Sum.java"),
                     QStringLiteral("/usr/lib/jvm/default-java/bin/java -classpath . Sum"), true, work.Path());
    running.AppendText(QStringLiteral("1つ目の数: "), Stream::Output);
    running.AppendText(QStringLiteral("2\n"), Stream::Input);
    running.AppendText(QStringLiteral("2つ目の数: "), Stream::Output);
    running.InputLine()->setText(QStringLiteral("40"));
    settle(running);
    EXPECT_EQ(running.AbortButton()->text(), QStringLiteral("中止(&A)"));
    check(running, "running, default size");
    Save(running, "live-running");
    running.resize(running.minimumSize());
    QCoreApplication::processEvents();
    check(running, "running, smallest size");
    Save(running, "live-running-smallest");

    for (const bool dark : {false, true}) {
        OutputDialog compiled;
        if (dark)
            compiled.setPalette(DarkPalette());
        compiled.BeginRun(QStringLiteral("javac Hello.java"),
                          QStringLiteral("/usr/lib/jvm/default-java/bin/javac -classpath . Hello.java"), false,
                          work.Path(), {}, true);
        compiled.AppendText(
            QStringLiteral("Hello.java:3: エラー: '\\u3000'は不正な文字です\n        int x　= 1;\n             ^\n"
                           "Hello.java:5: 警告: [removal] Integer(int)は推奨されておらず、削除用にマークされています\n"
                           "        Integer i = new Integer(1);\n                    ^\nエラー1個\n警告1個\n"),
            Stream::Error);
        compiled.resize(560, 320);
        settle(compiled);
        check(compiled, "a compile, running");
        compiled.EndRun({ToolOutcome::Status::Finished, 1, 812});
        settle(compiled);
        check(compiled, "a compile, ended");
        Save(compiled, dark ? "live-compile-error-dark" : "live-compile-error");
        EXPECT_EQ(compiled.LinkCount(), 2);
        EXPECT_TRUE(compiled.Text().endsWith(QStringLiteral("警告1個\n【終了しました（終了コード 1、0.8 秒）】\n")));
        EXPECT_EQ(compiled.windowTitle(), QStringLiteral("javac Hello.java - エラー 1 件、警告 1 件 - 終了コード 1"));
    }

    // A program's exception with its hint, wrapped, at the window's first size.
    settings.WriteIni("");
    OutputDialog hinted;
    hinted.BeginRun(QStringLiteral("java In"), QStringLiteral("/usr/lib/jvm/default-java/bin/java -classpath . In"),
                    true, work.Path());
    hinted.AppendText(QStringLiteral("数を入力: "), Stream::Output);
    hinted.AppendText(QStringLiteral("abc\n"), Stream::Input);
    hinted.AppendText(QStringLiteral("Exception in thread \"main\" java.util.InputMismatchException\n"
                                     "\tat java.base/java.util.Scanner.throwFor(Scanner.java:939)\n"
                                     "\tat java.base/java.util.Scanner.nextInt(Scanner.java:2212)\n"
                                     "\tat In.main(In.java:6)\n"),
                      Stream::Error);
    hinted.EndRun({ToolOutcome::Status::Finished, 1, 1400});
    settle(hinted);
    check(hinted, "a hint at the first size");
    Save(hinted, "live-hint");
}

// The results of a program's cases: a right, a wrong (full-width) and an endless case, an exception with its stack
// trace and a case without expected output. A shell script stands in for the program.
TEST(Gallery, CaseResults)
{
    TempFolder work;
    work.Write(QStringLiteral("Main.java"));
    const auto add = [&](const QString& name, const QByteArray& input, const QByteArray& expected) {
        judge::TestCase testCase{name, work.Write(name + ".in", input), {}};
        if (!expected.isEmpty())
            testCase.expectedPath = work.Write(name + ".out", expected);
        return testCase;
    };
    const QList<judge::TestCase> cases{add("sample-1", "3\n1 2 3\n", "6\n"), add("sample-2", "2\n３ ４\n", "7\n"),
                                       add("ループ", "loop\n", "1\n"), add("sample-4", "throw\n", "1\n"),
                                       add("sample-5", "1\n", {})};
    const char* script = R"(read first
case "$first" in
  loop) while :; do :; done ;;
  throw) echo 'Exception in thread "main" java.util.NoSuchElementException' >&2
         printf '\tat java.base/java.util.Scanner.nextInt(Scanner.java:2258)\n\tat Main.main(Main.java:7)\n' >&2
         exit 1 ;;
  2) printf '７' ;;
  *) echo 6 ;;
esac
)";
    judge::CaseBatch batch({"/bin/sh", {"-c", script}, work.Path()}, cases, {300, {}});
    QSignalSpy finished(&batch, &judge::CaseBatch::finished);
    batch.RunAll();
    ASSERT_TRUE(finished.wait(20000));
    for (const bool dark : {false, true}) {
        CaseResultsDialog window(batch, {"Main.java", work.Path(), work.Path()}, {});
        if (dark)
            window.setPalette(DarkPalette());
        window.show();
        auto* rows = window.findChild<QTreeWidget*>();
        for (const int row : {1, 3}) {
            rows->setCurrentItem(rows->topLevelItem(row));
            QCoreApplication::processEvents();
            EXPECT_EQ(OutsideWindow(window), QStringList{}) << row;
            EXPECT_EQ(CutTexts(window), QStringList{}) << row;
            Save(window,
                 row == 1 ? (dark ? "cases-wrong-dark" : "cases-wrong") : (dark ? "cases-error-dark" : "cases-error"));
        }
    }
}

// Runs tests of this program in a child process with more variables set; its output when it failed.
void ExpectChildPasses(const char* filter, const QMap<QString, QString>& variables)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LC_CTYPE", "LANGUAGE"})
        environment.remove(name);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (auto it = variables.begin(); it != variables.end(); ++it)
        environment.insert(it.key(), it.value());
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    // Earlier tests may leave the working folder deleted.
    child.setWorkingDirectory(QDir::tempPath());
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + filter});
    ASSERT_TRUE(child.waitForFinished(60000)) << filter;
    EXPECT_EQ(child.exitCode(), 0) << filter << "\n" << child.readAll().toStdString();
}

// Fontconfig reads the locale when it starts, so each locale is a run of its own. The Japanese locale need not be
// generated: fontconfig and Qt read LANG themselves.
TEST(Gallery, SameFontAndNothingCutInEveryLocaleAndScale)
{
    if (!Suffix().isEmpty())
        GTEST_SKIP() << "a child run";
    QMap<QString, QByteArray> fonts;
    for (const char* lang : {"C.UTF-8", "ja_JP.UTF-8"}) {
        const QString suffix = QStringLiteral("-") + QString::fromUtf8(lang).section('.', 0, 0).section('_', 0, 0);
        ExpectChildPasses("Gallery.MainWindowAndAboutBox:Gallery.CaseResults",
                          {{"LANG", lang}, {"TW_GALLERY_SUFFIX", suffix}});
        QFile font(GalleryFile("font" + suffix + ".txt"));
        ASSERT_TRUE(font.open(QIODevice::ReadOnly)) << lang;
        fonts[lang] = font.readAll();
    }
    EXPECT_EQ(fonts["ja_JP.UTF-8"], fonts["C.UTF-8"]);
    for (const char* scale : {"1.5", "2"})
        ExpectChildPasses(scale == QStringLiteral("2") ? "Gallery.OutputWindowWhileAToolRuns:Gallery.CaseResults"
                                                       : "Gallery.OutputWindowWhileAToolRuns",
                          {{"QT_SCALE_FACTOR", scale}, {"TW_GALLERY_SUFFIX", QStringLiteral("-scale") + scale}});
}

}  // namespace
