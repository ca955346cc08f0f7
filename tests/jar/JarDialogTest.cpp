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

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

// Points the temporary folder at a fresh one, to see what a build leaves there.
class TempPathSandbox {
public:
    TempPathSandbox() { qputenv("TMPDIR", QFile::encodeName(m_folder.Path())); }
    ~TempPathSandbox()
    {
        if (m_hadPrevious)
            qputenv("TMPDIR", m_previous);
        else
            qunsetenv("TMPDIR");
    }
    QStringList Entries() const { return QDir(m_folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

private:
    bool m_hadPrevious = qEnvironmentVariableIsSet("TMPDIR");
    QByteArray m_previous = qgetenv("TMPDIR");
    TempFolder m_folder;
};

class RecordingJarDialog : public CJarDialog {
public:
    QStringList shownMessages;

protected:
    void ShowToolMessages(const QString& text) override { shownMessages.append(text); }
};

class JarDialog : public ::testing::Test {
protected:
    void TearDown() override { QDir::setCurrent(m_startFolder); }

    QListWidget* Files() const { return dialog.findChild<QListWidget*>(ControlObjectName(1050)); }
    QComboBox* Mains() const { return dialog.findChild<QComboBox*>(ControlObjectName(1051)); }
    void ClickOk() { dialog.findChild<QPushButton*>(ControlObjectName(1))->click(); }

    void Drop(const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data.setUrls(urls);
        QWidget* target = Files()->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        ASSERT_TRUE(drop.isAccepted());
    }

    QString m_startFolder = QDir::currentPath();
    FakeUserDialogs dialogs;
    TempFolder work;
    RecordingJarDialog dialog;
};

TEST_F(JarDialog, DropsReplaceBothSortedLists)
{
    Drop({work.Path("b.class"), work.Path("Main.class"), work.Path("a.txt")});
    const QStringList first{work.Path("a.txt"), work.Path("b.class"), work.Path("Main.class")};
    EXPECT_EQ(Items(Files()), first);
    EXPECT_EQ(Items(Mains()), first);
    EXPECT_EQ(Mains()->currentIndex(), 0);

    Mains()->setCurrentIndex(2);
    Drop({work.Path("Z.class"), work.Path("Y.class")});
    const QStringList second{work.Path("Y.class"), work.Path("Z.class")};
    EXPECT_EQ(Items(Files()), second);
    EXPECT_EQ(Items(Mains()), second);
    EXPECT_EQ(Mains()->currentText(), work.Path("Y.class"));
}

TEST_F(JarDialog, OkWithoutFilesClosesLikeClose)
{
    dialog.SetJdkFolder(QStringLiteral("/nonexistent/jdk"));
    dialog.show();
    ClickOk();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(JarDialog, MissingArchiveToolIsReportedAndTheDialogStaysOpen)
{
    TempPathSandbox temp;
    dialog.SetJdkFolder(work.Path("jdk"));
    EXPECT_EQ(dialog.JdkFolder(), work.Path("jdk/"));
    dialog.show();
    dialog.OnDropFiles({work.Write("App.class")});
    ClickOk();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, work.Path("jdk/jar") + QStringLiteral("は存在しません"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("ファイルエラー"));
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Error);
    EXPECT_TRUE(temp.Entries().isEmpty());
}

// A stand-in archive tool that records how it was started and fails.
const char kFakeJar[] = "#!/bin/sh\n"
                        "pwd > \"$0.cwd\"\n"
                        "printf '%s\\n' \"$@\" > \"$0.args\"\n"
                        "cat \"$3\" > \"$0.manifest\"\n"
                        "echo out-line\n"
                        "echo err-line >&2\n"
                        "exit 3\n";

TEST(JarDialogRun, StartsTheToolWithTheManifestAndShowsItsMessagesOnFailure)
{
    const QString startFolder = QDir::currentPath();
    SettingsSandbox settings;  // the output window keeps its place there
    FakeUserDialogs dialogs;
    TempFolder work;
    TempPathSandbox temp;
    const QString jar = work.Write("jdk/jar", kFakeJar);
    QFile::setPermissions(jar, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    CJarDialog dialog;
    dialog.SetJdkFolder(work.Path("jdk"));
    dialog.OnDropFiles({work.Write("src/sub/B.class"), work.Write("src/App.class")});
    dialog.show();
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* output = qobject_cast<COutputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(output, nullptr);
        shown = output->Text();
        output->accept();
    });
    dialog.findChild<QPushButton*>(ControlObjectName(1))->click();
    EXPECT_EQ(shown, QStringLiteral("out-line\nerr-line\n"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(work.Read("jdk/jar.cwd"), work.Path("src").toUtf8() + "\n");
    const QList<QByteArray> args = work.Read("jdk/jar.args").split('\n');
    ASSERT_EQ(args.size(), 6);
    EXPECT_EQ(args[0], "cfm");
    EXPECT_EQ(args[1], "App.jar");
    EXPECT_TRUE(args[2].contains("/MainClass")) << args[2].constData();
    EXPECT_EQ(args[3], "App.class");
    EXPECT_EQ(args[4], "sub/B.class");
    EXPECT_EQ(work.Read("jdk/jar.manifest"), "Main-Class: App\r\n");
    EXPECT_TRUE(temp.Entries().isEmpty());
    QDir::setCurrent(startFolder);
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
    }

    QString Run(const QString& tool, const QStringList& arguments, int* exitCode = nullptr) const
    {
        QProcess process;
        process.setWorkingDirectory(work.Path());
        process.start(m_jdk + tool, arguments);
        process.waitForFinished(-1);
        if (exitCode)
            *exitCode = process.exitCode();
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    }

    void Compile(const QStringList& sources)
    {
        int exitCode = -1;
        const QString messages = Run(QStringLiteral("javac"), sources, &exitCode);
        ASSERT_EQ(exitCode, 0) << messages.toStdString();
    }

    QString m_jdk;
};

TEST_F(JarDialogWithJdk, BuildsAnArchiveThatRuns)
{
    work.Write("App.java", "public class App { public static void main(String[] a) { System.out.println(Util.Hello()); } }\n");
    work.Write("Util.java", "class Util { static String Hello() { return \"hello from the jar\"; } }\n");
    Compile({"App.java", "Util.java"});
    TempPathSandbox temp;
    dialog.show();
    Drop({work.Path("Util.class"), work.Path("App.class")});
    ASSERT_EQ(Mains()->currentText(), work.Path("App.class"));
    ClickOk();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialog.shownMessages.isEmpty());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), work.Path());
    EXPECT_TRUE(temp.Entries().isEmpty()) << temp.Entries().join(' ').toStdString();
    EXPECT_EQ(Run(QStringLiteral("java"), {"-jar", "App.jar"}).trimmed(), QStringLiteral("hello from the jar"));
}

