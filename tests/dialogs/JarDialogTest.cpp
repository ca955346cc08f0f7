#include "dialogs/JarDialog.h"
#include "java/JarBuild.h"
#include "output/OutputDialog.h"
#include "platform/JdkLocator.h"
#include "resources/FormIds.h"
#include "tests/runner/RunnerTestSupport.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/Gallery.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

using namespace dialogs;
using namespace java;
using namespace output;
using namespace platform;
using namespace resources;

namespace {

TEST(JarPlan, DerivesNamesFromTheListedFilesAndPlacesClassesByTheirNames)
{
    struct Case {
        const char *files, *mainFile;  // files in list order
        const char* declared;          // each file's class as its class file names it; "-" where unread
        const char *baseFolder, *mainName, *mainClass, *entries, *misplaced;
    };
    const Case cases[] = {
        {"/w/A.txt /w/sub/App.class", "/w/sub/App.class", "- -", "/w/", "sub/App", "sub/App", "A.txt sub/App.class",
         ""},
        // Files outside the base folder keep their full paths, also where its name appears deeper inside.
        {"/t/a/App.class /t/b/t/a/X.class", "/t/b/t/a/X.class", "- -", "/t/a/", "/t/b/t/a/X", "/t/b/t/a/X",
         "App.class /t/b/t/a/X.class", ""},
        // A main file without extension (a dot in a folder name is none) has no name.
        {"/w/A.class /w/v1.2/Main", "/w/v1.2/Main", "- -", "/w/", "", "", "A.class v1.2/Main", ""},
        // A class of a package keeps its package path and its qualified name.
        {"/w/a/b/M.class", "/w/a/b/M.class", "b.M", "/w/a/", "b/M", "b.M", "b/M.class", ""},
        // Classes of other folders come from their package roots, so that they load.
        {"/x/a/Main2.class /x/b/Helper.class /x/b/p/Q.class", "/x/a/Main2.class", "Main2 Helper p.Q", "/x/a/", "Main2",
         "Main2", "Main2.class -C /x/b Helper.class -C /x/b p/Q.class", ""},
        {"/w/A.txt /w/sub/App.class", "/w/sub/App.class", "- App", "/w/", "sub/App", "App", "A.txt -C /w/sub App.class",
         ""},
    };
    for (const Case& c : cases) {
        const QStringList files = QString(c.files).split(' ');
        ClassInfos classes;
        for (qsizetype i = 0; const QString& name : QString(c.declared).split(' '))
            if (name != "-")
                classes.insert(files[i++], ClassFileInfo{name});
            else
                ++i;
        const JarPlan plan = PlanJar(files, c.mainFile, classes);
        EXPECT_EQ(plan.baseFolder, c.baseFolder) << c.mainFile;
        EXPECT_EQ(plan.manifestText, QStringLiteral("Main-Class: ") + c.mainClass + QStringLiteral("\r\n"));
        EXPECT_EQ(plan.Arguments("/tmp/M"),
                  QStringList({"cfm", QString(c.mainName) + ".jar", "/tmp/M"}) + QString(c.entries).split(' '));
        EXPECT_EQ(plan.misplaced.join(' '), c.misplaced);
    }
}

// A main that only java 25 and later start is the default main class there, not before.
TEST(JarPlan, TheDefaultMainClassIsOneThatTheJdksJavaStarts)
{
    const QStringList files{"/w/A.class", "/w/B.class", "/w/C.class"};
    const ClassInfos classes{{"/w/A.class", {"A"}},
                             {"/w/B.class", {.name = "B", .hasLaunchableMain = true}},
                             {"/w/C.class", {.name = "C", .hasMain = true, .hasLaunchableMain = true}}};
    EXPECT_EQ(DefaultMainFile(files, "X", classes, 17), "/w/C.class");
    EXPECT_EQ(DefaultMainFile(files, "X", classes, 25), "/w/B.class");
    EXPECT_EQ(DefaultMainFile(files, "C", classes, 25), "/w/C.class");
}

class JarDialogTest : public ::testing::Test {
protected:
    JarDialogTest() { qputenv("TMPDIR", QFile::encodeName(temp.Path())); }
    ~JarDialogTest() override
    {
        QDir::setCurrent(startFolder);
        qputenv("TMPDIR", startTemp);
    }
    QComboBox* Mains() const { return dialog.findChild<QComboBox*>(ControlObjectName(JarForm::MainList)); }
    // Clicks OK; returns the text of the output window if one opened.
    QString ClickOk()
    {
        QString shown;
        QTimer timer;  // gone when no window opened
        QObject::connect(&timer, &QTimer::timeout, [&shown] {
            auto* output = qobject_cast<OutputDialog*>(QApplication::activeModalWidget());
            if (output && !output->IsRunning()) {
                shown = output->Text();
                output->accept();
            }
        });
        timer.start(0);
        dialog.findChild<QPushButton*>(ControlObjectName(JarForm::Ok))->click();
        return shown;
    }

