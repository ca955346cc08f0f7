#include "generators/ClassGenerator.h"
#include "generators/AppletGenerator.h"

#include "tests/generators/GeneratedText.h"

using namespace gen;

namespace {

using S = SuperclassKind;

enum Opt : unsigned { Comments = 1, Main = 2, MenuBar = 4 };

ClassChoices Class(S superclass = S::None, std::initializer_list<ClassInterface> faces = {}, unsigned opts = 0)
{
    ClassChoices c;
    c.fileName = "Foo.java";
    c.className = "Foo";
    c.superclass = superclass;
    for (const ClassInterface face : faces)
        c.interfaces[face] = true;
    c.comments = opts & Comments;
    c.withMain = opts & Main;
    c.withMenuBar = opts & MenuBar;
    c.menuTree.children = {{"File", {{"Open", {}}}}};
    return c;
}

TEST(ClassGenerator, WindowsCloseCentreAndDispatchByTheirKind)
{
    const struct {
        ClassChoices choices;
        QStringList block;
        QStringList absent = {};
    } cases[] = {
        // A frame closes through an adapter unless it listens itself.
        {Class(S::JFrame),
         {"\t\taddWindowListener(new WindowAdapter() {", "\t\t\tpublic void windowClosing(WindowEvent e) {"}},
        {Class(S::JFrame, {WindowListenerIf}), {"\t\taddWindowListener(this);", "\t}"}, {"WindowAdapter"}},
        {Class(S::JFrame, {WindowListenerIf}), {"\tpublic void windowClosing(WindowEvent e) {", "\t\tSystem.exit(0);"}},
        // A dialog centres on its parent, or on the screen when main passes none.
        {Class(S::JDialog, {}, Comments), {"\t\tsetLocationRelativeTo(parent);"}, {"Rectangle", "main("}},
        {Class(S::JDialog, {}, Main), {"\t\tFoo app = new Foo(null,false);"}, {"Rectangle"}},
        // A panel is no window: no addWindowListener, no exit on closing.
        {Class(S::JPanel, {WindowListenerIf, MouseListenerIf}),
         {"\t\taddMouseListener(this);"},
         {"addWindowListener", "exit"}},
        {Class(S::JFrame, {ActionListenerIf}, MenuBar),
         {"\tpublic void actionPerformed(ActionEvent e) {", "\t\tactionPerformedMenu(e);"}},
        // The menu's entries register the class: it implements ActionListener.
        {Class(S::JFrame, {}, MenuBar), {"public class Foo extends JFrame", "\timplements", "\tActionListener", "{"}},
        // Comments add a line where the fields go.
        {Class(S::None, {}, Comments), {"{", "\t//TODO: この位置に変数の宣言をしてください", "", "\tpublic Foo() {"}},
    };
    for (const auto& [choices, block, absent] : cases) {
        const QString text = GenerateClassSource(choices);
        EXPECT_BLOCK(text, block);
        for (const QString& gone : absent)
            EXPECT_FALSE(text.contains(gone)) << gone.toStdString();
    }
}

// A blank user-defined name would leave "extends" without a class: the class then has no superclass, and every other
// choice stays as it was.
TEST(ClassGenerator, UserDefinedSuperclassLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "public class Foo"},
        {" ", "public class Foo"},
        {"\t \u3000", "public class Foo"},
        {"Object", "public class Foo extends Object"},
        {" java.awt.Canvas", "public class Foo extends  java.awt.Canvas"}};
    for (const auto& [name, line] : cases) {
        ClassChoices c = Class(S::UserDefined, {KeyListenerIf, RunnableIf}, Comments | Main);
        c.userSuperclass = QString::fromUtf8(name);
        QString text = GenerateClassSource(c);
        EXPECT_BLOCK(text, "", line, "\timplements");
        c.superclass = S::None;
        EXPECT_EQ(text.replace(line, "public class Foo"), GenerateClassSource(c)) << name;
    }
}

// javac reads a backslash and "u" as a Unicode escape even inside a comment, so user text in comments gets a backslash
// that makes it plain text. Each text is checked in the class and Applet headers and a menu handler's hint.
TEST(ClassGenerator, UserTextInCommentsStartsNoUnicodeEscape)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\users", "C:\\\\users"},
        {"\\u000a", "\\\\u000a"},  // a valid escape would end the comment
        {"x\\uuu0041", "x\\\\uuu0041"},
        {"C:\\\\users", "C:\\\\users"},  // an even run is already text
        {"\\\\\\u", "\\\\\\\\u"},        // an odd run is not
        {"C:\\Temp\\", "C:\\Temp\\"},    // other backslashes stay
        {"a*/b\\", "a*/b\\"},            // a line comment ends at the line end only
        {"a\r\nb", "a  b"},              // but a line break ends it
    };
    for (const auto& [raw, escaped] : cases) {
        const QString text = QString::fromUtf8(raw);
        const QString comment = QString::fromUtf8(escaped);
        ClassChoices c = Class(S::JFrame, {ActionListenerIf}, Comments | MenuBar);
        c.fileName = text + ".java";
        c.menuTree.children = {{text, {}}};
        const QString source = GenerateClassSource(c);
        EXPECT_BLOCK(source, "//Written by Tarnwick", "//" + comment + ".java");
        EXPECT_BLOCK(source, "\t\t//TODO: ここに" + comment + "が選択されたときの処理を書いて下さい。");
        AppletChoices applet;
        applet.fileName = c.fileName;
        applet.className = "Foo";
        EXPECT_BLOCK(GenerateAppletSource(applet), "//Written by Tarnwick", "//" + comment + ".java");
    }
}

}  // namespace
