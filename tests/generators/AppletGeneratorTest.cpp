#include "generators/AppletGenerator.h"

#include "tests/generators/GeneratedText.h"

namespace {

using K = ComponentKind;

AppletChoices Foo()
{
    AppletChoices c;
    c.fileName = "Foo.java";
    c.className = "Foo";
    return c;
}

AppletChoices Listener(QList<ComponentKind> components, bool action, bool item, bool comments)
{
    AppletChoices c = Foo();
    c.importAwtEvent = true;
    c.actionListener = action;
    c.itemListener = item;
    c.style = EventStyle::Listener;
    c.components = std::move(components);
    c.comments = comments;
    return c;
}

TEST(AppletGenerator, SmallestAppletIsSeventeenLines)
{
    EXPECT_EQ(Lines(GenerateAppletSource(Foo())),
              QStringList({"//Written by Tarnwick", "//Foo.java", "import java.applet.*;", "import java.awt.*;", "",
                           "public class Foo extends Applet ", "", "{", "", "\tpublic void init() {", "", "\t}", "",
                           "\tpublic void paint(Graphics g) {", "", "\t}", "}"}));
}

TEST(AppletGenerator, ImportsAndInterfaceClauseKeepTheirOrder)
{
    AppletChoices c = Foo();
    c.importUtil = c.importNet = c.importIo = c.importAwtImage = c.importAwtEvent = true;
    c.runnable = c.itemListener = true;
    EXPECT_BLOCK(GenerateAppletSource(c), "import java.applet.*;", "import java.awt.*;", "import java.awt.event.*;",
                 "import java.awt.image.*;", "import java.io.*;", "import java.net.*;", "import java.util.*;", "",
                 "public class Foo extends Applet ", "\timplements", "\tItemListener,", "\tRunnable", "{");
}

TEST(AppletGenerator, ListenerChainContinuesEachClosingBraceWithElseIf)
{
    const QString text = GenerateAppletSource(Listener({K::Button, K::Button, K::TextField}, true, false, false));
    EXPECT_BLOCK(text, "\tpublic void actionPerformed(ActionEvent e) {", "\t\tif (e.getSource() == btn1) {", "",
                 "\t\t} else if (e.getSource() == btn2) {", "", "\t\t} else if (e.getSource() == tf1) {", "", "\t\t}",
                 "\t}", "}");
    EXPECT_BLOCK(text, "\t\tbtn2 = new Button(\"label\");", "\t\tadd(btn2);", "\t\tbtn2.addActionListener(this);", "");
}

TEST(AppletGenerator, LabelWritesNoEventCodeInEitherStyle)
{
    for (const EventStyle style : {EventStyle::Listener, EventStyle::Adapter}) {
        AppletChoices c = Listener({K::Label}, true, true, true);
        c.style = style;
        const QString text = GenerateAppletSource(c);
        EXPECT_BLOCK(text, "\tLabel lb1;", "", "\tpublic void init() {", "\t\t//TODO: ここに初期化の処理を書いてください", "",
                     "\t\tlb1 = new Label(\"Label\");", "\t\tadd(lb1);", "\t}");
        EXPECT_FALSE(text.contains("getSource")) << text.toStdString();
    }
}

TEST(AppletGenerator, CountersArePerKind)
{
    AppletChoices c = Listener({K::Button, K::Button, K::CheckBox, K::RadioGroup}, false, false, true);
    c.style = EventStyle::Adapter;
    const QString text = GenerateAppletSource(c);
    EXPECT_BLOCK(text, "\tButton btn1;", "\tButton btn2;", "\tCheckbox chk1;", "\tCheckboxGroup chkgp1;",
                 "\t//TODO: ラジオボタンのグループに含めるチェックボックスを宣言してください", "\t//CheckBox chk1_0;",
                 "\t//CheckBox chk1_1;");
    EXPECT_BLOCK(text, "\t\t//chk1_0 = new CheckBox(\"Label_0\",chkgp1,true);", "\t\t//add(chk1_0);",
                 "\t\t//chk1_0.addItemListener(new ItemListener() {");
}

TEST(AppletGenerator, AdapterBlocksOfButtonAndTextField)
{
    AppletChoices c = Listener({K::Button, K::TextField}, false, false, false);
    c.style = EventStyle::Adapter;
    EXPECT_BLOCK(GenerateAppletSource(c), "\t\tbtn1 = new Button(\"label\");", "\t\tadd(btn1);",
                 "\t\tbtn1.addActionListener(new ActionListener() {", "\t\t\tpublic void actionPerformed(ActionEvent e){",
                 "", "\t\t\t}", "\t\t});", "", "\t\ttf1 = new TextField(5);", "\t\tadd(tf1);",
                 "\t\ttf1.addActionListener(new ActionListener() {", "\t\t\tpublic void actionPerformed(ActionEvent e){",
                 "", "\t\t\t}", "\t\t});", "\t}");
}

TEST(AppletGenerator, RadioGroupWithoutCommentsIsTwoLinesAndNoLink)
{
    const QString text = GenerateAppletSource(Listener({K::RadioGroup, K::CheckBox}, false, true, false));
    EXPECT_BLOCK(text, "\tCheckboxGroup chkgp1;", "\tCheckbox chk1;", "");
    EXPECT_BLOCK(text, "", "\t\tchkgp1 = new CheckboxGroup();", "\t\tchk1 = new Checkbox(\"Label\");");
    EXPECT_BLOCK(text, "\tpublic void itemStateChanged(ItemEvent e) {", "\t\tif (e.getSource() == chk1) {", "", "\t\t}",
                 "\t}");
}

TEST(AppletGenerator, RadioGroupLinksFollowARealLink)
{
    const QString text = GenerateAppletSource(Listener({K::CheckBox, K::RadioGroup}, false, true, true));
    EXPECT_BLOCK(text, "\tpublic void itemStateChanged(ItemEvent e) {",
                 "\t\t//TODO: Choice,CheckBox,Listなどに関する処理を書いてください", "\t\tif (e.getSource() == chk1) {",
                 "\t\t\t//TODO: ここにchk1のイベントを書いてください", "", "\t\t} //else if (e.getSource() == chk1_0) {",
                 "\t\t\t//TODO: ここにchk1_0のイベントを書いてください", "\t\t\t//",
                 "\t\t//} //else if (e.getSource() == chk1_1) {", "\t\t\t//TODO: ここにchk1_1のイベントを書いてください",
                 "\t\t\t//", "\t\t//}", "", "\t}");
    EXPECT_BLOCK(text, "\t\t//add(chk1_0);", "\t\t//chk1_0.addItemListener(this);", "\t\t//",
                 "\t\t//chk1_1 = new CheckBox(\"Label_1\",chkgp1,false);", "\t\t//add(chk1_1);",
                 "\t\t//chk1_1.addItemListener(this);", "\t\t//", "\t}");
}

TEST(AppletGenerator, CodeLinkAfterOnlyCommentedLinksOpensWithIf)
{
    // The dialog keeps the list sorted, but the generator takes any order;
    // an " else if" here would follow no "if" and not compile.
    const QString text = GenerateAppletSource(Listener({K::RadioGroup, K::Choice, K::Choice}, false, true, true));
    EXPECT_BLOCK(text, "\t\t//if (e.getSource() == chk1_0) {");
    EXPECT_BLOCK(text, "\t\t//}", "\t\tif (e.getSource() == ch1) {");
    EXPECT_TRUE(text.contains("\t\t} else if (e.getSource() == ch2) {\r\n")) << text.toStdString();
}

TEST(AppletGenerator, ListIsNamedInFullWhenJavaUtilIsImported)
{
    AppletChoices c = Listener({K::List}, false, true, false);
    EXPECT_BLOCK(GenerateAppletSource(c), "\tList lst1;");
    c.importUtil = true;
    const QString text = GenerateAppletSource(c);
    EXPECT_BLOCK(text, "\tjava.awt.List lst1;");
    EXPECT_BLOCK(text, "\t\tlst1 = new java.awt.List();", "\t\tadd(lst1);");
}

TEST(AppletGenerator, KeySwitchIsNineteenCommentLines)
{
    AppletChoices c = Foo();
    c.keyListener = c.comments = true;
    QStringList expected = {"\tpublic void keyPressed(KeyEvent e) {", "\t\t//TODO: キーが押された時の処理を書いてください",
                            "\t\t//int n = e.getKeyCode();", "\t\t//switch (n) {"};
    const QStringList keys = {"UP", "DOWN", "RIGHT", "LEFT"};
    const QStringList names = {"上", "下", "右", "左"};
    for (int i = 0; i < keys.size(); ++i)
        expected += {"\t\t//\tcase KeyEvent.VK_" + keys[i] + ":",
                     "\t\t//\t\t//キーボードの" + names[i] + "が押されたときのイベントを書いて下さい", "\t\t//\t\t",
                     "\t\t//\t\tbreak;"};
    expected += {"\t\t//}", "", "\t}"};
    const QString text = GenerateAppletSource(c);
    EXPECT_BLOCK(text, expected);
    EXPECT_BLOCK(text, "\t\taddKeyListener(this);", "\t\trequestFocus();", "\t}");
}

TEST(AppletGenerator, SpecialProcessingLines)
{
    AppletChoices c = Foo();
    c.doubleBuffering = c.background = c.runnable = true;
    c.backgroundColor = {255, 0, 0};
    const QString text = GenerateAppletSource(c);
    EXPECT_BLOCK(text, "\tGraphics OSG; //オフスクリーングラフィックス", "\tImage OSI;    //オフスクリーンイメージ",
                 "\tThread th = null; //スレッドオブジェクト宣言", "\tint delay = 100;  //スレッドの待ち時間", "");
    EXPECT_BLOCK(text, "\t\tOSG.setColor(Color.black);", "", "\t\tsetBackground(new Color(255,0,0));", "", "\t}");
    EXPECT_BLOCK(text, "\tpublic void paint(Graphics g) {",
                 "\t\tOSG.clearRect(0,0,getSize().width,getSize().height); //オフスクリーンの初期化", "",
                 "\t\tg.drawImage(OSI,0,0,this);", "", "\t}", "", "\tpublic void update(Graphics g) {", "\t\tpaint(g);",
                 "\t}", "", "\tpublic void start() {", "\t\tth = new Thread(this);", "\t\tth.start();", "\t}", "",
                 "\tpublic void stop() {", "\t\tth = null;", "\t}");
}

// With comments off exactly the comment-only lines go: every other line,
// empty lines included, stays where it was.
TEST(AppletGenerator, CommentsOffDropsOnlyHintLines)
{
    const QList<AppletChoices> records = [] {
        AppletChoices all = Listener({K::Button, K::CheckBox, K::Choice, K::Label, K::List, K::TextField}, true, true,
                                     true);
        all.keyListener = all.mouseListener = all.mouseMotionListener = all.runnable = true;
        all.doubleBuffering = all.background = true;
        AppletChoices adapter = all;
        adapter.style = EventStyle::Adapter;
        adapter.components.append(K::RadioGroup);
        return QList<AppletChoices>{all, adapter};
    }();
    for (AppletChoices c : records) {
        QStringList expected = Lines(GenerateAppletSource(c));
        for (qsizetype i = expected.size() - 1; i >= 2; --i) {
            if (expected[i].trimmed().startsWith("//"))
                expected.removeAt(i);
        }
        c.comments = false;
        EXPECT_EQ(Lines(GenerateAppletSource(c)), expected);
    }
}

}  // namespace