TEST_F(JarDialogWithJdk, MainClassInASubfolderRuns)
{
    work.Write("sub/App.java", "package sub; public class App { public static void main(String[] a) { System.out.println(\"sub\"); } }\n");
    work.Write("Readme.txt", "read me\n");
    Compile({"sub/App.java"});
    dialog.show();
    dialog.OnDropFiles({work.Path("sub/App.class"), work.Path("Readme.txt")});
    Mains()->setCurrentIndex(1);
    ClickOk();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Run(QStringLiteral("java"), {"-jar", "sub/App.jar"}).trimmed(), QStringLiteral("sub"));
}

TEST_F(JarDialogWithJdk, ToolFailureShowsItsMessagesAndStaysOpen)
{
    work.Write("App.java", "public class App { public static void main(String[] a) {} }\n");
    Compile({"App.java"});
    TempPathSandbox temp;
    dialog.show();
    dialog.OnDropFiles({work.Path("App.class"), work.Path("Missing.class")});
    ClickOk();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialog.shownMessages.size(), 1);
    EXPECT_TRUE(dialog.shownMessages[0].contains(QStringLiteral("Missing.class"))) << dialog.shownMessages[0].toStdString();
    EXPECT_TRUE(temp.Entries().isEmpty());
}

TEST_F(JarDialog, GalleryShowsTheDialog)
{
    dialog.OnDropFiles({QStringLiteral("/home/user/work/App.class"), QStringLiteral("/home/user/work/Util.class"),
                        QStringLiteral("/home/user/work/images/logo.png")});
    dialog.show();
    const QString folder = qEnvironmentVariable("TW_BINARY_DIR") + QStringLiteral("/gallery/");
    QDir().mkpath(folder);
    EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("jar_dialog.png")));
}

}  // namespace
