// Every source that the generators write for consistent choices must compile:
// a broad sweep of class and applet sources goes into one folder and is
// compiled with one javac run.
#include "generators/AppletGenerator.h"
#include "generators/ClassGenerator.h"
#include "platform/JdkLocator.h"
#include "platform/TextCodec.h"
#include "tests/support/TempFolder.h"

#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

using K = ComponentKind;

QString FindJavac()
{
    if (const auto jdk = platform::FindJdk())
        return *jdk + "javac";
    return QStandardPaths::findExecutable("javac");
}

struct Sweep {
    const TempFolder& folder;
    QStringList files;

    // A fresh class name; its file is named after it.
    QString NextName(char kind) const { return QString("%1%2").arg(kind).arg(files.size(), 5, 10, QChar('0')); }
    void Write(const QString& className, const QString& text)
    {
        files << folder.Write("src/" + className + ".java", platform::EncodeFileText(text));
    }
};

MenuItemNode Item(const QString& label, std::vector<MenuItemNode> children = {}) { return {label, std::move(children)}; }

// Menu trees a user might build: empty, plain, and one full of the labels
// that trip naive generators (repeats, Japanese text, quotes, mnemonics).
const std::vector<MenuItemNode> kMenuTrees = {
    Item("JMenuBar"),
    Item("JMenuBar", {Item("File", {Item("Open"), Item("-"), Item("Exit")})}),
    Item("JMenuBar", {Item("ファイル(&F)", {Item("開く(&O)"), Item("保存(&S)"), Item("設定(&設)"), Item("-"), Item("Open"),
                                           Item("Open"), Item("Recent", {Item("One"), Item("One"), Item("&-")})}),
                      Item("ファイル(&F)", {Item("終了")}), Item("Bar"), Item("-"), Item("Say \"Hi\" \\ C:\\Temp"),
                      Item("Don&'t"), Item("Back&\\slash"), Item("A&&B"), Item("End&"), Item("\\u0022")}),
};

// The imports that the class dialog ticks itself for these choices.
void TickDialogImports(ClassChoices& c)
{
    const bool swing = c.superclass != SuperclassKind::None && c.superclass != SuperclassKind::UserDefined;
    bool listener = false;
    for (int i = 0; i < InterfaceCount; ++i)
        listener = listener || (i != RunnableIf && c.interfaces[i]);
    c.imports[ImportSwing] = c.imports[ImportAwt] = swing;
    c.imports[ImportAwtEvent] = swing || listener;
}

// Every superclass, interface set, main and comments; the menu bar where the
// dialog offers it (JFrame, with ActionListener ticked).
void WriteClassSweep(Sweep& sweep)
{
    for (int kind = 0; kind <= int(SuperclassKind::UserDefined); ++kind) {
        for (int faces = 0; faces < (1 << InterfaceCount); ++faces) {
            for (int flags = 0; flags < 8; ++flags) {
                const bool menu = flags & 4;
                if (menu && (kind != int(SuperclassKind::JFrame) || !(faces & (1 << ActionListenerIf))))
                    continue;
                ClassChoices c;
                c.className = sweep.NextName('C');
                c.fileName = c.className + ".java";
                c.superclass = SuperclassKind(kind);
                c.userSuperclass = (faces % 2) ? "Object" : "java.awt.Canvas";
                for (int i = 0; i < InterfaceCount; ++i)
                    c.interfaces[i] = faces & (1 << i);
                c.withMain = flags & 1;
                c.comments = flags & 2;
                c.withMenuBar = menu;
                c.menuTree = kMenuTrees[faces % kMenuTrees.size()];
                TickDialogImports(c);
                if (faces % 5 == 0)
                    c.imports.fill(true);  // all imports at once must not make a name ambiguous
                sweep.Write(c.className, GenerateClassSource(c));
            }
        }
    }
}

// The kinds that the applet dialog offers for the style and interfaces.
QList<K> OfferedKinds(const AppletChoices& c)
{
    if (c.style == EventStyle::Adapter)
        return {K::Button, K::CheckBox, K::Choice, K::Label, K::List, K::RadioGroup, K::TextField};
    QList<K> kinds = {K::Label};
    if (c.actionListener)
        kinds << K::Button << K::TextField;
    if (c.itemListener)
        kinds << K::List << K::Choice << K::CheckBox << K::RadioGroup;
    return kinds;
}

// Empty, every offered kind twice, and a random pick both sorted as the
// dialog's list keeps it and in any order (the generator takes both).
QList<QList<K>> ComponentLists(const QList<K>& offered, std::mt19937& random)
{
    const auto sorted = [](QList<K> kinds) {
        std::stable_sort(kinds.begin(), kinds.end(), [](K a, K b) {
            return ComponentKindName(a).compare(ComponentKindName(b), Qt::CaseInsensitive) < 0;
        });
        return kinds;
    };
    QList<K> some;
    for (int n = random() % 7; n > 0; --n)
        some << offered[random() % offered.size()];
    return {{}, sorted(offered + offered), sorted(some), some};
}

void WriteAppletSweep(Sweep& sweep)
{
    std::mt19937 random(1234);
    for (int style = 0; style < 2; ++style) {
        for (int faces = 0; faces < 64; ++faces) {
            for (int comments = 0; comments < 2; ++comments) {
                AppletChoices c;
                c.style = style ? EventStyle::Adapter : EventStyle::Listener;
                c.actionListener = faces & 1;
                c.itemListener = faces & 2;
                c.keyListener = faces & 4;
                c.mouseListener = faces & 8;
                c.mouseMotionListener = faces & 16;
                c.runnable = faces & 32;
                c.comments = comments;
                if (c.style == EventStyle::Listener && !c.actionListener && !c.itemListener)
                    continue;  // the dialog selects Adapter then
                for (const QList<K>& components : ComponentLists(OfferedKinds(c), random)) {
                    c.className = sweep.NextName('A');
                    c.fileName = c.className + ".java";
                    c.components = components;
                    const bool needsEvents = !components.isEmpty() || (faces & 31);
                    c.importAwtEvent = needsEvents || random() % 2;
                    c.importAwtImage = random() % 2;
                    c.importIo = random() % 2;
                    c.importNet = random() % 2;
                    c.importUtil = random() % 2;
                    c.doubleBuffering = random() % 2;
                    c.background = random() % 2;
                    c.backgroundColor = {int(random() % 256), int(random() % 256), int(random() % 256)};
                    sweep.Write(c.className, GenerateAppletSource(c));
                }
            }
        }
    }
}

TEST(GeneratedSources, AllCompileWithOneJavacRun)
{
    const QString javac = FindJavac();
    if (javac.isEmpty())
        GTEST_SKIP() << "no JDK found";
    TempFolder folder;
    Sweep sweep{folder, {}};
    WriteClassSweep(sweep);
    WriteAppletSweep(sweep);
    const QString argFile = folder.Write("sources.txt", sweep.files.join('\n').toUtf8());

    QProcess javacRun;
    javacRun.setProcessChannelMode(QProcess::MergedChannels);
    javacRun.start(javac, {"-encoding", "UTF-8", "-nowarn", "-Xlint:none", "-Xmaxerrs", "1000", "-implicit:none", "-d",
                           folder.Path("classes"), "@" + argFile});
    ASSERT_TRUE(javacRun.waitForStarted()) << javac.toStdString();
    ASSERT_TRUE(javacRun.waitForFinished(850 * 1000));
    EXPECT_EQ(javacRun.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(javacRun.exitCode(), 0) << sweep.files.size() << " files\n" << javacRun.readAll().toStdString();
}

}  // namespace
