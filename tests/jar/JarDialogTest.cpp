#include "dialogs/CJarDialog.h"
#include "platform/JdkLocator.h"
#include "runner/COutputDialog.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Points the temporary folder at a fresh one, to see what a build leaves there.
class TempPathSandbox {
public:
    TempPathSandbox() { qputenv("TMPDIR", QFile::encodeName(m_folder.Path())); }
    ~TempPathSandbox() { m_had ? qputenv("TMPDIR", m_previous) : qunsetenv("TMPDIR"); }
    bool IsEmpty() const { return QDir(m_folder.Path()).isEmpty(); }

private:
    bool m_had = qEnvironmentVariableIsSet("TMPDIR");
    QByteArray m_previous = qgetenv("TMPDIR");
    TempFolder m_folder;
};

// A stand-in archive tool that records how it was started, then fails.
const char kFakeJar[] = "#!/bin/sh\npwd > \"$0.cwd\"\nprintf '%s\\n' \"$@\" > \"$0.args\"\ncat \"$3\" > \"$0.manifest\"\n"
                        "echo out-line\necho err-line >&2\nexit 3\n";

class JarDialog : public ::testing::Test {
protected:
    ~JarDialog() override { QDir::setCurrent(m_startFolder); }

    QStringList Listed() const
    {
        QStringList items;
        auto* mains = dialog.findChild<QComboBox*>(ControlObjectName(1051));
        for (int i = 0; i < mains->count(); ++i)
            items << dialog.findChild<QListWidget*>(ControlObjectName(1050))->item(i)->text() + "|" + mains->itemText(i);
        return items << mains->currentText();
    }
    void Drop(const QStringList& paths)
    {
        QMimeData data;
        for (const QString& path : paths)
            data.setUrls(data.urls() << QUrl::fromLocalFile(path));
        QWidget* list = dialog.findChild<QListWidget*>(ControlObjectName(1050))->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list, &drop);
        EXPECT_TRUE(enter.isAccepted() && drop.isAccepted());
    }
    // Clicks OK; returns the text of the output window if one opened.
    QString ClickOk()
    {
        auto shown = std::make_shared<QString>();
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [shown] {
            if (auto* output = qobject_cast<COutputDialog*>(QApplication::activeModalWidget())) {
                *shown = output->Text();
                output->accept();
            }
        });
        timer.start(0);
        dialog.findChild<QPushButton*>(ControlObjectName(1))->click();
        return *shown;
    }

    QString m_startFolder = QDir::currentPath();
    SettingsSandbox settings;  // the output window keeps its place there
    FakeUserDialogs dialogs;
    TempFolder work;
    CJarDialog dialog;
};

TEST_F(JarDialog, DropsReplaceBothSortedLists)
{
    Drop({"/w/b.class", "/w/Main.class", "/w/a.txt"});
    EXPECT_EQ(Listed(), QStringList({"/w/a.txt|/w/a.txt", "/w/b.class|/w/b.class", "/w/Main.class|/w/Main.class", "/w/a.txt"}));
    dialog.findChild<QComboBox*>(ControlObjectName(1051))->setCurrentIndex(2);
    Drop({"/w/Z.class", "/w/Y.class"});
    EXPECT_EQ(Listed(), QStringList({"/w/Y.class|/w/Y.class", "/w/Z.class|/w/Z.class", "/w/Y.class"}));
}

TEST_F(JarDialog, OkWithoutFilesClosesAndAMissingToolIsReported)
{
    dialog.show();
    ClickOk();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());

    TempPathSandbox temp;
    dialog.SetJdkFolder(work.Path("jdk"));
    dialog.OnDropFiles({work.Write("App.class")});
    dialog.show();
    ClickOk();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, work.Path("jdk/jar") + QStringLiteral("は存在しません"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("ファイルエラー"));
    EXPECT_TRUE(temp.IsEmpty());
}

