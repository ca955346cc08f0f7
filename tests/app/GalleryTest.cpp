// Renders the forms headless into the build folder's gallery for people to
// look at, in the test's own locale and, through child runs, in C.UTF-8 and
// in the Japanese locale of the program's users; no label may be cut off.
#include "app/CAboutDialog.h"
#include "app/CMainDialog.h"
#include "platform/JdkLocator.h"
#include "platform/gui/QtTranslations.h"
#include "platform/gui/QtUserDialogs.h"
#include "resources/FormBuilder.h"
#include "runner/COutputDialog.h"
#include "runner/SourceSet.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRawFont>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// "-ja" in the Japanese child run, empty in the test's own run.
QString Suffix() { return qEnvironmentVariable("TW_GALLERY_SUFFIX"); }

QString GalleryFile(const QString& name)
{
    const QString folder = QString::fromLocal8Bit(qgetenv("TW_BINARY_DIR")) + QStringLiteral("/gallery/");
    QDir().mkpath(folder);
    return folder + name;
}

void Save(QWidget& window, const char* name)
{
    EXPECT_TRUE(window.grab().save(GalleryFile(QString::fromUtf8(name) + Suffix() + ".png"))) << name;
}

// Labels and buttons whose text is wider than the room the form gives it.
QStringList CutTexts(const QWidget& window)
{
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = QString(label->text()).remove('&');
        if (label->isVisible() && !label->wordWrap()
            && label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width())
            cut << text;
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString text = QString(button->text()).remove('&');
        if (button->isVisible() && button->fontMetrics().horizontalAdvance(text) > button->width() - 4)
            cut << text;
    }
    return cut;
}

// What identifies the dialog font whatever its family is called in the
// locale: its name table, and the room its text takes.
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
    CMainDialog w;
    w.OnInitDialog({source});
    w.show();
    Save(w, "main-short");
    w.ToggleExtended();
    Save(w, "main-extended");
    EXPECT_EQ(CutTexts(w), QStringList{});
    CAboutDialog about(&w);
    about.show();
    Save(about, "about");
    EXPECT_EQ(CutTexts(about), QStringList{});
    COutputDialog output(&w);
    output.SetText(QStringLiteral("Hello.java:5: エラー: ';'がありません\n"));
    output.show();
    Save(output, "output");
    EXPECT_EQ(CutTexts(output), QStringList{});
    QTranslator translator;
    platform::InstallQtTranslations(translator);
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        Save(*box, "bom-question");
        EXPECT_EQ(box->defaultButton()->text(), "はい(&Y)");
        box->close();
    });
    QtUserDialogs().Message(&w, runner::ByteOrderMarkQuestion({"Hello.java", "Greeting.java"}), QStringLiteral("確認"),
                            MsgIcon::Question, MsgButtons::YesNo);
    QFile font(GalleryFile("font" + Suffix() + ".txt"));
    ASSERT_TRUE(font.open(QIODevice::WriteOnly));
    font.write(FontDescription());
}

// Fontconfig reads the locale when it starts, so each locale is a run of
// its own. The Japanese locale need not be generated: fontconfig and Qt read
// LANG themselves.
TEST(Gallery, SameFontAndNothingCutInEveryLocale)
{
    if (!Suffix().isEmpty())
        GTEST_SKIP() << "a child run";
    QMap<QString, QByteArray> fonts;
    for (const char* lang : {"C.UTF-8", "ja_JP.UTF-8"}) {
        const QString suffix = QStringLiteral("-") + QString::fromUtf8(lang).section('.', 0, 0).section('_', 0, 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LC_CTYPE", "LANGUAGE"})
            environment.remove(name);
        environment.insert("LANG", lang);
        environment.insert("TW_GALLERY_SUFFIX", suffix);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        // Earlier tests may leave the working folder deleted.
        child.setWorkingDirectory(QDir::tempPath());
        child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Gallery.MainWindowAndAboutBox"});
        ASSERT_TRUE(child.waitForFinished(60000)) << lang;
        EXPECT_EQ(child.exitCode(), 0) << lang << "\n" << child.readAll().toStdString();
        QFile font(GalleryFile("font" + suffix + ".txt"));
        ASSERT_TRUE(font.open(QIODevice::ReadOnly)) << lang;
        fonts[lang] = font.readAll();
    }
    EXPECT_EQ(fonts["ja_JP.UTF-8"], fonts["C.UTF-8"]);
}

}  // namespace
