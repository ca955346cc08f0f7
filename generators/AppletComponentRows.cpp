#include "generators/AppletComponentRows.h"

namespace gen {

namespace {

using S = AppletSection;
constexpr unsigned char A = kBothStyles;
constexpr unsigned char L = kListener;
constexpr unsigned char D = kAdapter;
constexpr unsigned char AC = kBothStyles | kCommentsOnly;
constexpr unsigned char LC = kListener | kCommentsOnly;
constexpr unsigned char DC = kAdapter | kCommentsOnly;

constexpr ComponentRow kButton[] = {
    {S::Fields, A, u"\tButton btn%d;\n"},
    {S::Init, A, u"\t\tbtn%d = new Button(\"label\");\n"},
    {S::Init, A, u"\t\tadd(btn%d);\n"},
    {S::Init, L, u"\t\tbtn%d.addActionListener(this);\n"},
    {S::Init, L, u"\n"},
    {S::ActionChain, L, u"\t\tif (e.getSource() == btn%d) {\n", u" else if (e.getSource() == btn%d) {\n"},
    {S::ActionChain, LC, u"\t\t\t//TODO: ここにbtn%dがクリックされたときの処理を書いて下さい\n"},
    {S::ActionChain, L, u"\n"},
    {S::ActionChain, L, u"\t\t}"},
    {S::Init, D, u"\t\tbtn%d.addActionListener(new ActionListener() {\n"},
    {S::Init, D, u"\t\t\tpublic void actionPerformed(ActionEvent e){\n"},
    {S::Init, DC, u"\t\t\t\t//TODO: ここにbtn%dがクリックされたときの処理を書いて下さい\n"},
    {S::Init, D, u"\n"},
    {S::Init, D, u"\t\t\t}\n"},
    {S::Init, D, u"\t\t});\n"},
    {S::Init, D, u"\n"},
};

constexpr ComponentRow kTextField[] = {
    {S::Fields, A, u"\tTextField tf%d;\n"},
    {S::Init, A, u"\t\ttf%d = new TextField(5);\n"},
    {S::Init, A, u"\t\tadd(tf%d);\n"},
    {S::Init, L, u"\t\ttf%d.addActionListener(this);\n"},
    {S::Init, L, u"\n"},
    {S::ActionChain, L, u"\t\tif (e.getSource() == tf%d) {\n", u" else if (e.getSource() == tf%d) {\n"},
    {S::ActionChain, LC, u"\t\t\t//TODO: ここにtf%dでのイベントを書いてください\n"},
    {S::ActionChain, LC, u"\t\t\t//String ss = tf%d.getText();\n"},
    {S::ActionChain, LC, u"\t\t\t//int nn = Integer.parseInt(tf%d.getText());\n"},
    {S::ActionChain, LC, u"\t\t\t//tf%d.setText(\"new Text\");\n"},
    {S::ActionChain, L, u"\n"},
    {S::ActionChain, L, u"\t\t}"},
    {S::Init, D, u"\t\ttf%d.addActionListener(new ActionListener() {\n"},
    {S::Init, D, u"\t\t\tpublic void actionPerformed(ActionEvent e){\n"},
    {S::Init, DC, u"\t\t\t\t//TODO: ここにtf%dでのイベントを書いてください\n"},
    {S::Init, DC, u"\t\t\t\t//String ss = tf%d.getText();\n"},
    {S::Init, DC, u"\t\t\t\t//int nn = Integer.parseInt(tf%d.getText());\n"},
    {S::Init, DC, u"\t\t\t\t//tf%d.setText(\"new Text\");\n"},
    {S::Init, D, u"\n"},
    {S::Init, D, u"\t\t\t}\n"},
    {S::Init, D, u"\t\t});\n"},
};

constexpr ComponentRow kLabel[] = {
    {S::Fields, A, u"\tLabel lb%d;\n"},
    {S::Init, A, u"\t\tlb%d = new Label(\"Label\");\n"},
    {S::Init, A, u"\t\tadd(lb%d);\n"},
};

constexpr ComponentRow kList[] = {
    {S::Fields, A, u"\tList lst%d;\n", nullptr, u"\tjava.awt.List lst%d;\n"},
    {S::Init, A, u"\t\tlst%d = new List();\n", nullptr, u"\t\tlst%d = new java.awt.List();\n"},
    {S::Init, AC, u"\t\t//TODO: lst%dに項目を登録してください\n"},
    {S::Init, AC, u"\t\t//lst%d.add(\"Item%d_0\");\n"},
    {S::Init, AC, u"\t\t//lst%d.add(\"Item%d_1\");\n"},
    {S::Init, AC, u"\t\t//lst%d.add(\"Item%d_2\");\n"},
    {S::Init, A, u"\t\tadd(lst%d);\n"},
    {S::Init, L, u"\t\tlst%d.addItemListener(this);\n"},
    {S::Init, L, u"\n"},
    {S::ItemChain, L, u"\t\tif (e.getSource() == lst%d) {\n", u" else if (e.getSource() == lst%d) {\n"},
    {S::ItemChain, LC, u"\t\t\t//TODO: ここにlst%dのイベントを書いてください\n"},
    {S::ItemChain, LC, u"\t\t\t//int nn = lst%d.getSelectedIndex();\n"},
    {S::ItemChain, L, u"\n"},
    {S::ItemChain, L, u"\t\t}"},
    {S::Init, D, u"\t\tlst%d.addItemListener(new ItemListener() {\n"},
    {S::Init, D, u"\t\t\tpublic void itemStateChanged(ItemEvent e){\n"},
    {S::Init, DC, u"\t\t\t\t//TODO: ここにlst%dのイベントを書いてください\n"},
    {S::Init, DC, u"\t\t\t\t//int nn = lst%d.getSelectedIndex();\n"},
    {S::Init, D, u"\n"},
    {S::Init, D, u"\t\t\t}\n"},
    {S::Init, D, u"\t\t});\n"},
};

constexpr ComponentRow kChoice[] = {
    {S::Fields, A, u"\tChoice ch%d;\n"},
    {S::Init, A, u"\t\tch%d = new Choice();\n"},
    {S::Init, AC, u"\t\t//TODO: ch%dに項目を登録してください\n"},
    {S::Init, AC, u"\t\t//ch%d.add(\"Item%d_0\");\n"},
    {S::Init, AC, u"\t\t//ch%d.add(\"Item%d_1\");\n"},
    {S::Init, AC, u"\t\t//ch%d.add(\"Item%d_2\");\n"},
    {S::Init, A, u"\t\tadd(ch%d);\n"},
    {S::Init, L, u"\t\tch%d.addItemListener(this);\n"},
    {S::Init, L, u"\n"},
    {S::ItemChain, L, u"\t\tif (e.getSource() == ch%d) {\n", u" else if (e.getSource() == ch%d) {\n"},
    {S::ItemChain, LC, u"\t\t\t//TODO: ここにch%dのイベントを書いてください\n"},
    {S::ItemChain, LC, u"\t\t\t//int nn = ch%d.getSelectedIndex();\n"},
    {S::ItemChain, LC, u"\t\t\t//switch(nn) {\n"},
    {S::ItemChain, LC, u"\t\t\t//\tcase 0:\n"},
    {S::ItemChain, LC, u"\t\t\t//\t\t//0個目のアイテムが選択されたときのイベント\n"},
    {S::ItemChain, LC, u"\t\t\t//\t\t\n"},
    {S::ItemChain, LC, u"\t\t\t//\t\tbreak;\n"},
    {S::ItemChain, LC, u"\t\t\t//\tcase 1:\n"},
    {S::ItemChain, LC, u"\t\t\t//\t\t//1個目のアイテムが選択されたときのイベント\n"},
    {S::ItemChain, LC, u"\t\t\t//\t\t\n"},
    {S::ItemChain, LC, u"\t\t\t//\t\tbreak;\n"},
    {S::ItemChain, LC, u"\t\t\t//\tdefault:\n"},
    {S::ItemChain, LC, u"\t\t\t//\t\t//標準のイベント\n"},
    {S::ItemChain, LC, u"\t\t\t//\t\t\n"},
    {S::ItemChain, LC, u"\t\t\t//\t}\n"},
    {S::ItemChain, L, u"\n"},
    {S::ItemChain, L, u"\t\t}"},
    {S::Init, D, u"\t\tch%d.addItemListener(new ItemListener() {\n"},
    {S::Init, D, u"\t\t\tpublic void itemStateChanged(ItemEvent e){\n"},
    {S::Init, DC, u"\t\t\t\t//TODO: ここにch%dのイベントを書いてください\n"},
    {S::Init, DC, u"\t\t\t\t//int nn = ch%d.getSelectedIndex();\n"},
    {S::Init, DC, u"\t\t\t\t//switch(nn) {\n"},
    {S::Init, DC, u"\t\t\t\t//\tcase 0:\n"},
    {S::Init, DC, u"\t\t\t\t//\t\t//0個目のアイテムが選択されたときのイベント\n"},
    {S::Init, DC, u"\t\t\t\t//\t\t\n"},
    {S::Init, DC, u"\t\t\t\t//\t\tbreak;\n"},
    {S::Init, DC, u"\t\t\t\t//\tcase 1:\n"},
    {S::Init, DC, u"\t\t\t\t//\t\t//1個目のアイテムが選択されたときのイベント\n"},
    {S::Init, DC, u"\t\t\t\t//\t\t\n"},
    {S::Init, DC, u"\t\t\t\t//\t\tbreak;\n"},
    {S::Init, DC, u"\t\t\t\t//\tdefault:\n"},
    {S::Init, DC, u"\t\t\t\t//\t\t//標準のイベント\n"},
    {S::Init, DC, u"\t\t\t\t//\t\t\n"},
    {S::Init, DC, u"\t\t\t\t//\t}\n"},
    {S::Init, D, u"\n"},
    {S::Init, D, u"\t\t\t}\n"},
    {S::Init, D, u"\t\t});\n"},
};

constexpr ComponentRow kCheckBox[] = {
    {S::Fields, A, u"\tCheckbox chk%d;\n"},
    {S::Init, A, u"\t\tchk%d = new Checkbox(\"Label\");\n"},
    {S::Init, A, u"\t\tadd(chk%d);\n"},
    {S::Init, L, u"\t\tchk%d.addItemListener(this);\n"},
    {S::Init, L, u"\n"},
    {S::ItemChain, L, u"\t\tif (e.getSource() == chk%d) {\n", u" else if (e.getSource() == chk%d) {\n"},
    {S::ItemChain, LC, u"\t\t\t//TODO: ここにchk%dのイベントを書いてください\n"},
    {S::ItemChain, L, u"\n"},
    {S::ItemChain, L, u"\t\t}"},
    {S::Init, D, u"\t\tchk%d.addItemListener(new ItemListener() {\n"},
    {S::Init, D, u"\t\t\tpublic void itemStateChanged(ItemEvent e){\n"},
    {S::Init, DC, u"\t\t\t\t//TODO: ここにchk%dのイベントを書いてください\n"},
    {S::Init, D, u"\n"},
    {S::Init, D, u"\t\t\t}\n"},
    {S::Init, D, u"\t\t});\n"},
};

// Only the group is real code; its two radio buttons are commented examples.
constexpr ComponentRow kRadioGroup[] = {
    {S::Fields, A, u"\tCheckboxGroup chkgp%d;\n"},
    {S::Fields, AC, u"\t//TODO: ラジオボタンのグループに含めるチェックボックスを宣言してください\n"},
    {S::Fields, AC, u"\t//Checkbox chk%d_0;\n"},
    {S::Fields, AC, u"\t//Checkbox chk%d_1;\n"},
    {S::Init, A, u"\t\tchkgp%d = new CheckboxGroup();\n"},
    {S::Init, AC, u"\t\t//TODO: ラジオボタンを登録してください\n"},
    {S::Init, AC, u"\t\t//chk%d_0 = new Checkbox(\"Label_0\",chkgp%d,true);\n"},
    {S::Init, AC, u"\t\t//add(chk%d_0);\n"},
    {S::Init, LC, u"\t\t//chk%d_0.addItemListener(this);\n"},
    {S::Init, LC, u"\t\t//\n"},
    {S::Init, LC, u"\t\t//chk%d_1 = new Checkbox(\"Label_1\",chkgp%d,false);\n"},
    {S::Init, LC, u"\t\t//add(chk%d_1);\n"},
    {S::Init, LC, u"\t\t//chk%d_1.addItemListener(this);\n"},
    {S::Init, LC, u"\t\t//\n"},
    {S::ItemChain, LC, u"\t\t//if (e.getSource() == chk%d_0) {\n", u" //else if (e.getSource() == chk%d_0) {\n"},
    {S::ItemChain, LC, u"\t\t\t//TODO: ここにchk%d_0のイベントを書いてください\n"},
    {S::ItemChain, LC, u"\t\t\t//\n"},
    {S::ItemChain, LC, u"\t\t//}"},
    {S::ItemChain, LC, u" //else if (e.getSource() == chk%d_1) {\n"},
    {S::ItemChain, LC, u"\t\t\t//TODO: ここにchk%d_1のイベントを書いてください\n"},
    {S::ItemChain, LC, u"\t\t\t//\n"},
    {S::ItemChain, LC, u"\t\t//}\n"},
    {S::Init, DC, u"\t\t//chk%d_0.addItemListener(new ItemListener() {\n"},
    {S::Init, DC, u"\t\t\t//public void itemStateChanged(ItemEvent e){\n"},
    {S::Init, DC, u"\t\t\t\t//TODO: ここにchk%d_0のイベントを書いてください\n"},
    {S::Init, DC, u"\t\t\t\t//\n"},
    {S::Init, DC, u"\t\t\t//}\n"},
    {S::Init, DC, u"\t\t//});\n"},
    {S::Init, DC, u"\t\t//chk%d_1 = new Checkbox(\"Label_1\",chkgp%d,false);\n"},
    {S::Init, DC, u"\t\t//add(chk%d_1);\n"},
    {S::Init, DC, u"\t\t//chk%d_1.addItemListener(new ItemListener() {\n"},
    {S::Init, DC, u"\t\t\t//public void itemStateChanged(ItemEvent e){\n"},
    {S::Init, DC, u"\t\t\t\t//TODO: ここにchk%d_1のイベントを書いてください\n"},
    {S::Init, DC, u"\t\t\t\t//\n"},
    {S::Init, DC, u"\t\t\t//}\n"},
    {S::Init, DC, u"\t\t//});\n"},
};

}  // namespace

std::span<const ComponentRow> ComponentRows(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::Button: return kButton;
    case ComponentKind::TextField: return kTextField;
    case ComponentKind::Label: return kLabel;
    case ComponentKind::List: return kList;
    case ComponentKind::Choice: return kChoice;
    case ComponentKind::CheckBox: return kCheckBox;
    case ComponentKind::RadioGroup: return kRadioGroup;
    }
    return {};
}

}  // namespace gen