TEST_F(JarDialog, StartsTheToolInTheBaseFolderAndShowsItsMessagesOnFailure)
{
    TempPathSandbox temp;
    QFile::setPermissions(work.Write("jdk/jar", kFakeJar), QFile::ReadOwner | QFile::ExeOwner);
    dialog.SetJdkFolder(work.Path("jdk"));
    dialog.OnDropFiles({work.Write("src/sub/B.class"), work.Write("src/App.class")});
    dialog.show();
    EXPECT_EQ(ClickOk(), QStringLiteral("out-line\nerr-line\n"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(work.Read("jdk/jar.cwd"), work.Path("src").toUtf8() + "\n");
    const QList<QByteArray> args = work.Read("jdk/jar.args").split('\n');
    ASSERT_EQ(args.size(), 6);
    EXPECT_TRUE(args[2].startsWith(QFile::encodeName(QDir::tempPath()) + "/MainClass")) << args[2].constData();
    EXPECT_EQ(QList<QByteArray>({args[0], args[1], args[3], args[4]}), QList<QByteArray>({"cfm", "App.jar", "App.class", "sub/B.class"}));
    EXPECT_EQ(work.Read("jdk/jar.manifest"), "Main-Class: App\r\n");
    EXPECT_TRUE(temp.IsEmpty());
}

// With the installed JDK: compiled classes packed and run with java -jar.
class JarDialogWithJdk : public JarDialog {
protected:
    void SetUp() override
    {
        const auto jdk = platform::FindJdk();
        if (!jdk)
            GTEST_SKIP() << "no JDK installed";
        m_jdk = *jdk;
        dialog.SetJdkFolder(m_jdk);
        work.Write("App.java", "public class App { public static void main(String[] a) { System.out.println(Util.Hi()); } }\n");
        work.Write("Util.java", "class Util { static String Hi() { return \"hi from the jar\"; } }\n");
        work.Write("sub/Main.java", "package sub; public class Main { public static void main(String[] a) { System.out.println(\"sub\"); } }\n");
        ASSERT_EQ(Run("javac", {"App.java", "Util.java", "sub/Main.java"}), QString());
    }
    QString Run(const QString& tool, const QStringList& arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(work.Path());
        process.start(m_jdk + tool, arguments);
        process.waitForFinished(-1);
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
    }

    QString m_jdk;
};

TEST_F(JarDialogWithJdk, BuildsArchivesThatRun)
{
    TempPathSandbox temp;
    dialog.show();
    Drop({work.Path("Util.class"), work.Path("App.class")});
    EXPECT_EQ(ClickOk(), QString());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), work.Path());
    EXPECT_TRUE(temp.IsEmpty());
    EXPECT_EQ(Run("java", {"-jar", "App.jar"}), QStringLiteral("hi from the jar"));

    dialog.OnDropFiles({work.Path("sub/Main.class"), work.Path("App.java")});
    dialog.findChild<QComboBox*>(ControlObjectName(1051))->setCurrentIndex(1);
    dialog.show();
    ClickOk();
    EXPECT_EQ(Run("java", {"-jar", "sub/Main.jar"}), QStringLiteral("sub"));
}

TEST_F(JarDialogWithJdk, AMissingListedFileFailsWithTheToolsMessage)
{
    dialog.OnDropFiles({work.Path("App.class"), work.Path("Missing.class")});
    dialog.show();
    EXPECT_TRUE(ClickOk().contains(QStringLiteral("Missing.class")));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(JarDialog, GalleryShowsTheDialog)
{
    dialog.OnDropFiles({"/home/user/work/App.class", "/home/user/work/Util.class", "/home/user/work/images/logo.png"});
    dialog.show();
    const QString folder = qEnvironmentVariable("TW_BINARY_DIR") + QStringLiteral("/gallery/");
    QDir().mkpath(folder);
    EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("jar_dialog.png")));
}

}  // namespace
