#include "generators/MenuBarGenerator.h"

#include "tests/generators/GeneratedText.h"

#include <QRegularExpression>

using namespace gen;

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
    const char* const cases[][2] = {{"ファイル(F)", "TAtMarkCF"},
                                    {"保存", "Blank"},
                                    {"", "Blank"},
                                    {"開く", "J"},
                                    {"Save As", "Save_As"},
                                    {"1+1", "1Plus1"},
                                    {"a-b", "AMinusb"},
                                    {"x\t_y", "X__y"},
                                    {"*/!#$%=@?", "MultiDivExclamationSharpDollarParcentEqualAtMarkQuestion"},
                                    {"a.b,c:d;\"e'(f)", "Abcdef"}};
    for (const auto& [label, word] : cases)
        EXPECT_EQ(LabelToIdentifier(QString::fromUtf8(label)), QString::fromUtf8(word)) << label;
}

TEST(MenuBarGenerator, FileMenuWithOpenSeparatorExit)
{
    const MenuItemNode root = Bar({Node("File", {Node("Open"), Node("-"), Node("Exit")})});
    const ClassSections s = Generate(root);
    EXPECT_EQ(s.fieldDecls,
              Crlf({"\tJMenuBar menuBar;", "\tJMenuItem menuFileOpen, menuFileExit;", "\tJMenu menuFile;"}));
    EXPECT_EQ(Lines(s.methodText).join('\n'),
              "\tprivate void initMenu() {\n\t\tmenuFile = new JMenu(\"File\");\n\t\tmenuBar.add(menuFile);\n"
              "\t\tmenuFileOpen = new JMenuItem(\"Open\");\n\t\tmenuFileOpen.addActionListener(this);\n"
              "\t\tmenuFile.add(menuFileOpen);\n\t\tmenuFile.addSeparator();\n"
              "\t\tmenuFileExit = new JMenuItem(\"Exit\");\n\t\tmenuFileExit.addActionListener(this);\n"
              "\t\tmenuFile.add(menuFileExit);\n\t}\n\n"
              "\tprivate void actionPerformedMenu(ActionEvent e) {\n\t\tObject obj = e.getSource();\n"
              "\t\tif (obj == menuFileOpen) {\n\t\t\tOnFileOpen();\n\t\t} else if (obj == menuFileExit) {\n"
              "\t\t\tOnFileExit();\n\t\t}\n\t}\n\n"
              "\tprivate void OnFileOpen() {\n\n\t}\n\n\tprivate void OnFileExit() {\n\n\t}\n");
    // Comments add a line to each handler only.
    const ClassSections commented = Generate(root, true);
    EXPECT_EQ(commented.fieldDecls + commented.initBody, s.fieldDecls + s.initBody);
    const QRegularExpression hint("\t\t//TODO: ここに(Open|Exit)が選択されたときの処理を書いて下さい。\r\n");
    EXPECT_EQ(commented.methodText.count(hint), 2);
    EXPECT_EQ(QString(commented.methodText).remove(hint), s.methodText);
}

TEST(MenuBarGenerator, NamesMnemonicsAndLiterals)
{
    const std::pair<MenuItemNode, std::vector<QStringList>> cases[] = {
        {Bar({Node("File", {Node("Recent", {Node("One")})})}),
         {{"\tJMenuItem menuFileRecentOne;", "\tJMenu menuFile, menuFileRecent;"},
          {"\t\tmenuFile.add(menuFileRecent);"},
          {"\t\tmenuFileRecent.add(menuFileRecentOne);", "\t}"}}},
        // Menus and entries alike are captioned with the label less the '&'.
        {Bar({Node("ファイル(&F)", {Node("ファイル(&F)")})}),
         {{"\t\tmenuTAtMarkCF = new JMenu(\"ファイル(F)\");", "\t\tmenuTAtMarkCF.setMnemonic('F');",
           "\t\tmenuBar.add(menuTAtMarkCF);"},
          {"\t\tmenuTAtMarkCFTAtMarkCF = new JMenuItem(\"ファイル(F)\");",
           "\t\tmenuTAtMarkCFTAtMarkCF.setMnemonic('F');"}}},
        {Bar({Node("A&&B"), Node("End&")}),
         {{"\t\tmenuAB = new JMenuItem(\"AB\");", "\t\tmenuAB.setMnemonic('&');"},
          {"\t\tmenuEnd = new JMenuItem(\"End\");", "\t\tmenuEnd.addActionListener(this);"}}},
        // Mnemonics and captions are whole characters in valid Java literals.
        {Bar({Node("&フォルダ"), Node("&'"), Node("&\\"), Node("Say \"Hi\""), Node("C:\\Temp"), Node("\\u0022")}),
         {{"\t\tmenuTH_ = new JMenuItem(\"フォルダ\");", "\t\tmenuTH_.setMnemonic('フ');"},
          {"\t\tmenuBlank.setMnemonic('\\'');"},
          {"\t\tmenuBlank2.setMnemonic('\\\\');"},
          {"\t\tmenuSay_Hi = new JMenuItem(\"Say \\\"Hi\\\"\");"},
          {"\t\tmenuCTemp = new JMenuItem(\"C:\\\\Temp\");"},
          {"\t\tmenuU0022 = new JMenuItem(\"\\\\u0022\");"}}},
        // A pasted line break stays inside the literal and the comment.
        {Bar({Node("a\r\nb")}), {{"\t\tmenuAb = new JMenuItem(\"a\\r\\nb\");"}}},
        {Bar({Node("Say \"Hi\" C:\\users", {Node("x")})}),
         {{"\t\tmenuSay_Hi_Cusers = new JMenu(\"Say \\\"Hi\\\" C:\\\\users\");"}}},
        // A menu bar has no addSeparator: a separator on the bar is left out.
        {Bar({Node("-"), Node("x")}), {{"\tprivate void initMenu() {", "\t\tmenuX = new JMenuItem(\"x\");"}}},
        // A repeated identifier gets a number wherever it is used.
        {Bar({Node("File", {Node("Open"), Node("Open"), Node("Open2")}), Node("File", {Node("Open")}), Node("保存"),
              Node("設定"), Node("Bar")}),
         {{"\tJMenuBar menuBar;",
           "\tJMenuItem menuFileOpen, menuFileOpen2, menuFileOpen22, menuFile2Open, menuBlank, menuBlank2, menuBar2;",
           "\tJMenu menuFile, menuFile2;"},
          {"\t\tmenuFile2.add(menuFile2Open);"},
          {"\t\t} else if (obj == menuBlank2) {", "\t\t\tOnBlank2();"},
          {"\tprivate void OnFileOpen2() {", "", "\t}", "", "\tprivate void OnFileOpen22() {"}}},
    };
    for (const auto& [root, blocks] : cases) {
        const ClassSections s = Generate(root);
        for (const QStringList& block : blocks)
            EXPECT_BLOCK(s.fieldDecls + s.initBody + s.methodText, block);
    }
}

}  // namespace