    const QString startFolder = QDir::currentPath();
    const QByteArray startTemp = qgetenv("TMPDIR");
    SettingsSandbox settings;  // the output window keeps its place there
    FakeUserDialogs dialogs;
    TempFolder work;
    TempFolder temp;  // the temporary folder during a test, to see what builds leave
    JarDialog dialog;
};

// The list's menu (with the Menu key) adds files not listed yet and removes the selected ones, as Delete does.
TEST_F(JarDialogTest, DropsReplaceTheListsAndTheMenuAddsAndRemovesFiles)
{
    auto* files = dialog.findChild<QListWidget*>(ControlObjectName(JarForm::FileList));
    const auto listed = [&] {
        QStringList lines;
        for (int i = 0; i < files->count(); ++i)
            lines << files->item(i)->text() + "|" + Mains()->itemText(i);
        return lines << Mains()->currentText();
    };
    const auto drop = [&](const QStringList& paths) {
        QMimeData data;
        for (const QString& path : paths)
            data.setUrls(data.urls() << QUrl::fromLocalFile(path));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        EXPECT_TRUE(QApplication::sendEvent(files->viewport(), &enter) && enter.isAccepted());
        EXPECT_TRUE(QApplication::sendEvent(files->viewport(), &drop) && drop.isAccepted());
        return listed();
    };
    QStringList menus;
    const auto useMenu = [&](const QString& item) {
        QTimer::singleShot(0, [&, item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_TRUE(menu);
            QStringList texts;
            for (QAction* action : menu->actions()) {
                texts << action->text() + (action->isEnabled() ? "" : " (grey)");
                if (action->text() == item)
                    menu->setActiveAction(action);
            }
            menus << texts.join('|');
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), files->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(files, &key);
    };
    // Class files that cannot be read: the first one is the main entry.
    EXPECT_EQ(drop({"/w/b.class", "/w/Main.class", "/w/a.txt", "/w/a.txt"}),
              QStringList({"/w/a.txt|/w/a.txt", "/w/a.txt|/w/a.txt", "/w/b.class|/w/b.class",
                           "/w/Main.class|/w/Main.class", "/w/b.class"}));
    EXPECT_EQ(drop({"/w/Z.class", "/w/Y.class"}),
              QStringList({"/w/Y.class|/w/Y.class", "/w/Z.class|/w/Z.class", "/w/Y.class"}));
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    files->setFocus();
    files->item(1)->setSelected(true);
    QTest::keyClick(files, Qt::Key_Delete);
    dialogs.fileLists.push_back({"/w/c.class", "/w/Y.class"});
    useMenu("ファイルを追加…");
    EXPECT_EQ(listed(), QStringList({"/w/c.class|/w/c.class", "/w/Y.class|/w/Y.class", "/w/c.class"}));
    files->item(1)->setSelected(true);
    useMenu("削除");
    EXPECT_EQ(listed(), QStringList({"/w/c.class|/w/c.class", "/w/c.class"}));
    EXPECT_EQ(menus, QStringList({"ファイルを追加…|削除 (grey)", "ファイルを追加…|削除"}));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(QStringList({dialogs.fileRequests[0].title, dialogs.fileRequests[0].initialFolder}),
              QStringList({"圧縮するファイルを追加", "/w"}));
    SaveToGallery(&dialog, "jar_dialog");
}

// The empty list shows its focus frame; OK says why there is no archive to make.
TEST_F(JarDialogTest, AnEmptyListShowsItsFocusAndOkSaysWhyNoArchiveCanBeMade)
{
    auto* files = dialog.findChild<QListWidget*>(ControlObjectName(JarForm::FileList));
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QImage unfocused = files->grab().toImage();
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClick(&dialog, Qt::Key_Backtab);
    ASSERT_TRUE(files->hasFocus());
    EXPECT_NE(files->grab().toImage(), unfocused) << "no focus mark on the empty list";
    ClickOk();
    EXPECT_TRUE(dialog.isVisible());
    dialog.AddDroppedFiles({work.Write("App.class")});
    ClickOk();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(QStringList({dialogs.messages[0].text, dialogs.messages[0].caption}),
              QStringList({"圧縮するファイルがありません。\nファイルをリストにドロップするか、リストのメニュー"
                           "（右クリックまたはメニューキー）の「ファイルを追加…」で追加してください。",
                           "確認"}));
    EXPECT_EQ(QStringList({dialogs.messages[1].text, dialogs.messages[1].caption}),
              QStringList({work.Path("App.class")
                               + " はクラスファイルではないため、実行できるJARファイルになりません。"
                                 "\n\"main\"を含む\"*.class\"を選択してください。",
                           "確認"}));
    EXPECT_TRUE(QDir(temp.Path()).isEmpty());
}

// Archives run with java -jar: classes keep their package paths, classes of other folders come from their package
// roots. A failed build shows the tool's message; what could not run is refused before the tool starts.
TEST_F(JarDialogTest, ArchivesRunWithJavaJarAndWhatCouldNotRunIsRefused)
{
    const auto jdk = FindJdk();
    if (!jdk)
        GTEST_SKIP() << "no JDK installed";
    const auto run = [&](const QString& tool, const QStringList& arguments) {  // its messages, trimmed
        QProcess process;
        process.setWorkingDirectory(work.Path());
        process.start(*jdk + tool, arguments);
        process.waitForFinished(-1);
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
    };
    work.Write("sub/Main.java", "package sub; public class Main { public static void main(String[] a) {\n"
                                "  new Runnable() { public void run() { System.out.println(Util.Hi()); } }.run(); } }");
    work.Write("sub/Util.java", "package sub; class Util { static String Hi() { return \"hi from the jar\"; } }");
    work.Write("sub/Tool.java", "package sub; class Tool { public static void main(String[] a) { } }");
    work.Write("a/Main2.java", "public class Main2 { public static void main(String[] a) { Helper.Hi(); } }");
    work.Write("b/Helper.java", "class Helper { static void Hi() { System.out.println(\"hi from b\"); } }");
    ASSERT_EQ(run("javac", {"sub/Main.java", "sub/Util.java", "sub/Tool.java", "a/Main2.java", "b/Helper.java"}), "");
    const QString misplaced = work.Write("x/Util.class", work.Read("sub/Util.class"));
    const std::pair<QStringList, QString> refused[] = {
        {{work.Path("sub/Util.class")},
         work.Path("sub/Util.class")
             + " には、このJDKで実行できる main メソッドがありません。"
               "\n\"main\"を含む\"*.class\"を選択してください。"},
        {{work.Path("sub/Main.class"), misplaced},
         "次のクラスファイルはパッケージのフォルダの中にないため、JARファイルから読み込めません。"
         "パッケージと同じ名前のフォルダに置いてコンパイルし直してください。\n"
             + misplaced + "（クラス sub.Util）"},
    };
    dialog.SetJdkFolder(*jdk);
    dialog.show();
    for (const auto& [files, message] : refused) {
        dialog.AddDroppedFiles(files);
        ClickOk();
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(QStringList({dialogs.messages.back().text, dialogs.messages.back().caption}),
                  QStringList({message, "確認"}));
    }
    dialog.SetJdkFolder(work.Path("jdk"));
    dialog.AddDroppedFiles({work.Path("sub/Main.class")});
    ClickOk();
    EXPECT_EQ(dialogs.messages.back().text, work.Path("jdk/jar") + "は存在しません");
    dialog.SetJdkFolder(*jdk);
    dialog.AddDroppedFiles({work.Path("sub/Main.class"), work.Path("Missing.class")});
    EXPECT_TRUE(ClickOk().contains(QStringLiteral("Missing.class")));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.BuiltArchive(), QString());
    // The main class is the one with main named like the current file, else the first with main, shown by its name.
    // Names like an option or an argument file, and non-ASCII names, are packed as they are.
    const QStringList classes{work.Path("sub/Main$1.class"), work.Path("sub/Main.class"), work.Path("sub/Tool.class"),
                              work.Path("sub/Util.class"),   work.Write("@list"),         work.Write("-C"),
                              work.Write("日本語.txt")};
    dialog.SetCurrentFile({"Tool.java", "Tool", work.Path("sub/"), "java"});
    dialog.AddDroppedFiles(classes);
    EXPECT_EQ(dialog.MainFile(), work.Path("sub/Tool.class"));
    dialog.SetCurrentFile({"Other.java", "Other", work.Path("sub/"), "java"});
    dialog.AddDroppedFiles(classes);
    EXPECT_EQ(QStringList({dialog.MainFile(), Mains()->currentText()}),
              QStringList({work.Path("sub/Main.class"), "sub.Main"}));
    {
        const ScopedEnv locale("LC_ALL", "C");
        EXPECT_EQ(ClickOk(), QString());
    }
    EXPECT_TRUE(dialog.result() == QDialog::Accepted && QDir::currentPath() + "/" == work.Path());
    EXPECT_EQ(dialog.BuiltArchive(), work.Path("sub/Main.jar")) << "the main window names it";
    EXPECT_EQ(run("java", {"-jar", "sub/Main.jar"}), QStringLiteral("hi from the jar"));
    const QStringList listed = run("jar", {"tf", "sub/Main.jar"}).split('\n');
    for (const char* entry : {"-C", "@list", "sub/Main.class", "日本語.txt"})
        EXPECT_TRUE(listed.contains(QString::fromUtf8(entry))) << entry << " in " << listed.join(' ').toStdString();

    dialog.show();
    dialog.AddDroppedFiles({work.Path("a/Main2.class"), work.Path("b/Helper.class")});
    EXPECT_EQ(ClickOk(), QString());
    EXPECT_EQ(run("java", {"-jar", "a/Main2.jar"}), QStringLiteral("hi from b"));
    EXPECT_TRUE(QDir(temp.Path()).isEmpty());
}

}  // namespace
