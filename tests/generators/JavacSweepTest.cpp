// A broad sweep of generated class and applet sources compiles, in one javac run.
#include "generators/AppletGenerator.h"
#include "generators/ClassGenerator.h"
#include "platform/JdkLocator.h"
#include "platform/TextCodec.h"
#include "tests/support/TempFolder.h"

#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace gen;
using namespace platform;

namespace {

using K = ComponentKind;

// Writes each source under a class name of its own.
struct Sweep {
    const TempFolder& folder;
    QStringList files;

    template <class Choices>
    void Add(Choices c, QString (*generate)(const Choices&))
    {
        c.className = QString("T%1").arg(files.size(), 5, 10, QChar('0'));
        c.fileName = c.className + ".java";
        files << folder.Write("src/" + c.fileName, EncodeFileText(generate(c)));
    }
};

MenuItemNode Item(const QString& label, std::vector<MenuItemNode> children = {})
{
    return {label, std::move(children)};
}

// Menu trees a user might build: empty, plain, and one full of the labels that trip naive generators (repeats, Japanese
// text, quotes, mnemonics, backslashes and "u" in captions and comments).
const MenuItemNode kMenuTrees[] = {
    Item("JMenuBar"),
    Item("JMenuBar", {Item("File", {Item("Open"), Item("-"), Item("Exit")})}),
    Item("JMenuBar",
         {Item("ファイル(&F)", {Item("開く(&O)"), Item("保存(&S)"), Item("設定(&設)"), Item("-"), Item("Open"),
                                Item("Open"), Item("Recent", {Item("One"), Item("One"), Item("&-")})}),
          Item("ファイル(&F)", {Item("終了")}), Item("Bar"), Item("-"), Item("Say \"Hi\" \\ C:\\Temp"), Item("Don&'t"),
          Item("Back&\\slash"), Item("A&&B"), Item("End&"), Item("\\u0022"),
          Item("\"C:\\users\" (&U)",
               {Item("C:\\users"), Item("\\u000a"), Item("\\\\\\uzz"), Item("ends\\"), Item("*/")})}),
};

// Blank names leave the class without a superclass.
const char* const kUserSuperclasses[] = {"java.awt.Canvas", "Object", "", " "};

// Every superclass, interface set, main and comments, with the imports that the dialog ticks (now and then all of them,
// which must not make a name ambiguous); the menu bar where the dialog offers it (JFrame, ActionListener).
void AddClassSources(Sweep& sweep)
{
    for (int kind = 0; kind <= int(SuperclassKind::UserDefined); ++kind) {
        for (int faces = 0; faces < (1 << InterfaceCount); ++faces) {
            for (int flags = 0; flags < 8; ++flags) {
                ClassChoices c;
                c.superclass = SuperclassKind(kind);
                c.userSuperclass = kUserSuperclasses[faces % 4];
                for (int i = 0; i < InterfaceCount; ++i)
                    c.interfaces[i] = faces & (1 << i);
                c.withMain = flags & 1;
                c.comments = flags & 2;
                c.withMenuBar = flags & 4;
                if (c.withMenuBar && (c.superclass != SuperclassKind::JFrame || !c.interfaces[ActionListenerIf]))
                    continue;
                c.menuTree = kMenuTrees[faces % 3];
                const bool swing = c.superclass != SuperclassKind::None && c.superclass != SuperclassKind::UserDefined;
                c.imports.fill(faces % 5 == 0);
                c.imports[ImportSwing] = c.imports[ImportAwt] = c.imports[ImportSwing] || swing;
                c.imports[ImportAwtEvent] = c.imports[ImportAwtEvent] || swing || (faces & ~(1 << RunnableIf));
                sweep.Add(c, GenerateClassSource);
            }
        }
    }
}

// Both styles with every interface set and comments on and off. Components: none, every kind that the dialog offers
// twice, and a random pick both in the order of the dialog's sorted list and shuffled. Other options at random.
void AddAppletSources(Sweep& sweep)
{
    std::mt19937 random(1234);
    for (int faces = 0; faces < 256; ++faces) {
        AppletChoices c;
        bool* const ticked[] = {&c.actionListener,      &c.itemListener, &c.keyListener, &c.mouseListener,
                                &c.mouseMotionListener, &c.runnable,     &c.comments};
        for (int i = 0; i < 7; ++i)
            *ticked[i] = faces & (1 << i);
        const bool adapter = faces & 128;
        if (!adapter && !c.actionListener && !c.itemListener)
            continue;  // the dialog selects Adapter then
        c.style = adapter ? EventStyle::Adapter : EventStyle::Listener;
        QList<K> twice, some;
        for (const K kind : {K::Button, K::CheckBox, K::Choice, K::Label, K::List, K::RadioGroup, K::TextField}) {
            const bool actionKind = kind == K::Button || kind == K::TextField;
            if (adapter || kind == K::Label || (actionKind ? c.actionListener : c.itemListener)) {
                twice << kind << kind;
                for (int n = random() % 3; n > 0; --n)
                    some << kind;
            }
        }
        QList<K> shuffled = some;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        for (const QList<K>& components : {QList<K>{}, twice, some, shuffled}) {
            c.components = components;
            for (bool* option : {&c.importAwtEvent, &c.importAwtImage, &c.importIo, &c.importNet, &c.importUtil,
                                 &c.doubleBuffering, &c.background})
                *option = random() % 2;
            c.importAwtEvent = c.importAwtEvent || !components.isEmpty() || (faces & 31);
            c.backgroundColor = {int(random() % 256), int(random() % 256), int(random() % 256)};
            sweep.Add(c, GenerateAppletSource);
        }
    }
}

TEST(GeneratedSources, AllCompileWithOneJavacRun)
{
    const auto jdk = FindJdk();
    if (!jdk)
        GTEST_SKIP() << "no JDK found";
    TempFolder folder;
    Sweep sweep{folder, {}};
    AddClassSources(sweep);
    AddAppletSources(sweep);
    QProcess javac;
    javac.setProcessChannelMode(QProcess::MergedChannels);
    javac.start(*jdk + "javac",
                {"-encoding", "UTF-8", "-nowarn", "-Xlint:none", "-Xmaxerrs", "1000", "-implicit:none", "-d",
                 folder.Path("classes"), "@" + folder.Write("sources.txt", sweep.files.join('\n').toUtf8())});
    ASSERT_TRUE(javac.waitForFinished(850 * 1000)) << javac.errorString().toStdString();
    EXPECT_EQ(javac.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(javac.exitCode(), 0) << sweep.files.size() << " files\n" << javac.readAll().toStdString();
}

}  // namespace
