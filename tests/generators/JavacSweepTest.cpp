// Every choice that the dialogs allow gives a source that compiles: a sweep of generated class and applet sources, in
// one javac run.
#include "generators/AppletGenerator.h"
#include "generators/ClassGenerator.h"
#include "platform/TextCodec.h"
#include "tests/generators/Javac.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <random>

using namespace gen;
using namespace platform;

namespace {

using K = ComponentKind;

// Writes each source under a class name of its own, changed by edit when given.
struct Sweep {
    const TempFolder& folder;
    QStringList files;

    template <class Choices>
    void Add(Choices c, QString (*generate)(const Choices&), QString (*edit)(const QString&) = nullptr)
    {
        c.className = QString("T%1").arg(files.size(), 5, 10, QChar('0'));
        c.fileName = c.className + ".java";
        const QString text = generate(c);
        files << folder.Write("src/" + c.fileName, EncodeFileText(edit ? edit(text) : text));
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

// Every superclass with every interface set, main and comments, and the menu bar where the dialog offers it (JFrame),
// with or without ActionListener. The imports as the dialog leaves them: a Swing superclass needs javax.swing.*
// (unticking it resets the superclass), but java.awt.* and java.awt.event.* can be unticked after it, and listener
// boxes stay ticked without their import. Those three imports take each of their combinations in turn, the others
// all together now and then, which must not make a name ambiguous.
void AddClassSources(Sweep& sweep)
{
    for (int kind = 0; kind <= int(SuperclassKind::UserDefined); ++kind) {
        for (int faces = 0; faces < (1 << InterfaceCount); ++faces) {
            for (int flags = 0; flags < (kind == int(SuperclassKind::JFrame) ? 8 : 4); ++flags) {
                ClassChoices c;
                c.superclass = SuperclassKind(kind);
                c.userSuperclass = kUserSuperclasses[faces % 4];
                for (int i = 0; i < InterfaceCount; ++i)
                    c.interfaces[i] = faces & (1 << i);
                c.withMain = flags & 1;
                c.comments = flags & 2;
                c.withMenuBar = flags & 4;
                c.menuTree = kMenuTrees[faces % 3];
                c.imports.fill(faces % 5 == 0);
                const int awt = (faces + flags + kind) % 8;
                const bool swing = c.superclass != SuperclassKind::None && c.superclass != SuperclassKind::UserDefined;
                c.imports[ImportSwing] = swing || (awt & 1);
                c.imports[ImportAwt] = awt & 2;
                c.imports[ImportAwtEvent] = awt & 4;
                sweep.Add(c, GenerateClassSource);
            }
        }
    }
}

// The commented radio buttons of a RadioGroup as a user uncomments them: every comment in the class but the hints.
QString Uncommented(const QString& source)
{
    QStringList lines = source.split("\r\n");
    for (QString& line : lines) {
        if (line.startsWith(u'\t') && !line.contains("TODO"))
            line.remove("//");
    }
    return lines.join("\r\n");
}

// Both styles with every interface set and comments on and off (Listener style needs ActionListener or ItemListener,
// else the dialog selects Adapter). Components: none, every kind that the dialog offers twice, and a random pick both
// in the order of the dialog's sorted list and shuffled; with components the event import is ticked (unticking it
// empties the list), without them it is ticked or not, whatever listeners stay ticked. Other options at random.
void AddAppletSources(Sweep& sweep)
{
    std::mt19937 random(1234);
    for (int faces = 0; faces < 256; ++faces) {
        AppletChoices c;
        bool* const ticked[] = {&c.actionListener,      &c.itemListener, &c.keyListener, &c.mouseListener,
                                &c.mouseMotionListener, &c.runnable,     &c.comments};
        for (int i = 0; i < 7; ++i)
            *ticked[i] = faces & (1 << i);
        const bool adapter = (faces & 128) || !(c.actionListener || c.itemListener);
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
            c.importAwtEvent = c.importAwtEvent || !components.isEmpty();
            c.backgroundColor = {int(random() % 256), int(random() % 256), int(random() % 256)};
            sweep.Add(c, GenerateAppletSource);
        }
    }
    for (const EventStyle style : {EventStyle::Listener, EventStyle::Adapter}) {
        for (const QList<K>& components :
             {QList<K>{K::CheckBox, K::RadioGroup}, QList<K>{K::RadioGroup, K::CheckBox}}) {
            AppletChoices c;
            c.importAwtEvent = c.itemListener = c.comments = true;
            c.style = style;
            c.components = components;
            sweep.Add(c, GenerateAppletSource, Uncommented);
        }
    }
}

TEST(GeneratedSources, AllCompileWithOneJavacRun)
{
    const QStringList jdks = InstalledJdks();
    if (jdks.isEmpty())
        GTEST_SKIP() << "no JDK found";
    TempFolder folder;
    Sweep sweep{folder, {}};
    AddClassSources(sweep);
    AddAppletSources(sweep);
    const ToolRun javac = Javac(jdks.front(), {"-encoding", "UTF-8", "-nowarn", "-Xlint:none", "-Xmaxerrs", "1000",
                                               "-implicit:none", "-d", folder.Path("classes"),
                                               "@" + folder.Write("sources.txt", sweep.files.join('\n').toUtf8())});
    EXPECT_EQ(javac.exitCode, 0) << sweep.files.size() << " files\n" << javac.output.toStdString();
}

}  // namespace
