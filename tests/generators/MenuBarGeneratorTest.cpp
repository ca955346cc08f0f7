#include "generators/MenuBarGenerator.h"

#include "tests/generators/GeneratedText.h"

namespace {

MenuItemNode Node(const QString& label, std::vector<MenuItemNode> children = {})
{
    return {label, std::move(children)};
}

MenuItemNode Bar(std::vector<MenuItemNode> children) { return Node("JMenuBar", std::move(children)); }

ClassSections Generate(const MenuItemNode& root, bool comments = false)
{
    ClassSections sections;
    GenerateMenuBar(root, comments, sections);
    return sections;
}

TEST(MenuBarGenerator, LabelsTurnIntoWords)
{
    const struct {
        const char* label;
        const char* word;
    } cases[] = {
        {"ファイル(F)", "TAtMarkCF"}, {"保存", "Blank"}, {"Save As", "Save_As"},     {"1+1", "1Plus1"},
        {"a-b", "AMinusb"},          {"", "Blank"},     {"x\t_y", "X__y"},           {"*/!#$%=@?", "MultiDivExclamationSharpDollarParcentEqualAtMarkQuestion"},
        {"a.b,c:d;\"e'(f)", "Abcdef"}, {"表示", "Blank"},   {"開く", "J"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LabelToIdentifier(QString::fromUtf8(c.label)), QString::fromUtf8(c.word)) << c.label;
}

TEST(MenuBarGenerator, RootAloneStillWritesTheBarAndItsMethods)
{
    const ClassSections s = Generate(Bar({}));
    EXPECT_EQ(s.fieldDecls, Crlf({"\tJMenuBar menuBar;"}));
    EXPECT_EQ(s.initBody, Crlf({"\t\tmenuBar = new JMenuBar();", "\t\tinitMenu();",
                                "\t\tgetContentPane().setLayout(new BorderLayout());",
                                "\t\tgetContentPane().add(menuBar,BorderLayout.NORTH);"}));
    EXPECT_EQ(s.methodText, Crlf({"\tprivate void initMenu() {", "\t}", "",
                                  "\tprivate void actionPerformedMenu(ActionEvent e) {", "", "\t}", ""}));
    EXPECT_EQ(s.menuDispatch, Crlf({"\t\tactionPerformedMenu(e);"}));
}

TEST(MenuBarGenerator, FileMenuWithOpenSeparatorExit)
{
    const MenuItemNode root = Bar({Node("File", {Node("Open"), Node("-"), Node("Exit")})});
    const ClassSections s = Generate(root);
    EXPECT_EQ(s.fieldDecls, Crlf({"\tJMenuBar menuBar;", "\tJMenuItem menuFileOpen, menuFileExit;", "\tJMenu menuFile;"}));
    EXPECT_EQ(s.methodText,
              Crlf({"\tprivate void initMenu() {", "\t\tmenuFile = new JMenu(\"File\");", "\t\tmenuBar.add(menuFile);",
                    "\t\tmenuFileOpen = new JMenuItem(\"Open\");", "\t\tmenuFileOpen.addActionListener(this);",
                    "\t\tmenuFile.add(menuFileOpen);", "\t\tmenuFile.addSeparator();",
                    "\t\tmenuFileExit = new JMenuItem(\"Exit\");", "\t\tmenuFileExit.addActionListener(this);",
                    "\t\tmenuFile.add(menuFileExit);", "\t}", "", "\tprivate void actionPerformedMenu(ActionEvent e) {",
                    "\t\tObject obj = e.getSource();", "\t\tif (obj == menuFileOpen) {", "\t\t\tOnFileOpen();",
                    "\t\t} else if (obj == menuFileExit) {", "\t\t\tOnFileExit();", "\t\t}", "\t}", "",
                    "\tprivate void OnFileOpen() {", "", "\t}", "", "\tprivate void OnFileExit() {", "", "\t}", ""}));

    const ClassSections commented = Generate(root, true);
    EXPECT_EQ(commented.fieldDecls, s.fieldDecls);
    EXPECT_EQ(commented.initBody, s.initBody);
    QString expected = s.methodText;
    expected.replace("\tprivate void OnFileOpen() {\r\n",
                     "\tprivate void OnFileOpen() {\r\n\t\t//TODO: ここにOpenが選択されたときの処理を書いて下さい。\r\n");
    expected.replace("\tprivate void OnFileExit() {\r\n",
                     "\tprivate void OnFileExit() {\r\n\t\t//TODO: ここにExitが選択されたときの処理を書いて下さい。\r\n");
    EXPECT_EQ(commented.methodText, expected);
}

TEST(MenuBarGenerator, NestedMenusPrefixTheirChildren)
{
    const ClassSections s = Generate(Bar({Node("File", {Node("Recent", {Node("One")})})}));
    EXPECT_BLOCK(s.methodText, "\t\tmenuFileRecent = new JMenu(\"Recent\");", "\t\tmenuFile.add(menuFileRecent);",
                 "\t\tmenuFileRecentOne = new JMenuItem(\"One\");", "\t\tmenuFileRecentOne.addActionListener(this);",
                 "\t\tmenuFileRecent.add(menuFileRecentOne);", "\t}");
    EXPECT_BLOCK(s.methodText, "\tprivate void OnFileRecentOne() {");
    EXPECT_BLOCK(s.fieldDecls, "\tJMenuItem menuFileRecentOne;", "\tJMenu menuFile, menuFileRecent;");
}

TEST(MenuBarGenerator, Mnemonics)
{
    const ClassSections s = Generate(Bar({
        Node("ファイル(&F)", {Node("ファイル(&F)"), Node("A&&B"), Node("End&"), Node("&フォルダ")}),
        Node("&'"), Node("&\\"),
    }));
    // A menu is captioned with its word, an entry with its label less the '&'.
    EXPECT_BLOCK(s.methodText, "\t\tmenuTAtMarkCF = new JMenu(\"TAtMarkCF\");", "\t\tmenuTAtMarkCF.setMnemonic('F');",
                 "\t\tmenuBar.add(menuTAtMarkCF);");
    EXPECT_BLOCK(s.methodText, "\t\tmenuTAtMarkCFTAtMarkCF = new JMenuItem(\"ファイル(F)\");",
                 "\t\tmenuTAtMarkCFTAtMarkCF.setMnemonic('F');");
    EXPECT_BLOCK(s.methodText, "\t\tmenuTAtMarkCFAB = new JMenuItem(\"AB\");", "\t\tmenuTAtMarkCFAB.setMnemonic('&');");
    EXPECT_BLOCK(s.methodText, "\t\tmenuTAtMarkCFEnd = new JMenuItem(\"End\");",
                 "\t\tmenuTAtMarkCFEnd.addActionListener(this);");
    // A double-byte mnemonic is written as the whole character.
    EXPECT_BLOCK(s.methodText, "\t\tmenuTAtMarkCFTH_ = new JMenuItem(\"フォルダ\");",
                 "\t\tmenuTAtMarkCFTH_.setMnemonic('フ');");
    EXPECT_BLOCK(s.methodText, "\t\tmenuBlank.setMnemonic('\\'');");
    EXPECT_BLOCK(s.methodText, "\t\tmenuBlank2.setMnemonic('\\\\');");
}

TEST(MenuBarGenerator, CaptionsAreJavaStringLiterals)
{
    const ClassSections s = Generate(Bar({Node("Say \"Hi\""), Node("C:\\Temp"), Node("\\u0022")}));
    EXPECT_BLOCK(s.methodText, "\t\tmenuSay_Hi = new JMenuItem(\"Say \\\"Hi\\\"\");");
    EXPECT_BLOCK(s.methodText, "\t\tmenuCTemp = new JMenuItem(\"C:\\\\Temp\");");
    EXPECT_BLOCK(s.methodText, "\t\tmenuU0022 = new JMenuItem(\"\\\\u0022\");");
}

TEST(MenuBarGenerator, RepeatedIdentifiersGetNumbersEverywhere)
{
    const ClassSections s = Generate(Bar({
        Node("File", {Node("Open"), Node("Open"), Node("Open2")}),
        Node("File", {Node("Open")}),
        Node("保存"), Node("設定"), Node("Bar"),
    }));
    EXPECT_BLOCK(s.fieldDecls, "\tJMenuBar menuBar;",
                 "\tJMenuItem menuFileOpen, menuFileOpen2, menuFileOpen22, menuFile2Open, menuBlank, menuBlank2, menuBar2;",
                 "\tJMenu menuFile, menuFile2;");
    EXPECT_BLOCK(s.methodText, "\t\tmenuFile2 = new JMenu(\"File\");", "\t\tmenuBar.add(menuFile2);",
                 "\t\tmenuFile2Open = new JMenuItem(\"Open\");", "\t\tmenuFile2Open.addActionListener(this);",
                 "\t\tmenuFile2.add(menuFile2Open);");
    EXPECT_BLOCK(s.methodText, "\t\t} else if (obj == menuFileOpen2) {", "\t\t\tOnFileOpen2();");
    EXPECT_BLOCK(s.methodText, "\t\t} else if (obj == menuBlank2) {", "\t\t\tOnBlank2();");
    EXPECT_BLOCK(s.methodText, "\tprivate void OnFileOpen2() {", "", "\t}", "", "\tprivate void OnFileOpen22() {");
    EXPECT_BLOCK(s.methodText, "\tprivate void OnBar2() {");
}

TEST(MenuBarGenerator, SeparatorsBelongToMenusOnly)
{
    // JMenuBar has no addSeparator: a separator on the bar itself is left out.
    const ClassSections s = Generate(Bar({Node("-"), Node("&-", {Node("x"), Node("-")})}));
    EXPECT_BLOCK(s.methodText, "\tprivate void initMenu() {", "\t\tmenuMinus = new JMenu(\"Minus\");",
                 "\t\tmenuMinus.setMnemonic('-');", "\t\tmenuBar.add(menuMinus);");
    EXPECT_BLOCK(s.methodText, "\t\tmenuMinus.add(menuMinusX);", "\t\tmenuMinus.addSeparator();", "\t}");
    EXPECT_FALSE(s.methodText.contains("menuBar.addSeparator")) << s.methodText.toStdString();
}

}  // namespace
