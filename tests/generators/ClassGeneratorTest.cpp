#include "generators/ClassGenerator.h"

#include "tests/generators/GeneratedText.h"

namespace {

ClassChoices Foo(SuperclassKind superclass = SuperclassKind::None, std::initializer_list<ClassInterface> faces = {})
{
    ClassChoices c;
    c.path = "/work/Foo.java";
    c.fileName = "Foo.java";
    c.className = "Foo";
    c.superclass = superclass;
    for (const ClassInterface face : faces)
        c.interfaces[face] = true;
    return c;
}

const QStringList kClosingAdapter = {"\t\taddWindowListener(new WindowAdapter() {",
                                     "\t\t\tpublic void windowClosing(WindowEvent e) {", "\t\t\t\tSystem.exit(0);",
                                     "\t\t\t}", "\t\t});"};

TEST(ClassGenerator, SmallestClassIsTwelveLines)
{
    const QStringList smallest = {"//Written by Tarnwick", "//Foo.java", "", "public class Foo", "", "{", "",
                                  "\tpublic Foo() {", "\t}", "", "", "}"};
    EXPECT_EQ(Lines(GenerateClassSource(Foo())), smallest);

    ClassChoices commented = Foo();
    commented.comments = true;
    QStringList expected = smallest;
    expected.insert(6, "\t//TODO: この位置に変数の宣言をしてください");
    EXPECT_EQ(Lines(GenerateClassSource(commented)), expected);
}

TEST(ClassGenerator, ImportsInBoxOrder)
{
    ClassChoices c = Foo();
    c.imports.fill(true);
    EXPECT_BLOCK(GenerateClassSource(c), "//Foo.java", "import javax.swing.*;", "import java.awt.*;",
                 "import java.awt.event.*;", "import java.awt.image.*;", "import java.io.*;", "import java.net.*;",
                 "import java.util.*;", "import java.applet.*;", "import java.beans.*;", "import java.rmi.*;", "",
                 "public class Foo");
}

TEST(ClassGenerator, ImplementsClauseAndSuperclassLine)
{
    EXPECT_BLOCK(GenerateClassSource(Foo(SuperclassKind::JWindow, {ItemListenerIf, KeyListenerIf})),
                 "public class Foo extends JWindow", "\timplements", "\tItemListener,", "\tKeyListener", "{");
    ClassChoices user = Foo(SuperclassKind::UserDefined);
    EXPECT_BLOCK(GenerateClassSource(user), "public class Foo extends ", "", "{");
    user.userSuperclass = " My.Base ";
    EXPECT_BLOCK(GenerateClassSource(user), "public class Foo extends  My.Base ", "", "{");
}

TEST(ClassGenerator, FrameClosesThroughAdapterUnlessItListensItself)
{
    const QString adapter = GenerateClassSource(Foo(SuperclassKind::JFrame));
    QStringList init = {"\tprivate void initComponents() {", "", "\t\tsetTitle(\"JavaFrame\");", "\t\tint width = 400;",
                        "\t\tint height = 300;", "\t\tDimension d = Toolkit.getDefaultToolkit().getScreenSize();",
                        "\t\tsetBounds(d.width/2 - width/2, d.height/2 - height/2,width,height);"};
    EXPECT_BLOCK(adapter, init + kClosingAdapter + QStringList{"\t}"});
    EXPECT_BLOCK(adapter, "\tpublic Foo() {", "\t\tinitComponents();", "\t\tsetVisible(true);", "\t}");

    const QString listener = GenerateClassSource(Foo(SuperclassKind::JFrame, {WindowListenerIf}));
    EXPECT_FALSE(listener.contains("WindowAdapter")) << listener.toStdString();
    EXPECT_BLOCK(listener, init + QStringList{"\t\taddWindowListener(this);", "\t}"});
    EXPECT_BLOCK(listener, "\tpublic void windowClosing(WindowEvent e) {", "\t\tSystem.exit(0);", "", "\t}");
}

TEST(ClassGenerator, DialogCentresOnItsParentWithOrWithoutMain)
{
    for (const bool withMain : {false, true}) {
        ClassChoices c = Foo(SuperclassKind::JDialog);
        c.withMain = withMain;
        c.comments = true;
        const QString text = GenerateClassSource(c);
        EXPECT_BLOCK(text, "\tpublic Foo(Frame parent,boolean modal) {", "\t\tsuper(parent,modal);",
                     "\t\tinitComponents();", "\t\tsetLocationRelativeTo(parent);", "\t\tsetVisible(true);", "\t}");
        EXPECT_FALSE(text.contains("Rectangle")) << text.toStdString();
        EXPECT_BLOCK(text, QStringList{"\t\tsetSize(width,height);", "\t\t//コンポーネントを追加して下さい;",
                                       "\t\t//例:getContentPane().add(obj);"} + kClosingAdapter);
        EXPECT_EQ(HasBlock(text, {"\tpublic static void main(String args[]) {", "\t\tFoo app = new Foo(null,false);",
                                  "\t}", "", "}"}),
                  withMain);
    }
}

TEST(ClassGenerator, NoInitComponentsForNoneOrUserDefined)
{
    for (const SuperclassKind kind : {SuperclassKind::None, SuperclassKind::UserDefined}) {
        ClassChoices c = Foo(kind, {KeyListenerIf, RunnableIf});
        c.userSuperclass = "Object";
        const QString text = GenerateClassSource(c);
        EXPECT_BLOCK(text, "\tprivate Thread th = null; //スレッドオブジェクト宣言", "\tprivate int delay = 100;  //スレッドの待ち時間",
                     "", "\tpublic Foo() {", "\t}", "", "", "\tpublic void keyTyped(KeyEvent e) {");
        for (const char* dropped : {"initComponents", "addKeyListener", "\t\tstart();"})
            EXPECT_FALSE(text.contains(dropped)) << dropped;
        EXPECT_BLOCK(text, "\tpublic void run() {", "\t\tThread me = Thread.currentThread();", "\t\twhile (th == me) {",
                     "\t\t\ttry{", "\t\t\t\tThread.currentThread().sleep(delay);", "\t\t\t}catch (InterruptedException e) {",
                     "\t\t\t}", "", "\t\t\t//repaint();", "\t\t}", "\t}", "", "}");
    }
}

TEST(ClassGenerator, PanelHasAnEmptyInitComponentsAndNoWindowRegistration)
{
    ClassChoices c = Foo(SuperclassKind::JPanel);
    c.comments = true;
    EXPECT_BLOCK(GenerateClassSource(c), "\tpublic Foo() {", "\t\tinitComponents();", "\t}", "",
                 "\tprivate void initComponents() {", "\t\t//TODO: ここに初期化の処理を書いてください", "", "\t}", "", "",
                 "}");

    const QString listener = GenerateClassSource(Foo(SuperclassKind::JPanel, {WindowListenerIf, MouseListenerIf}));
    EXPECT_FALSE(listener.contains("addWindowListener")) << listener.toStdString();
    EXPECT_BLOCK(listener, "", "\t\taddMouseListener(this);", "\t}");
    EXPECT_BLOCK(listener, "\tpublic void windowClosing(WindowEvent e) {", "", "\t}");
}

TEST(ClassGenerator, ComponentListenerLeavesOneMoreEmptyLine)
{
    const QString text = GenerateClassSource(Foo(SuperclassKind::None, {ComponentListenerIf}));
    EXPECT_BLOCK(text, "\tpublic void componentShown(ComponentEvent e) {", "", "\t}", "", "", "}");
    const QString other = GenerateClassSource(Foo(SuperclassKind::None, {MouseMotionListenerIf}));
    EXPECT_BLOCK(other, "\tpublic void mouseMoved(MouseEvent e) {", "", "\t}", "", "}");
}

TEST(ClassGenerator, KeySwitchIsCommentedOutAsOneBlock)
{
    ClassChoices c = Foo(SuperclassKind::None, {KeyListenerIf});
    c.comments = true;
    QStringList expected = {"\tpublic void keyPressed(KeyEvent e) {", "\t\t//TODO: キーが押された時の処理を書いてください",
                            "\t\t/*int n = e.getKeyCode();", "\t\tswitch (n) {"};
    const QStringList keys = {"UP", "DOWN", "RIGHT", "LEFT"};
    const QStringList names = {"上", "下", "右", "左"};
    for (int i = 0; i < keys.size(); ++i)
        expected += {"\t\t\tcase KeyEvent.VK_" + keys[i] + ":",
                     "\t\t\t\t//キーボードの" + names[i] + "が押されたときのイベントを書いて下さい", "\t\t\t\t",
                     "\t\t\t\tbreak;"};
    expected += {"\t\t}*/", "", "\t}"};
    EXPECT_BLOCK(GenerateClassSource(c), expected);
    c.comments = false;
    EXPECT_BLOCK(GenerateClassSource(c), "\tpublic void keyPressed(KeyEvent e) {", "", "\t}");
}

TEST(ClassGenerator, MenuBarComesFirstInEverySection)
{
    ClassChoices c = Foo(SuperclassKind::JFrame, {ActionListenerIf, RunnableIf});
    c.withMenuBar = true;
    c.menuTree.children = {{"File", {{"Open", {}}}}};
    const QString text = GenerateClassSource(c);
    EXPECT_BLOCK(text, "{", "\tJMenuBar menuBar;", "\tJMenuItem menuFileOpen;", "\tJMenu menuFile;",
                 "\tprivate Thread th = null; //スレッドオブジェクト宣言");
    EXPECT_BLOCK(text, "\tprivate void initComponents() {", "", "\t\tmenuBar = new JMenuBar();", "\t\tinitMenu();",
                 "\t\tgetContentPane().setLayout(new BorderLayout());",
                 "\t\tgetContentPane().add(menuBar,BorderLayout.NORTH);", "\t\tsetTitle(\"JavaFrame\");");
    EXPECT_BLOCK(text, "\t}", "", "\tprivate void initMenu() {");
    EXPECT_BLOCK(text, "\tprivate void OnFileOpen() {", "", "\t}", "", "", "\tpublic void actionPerformed(ActionEvent e) {",
                 "\t\tactionPerformedMenu(e);", "", "\t}");

    c.interfaces[ActionListenerIf] = false;
    const QString withoutAction = GenerateClassSource(c);
    EXPECT_TRUE(withoutAction.contains("private void actionPerformedMenu")) << withoutAction.toStdString();
    EXPECT_FALSE(withoutAction.contains("actionPerformedMenu(e);")) << withoutAction.toStdString();
}

}  // namespace
