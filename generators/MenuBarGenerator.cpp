#include "generators/MenuBarGenerator.h"

#include "generators/MenuWordTable.h"
#include "generators/TemplateText.h"
#include "platform/TextCodec.h"

#include <QHash>
#include <QStringBuilder>
#include <cctype>
#include <string>

namespace gen {

namespace {

const QString kBarVariable = QStringLiteral("menuBar");

struct MenuTextParts {
    std::u16string itemDecls;
    std::u16string menuDecls;
    std::u16string initMenuBody;
    std::u16string handlerMethods;
    std::u16string dispatchBody;
    bool anyItem = false;
    bool anyMenu = false;
};

// Hands out identifiers so that no two entries or menus share a field or a
// handler: the first of a kind keeps its name, later repeats get 2, 3, ...
class IdentifierPool {
public:
    // "Bar" would make the variable menuBar, the bar's own field.
    explicit IdentifierPool(qsizetype expected)
    {
        m_nextSuffix.reserve(expected + 1);
        TryClaim(QStringLiteral("Bar"));
    }

    QString Claim(const QString& identifier)
    {
        if (TryClaim(identifier))
            return identifier;
        // Each identifier remembers the next suffix to try, so repeats of one
        // label do not test the same suffixes again.
        int suffix = m_nextSuffix.value(identifier);
        QString candidate;
        do {
            candidate = identifier % QString::number(suffix++);
        } while (!TryClaim(candidate));
        m_nextSuffix[identifier] = suffix;
        return candidate;
    }

private:
    // Claims the identifier when it is free; one hash lookup either way.
    bool TryClaim(const QString& identifier)
    {
        const qsizetype before = m_nextSuffix.size();
        int& next = m_nextSuffix[identifier];
        if (m_nextSuffix.size() == before)
            return false;
        next = 2;
        return true;
    }

    QHash<QString, int> m_nextSuffix;  // every identifier handed out
};

QByteArray LabelBytes(const QString& label)
{
    for (const QChar c : label) {
        if (c.unicode() >= 0x80)
            return platform::ToCp932(label);
    }
    return label.toLatin1();
}

// The whole character after the first '&', or nothing when the label has no
// '&' or ends with it.
QString Mnemonic(const QString& label)
{
    const qsizetype amp = label.indexOf(u'&');
    if (amp < 0 || amp + 1 >= label.size())
        return {};
    const bool pair = label[amp + 1].isHighSurrogate() && amp + 2 < label.size();
    return label.mid(amp + 1, pair ? 2 : 1);
}

// The templates written once per node.
const gen::Template kMnemonic(u"\t\t%s.setMnemonic('%c');\n");
const gen::Template kSeparator(u"\t\t%s.addSeparator();\n");
const gen::Template kFirstItemDecl(u"\tJMenuItem %s");
const gen::Template kFirstItemBranch(u"\t\tObject obj = e.getSource();\n\t\tif (obj == %s) {\n");
const gen::Template kItemDecl(u", %s");
const gen::Template kItemBranch(u" else if (obj == %s) {\n");
const gen::Template kItemCall(u"\t\t\t%s();\n\t\t}");
const gen::Template kNewItem(u"\t\t%s = new JMenuItem(\"%s\");\n");
const gen::Template kItemListen(u"\t\t%s.addActionListener(this);\n\t\t%s.add(%s);\n");
const gen::Template kHandlerHead(u"\tprivate void %s() {\n");
const gen::Template kHandlerHint(u"\t\t//TODO: ここに%sが選択されたときの処理を書いて下さい。\n");
const gen::Template kHandlerTail(u"\n\t}\n\n");
const gen::Template kFirstMenuDecl(u"\tJMenu %s");
const gen::Template kMenuDecl(u", %s");
const gen::Template kNewMenu(u"\t\t%s = new JMenu(\"%s\");\n");
const gen::Template kAddToParent(u"\t\t%s.add(%s);\n");

void AppendMnemonic(std::u16string& out, const QString& variable, const QString& mnemonic)
{
    // A character outside the basic plane has no Java char literal.
    if (mnemonic.size() != 1)
        return;
    kMnemonic.AppendTo(out, {variable, gen::JavaCharText(mnemonic)});
}

void EmitSeparator(const QString& parentVar, MenuTextParts& parts)
{
    kSeparator.AppendTo(parts.initMenuBody, {parentVar});
}

void EmitItem(const QString& label, const QString& display, const QString& identifier, const QString& parentVar,
              bool comments, MenuTextParts& parts)
{
    const QString variable = QStringLiteral("menu") % identifier;
    const QString handler = QStringLiteral("On") % identifier;
    (parts.anyItem ? kItemDecl : kFirstItemDecl).AppendTo(parts.itemDecls, {variable});
    (parts.anyItem ? kItemBranch : kFirstItemBranch).AppendTo(parts.dispatchBody, {variable});
    parts.anyItem = true;
    kItemCall.AppendTo(parts.dispatchBody, {handler});
    kNewItem.AppendTo(parts.initMenuBody, {variable, gen::JavaStringText(display)});
    AppendMnemonic(parts.initMenuBody, variable, Mnemonic(label));
    kItemListen.AppendTo(parts.initMenuBody, {variable, parentVar, variable});
    kHandlerHead.AppendTo(parts.handlerMethods, {handler});
    if (comments)
        kHandlerHint.AppendTo(parts.handlerMethods, {gen::JavaCommentText(display)});
    kHandlerTail.AppendTo(parts.handlerMethods, {});
}

// Returns the menu's variable, the parent of its children.
QString EmitMenu(const QString& label, const QString& display, const QString& identifier, const QString& parentVar,
                 MenuTextParts& parts)
{
    QString variable = QStringLiteral("menu") % identifier;
    (parts.anyMenu ? kMenuDecl : kFirstMenuDecl).AppendTo(parts.menuDecls, {variable});
    parts.anyMenu = true;
    kNewMenu.AppendTo(parts.initMenuBody, {variable, gen::JavaStringText(display)});
    AppendMnemonic(parts.initMenuBody, variable, Mnemonic(label));
    kAddToParent.AppendTo(parts.initMenuBody, {parentVar, variable});
    return variable;
}

struct Level {
    const MenuItemNode* node;
    size_t next;
    QString prefix;
    QString parentVar;
};

// Depth first, each node before its children, without recursion so that a
// deep tree cannot exhaust the stack.
// Sizes the identifier table once instead of growing it node by node.
qsizetype CountNodes(const MenuItemNode& root)
{
    qsizetype count = 0;
    std::vector<const MenuItemNode*> stack{&root};
    while (!stack.empty()) {
        const MenuItemNode* node = stack.back();
        stack.pop_back();
        count += qsizetype(node->children.size());
        for (const MenuItemNode& child : node->children)
            stack.push_back(&child);
    }
    return count;
}

void EmitTree(const MenuItemNode& root, bool comments, MenuTextParts& parts)
{
    IdentifierPool pool(CountNodes(root));
    std::vector<Level> stack;
    stack.push_back({&root, 0, QString(), kBarVariable});
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next == level.node->children.size()) {
            stack.pop_back();
            continue;
        }
        const MenuItemNode& child = level.node->children[level.next++];
        QString display = child.label;
        display.remove(u'&');
        if (child.children.empty() && display == u"-") {
            // A menu bar has no separators; only a menu gets one.
            if (level.node != &root)
                EmitSeparator(level.parentVar, parts);
            continue;
        }
        const QString identifier = pool.Claim(level.prefix % LabelToIdentifier(display));
        if (child.children.empty()) {
            EmitItem(child.label, display, identifier, level.parentVar, comments, parts);
            continue;
        }
        QString variable = EmitMenu(child.label, display, identifier, level.parentVar, parts);
        stack.push_back({&child, 0, identifier, std::move(variable)});
    }
}

}  // namespace

QString LabelToIdentifier(const QString& label)
{
    const auto& table = gen::MenuWordTable();
    std::string word;
    for (const char byte : LabelBytes(label))
        word += table[static_cast<unsigned char>(byte)];
    if (word.empty())
        return QStringLiteral("Blank");
    word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    return QString::fromLatin1(word);
}

void GenerateMenuBar(const MenuItemNode& root, bool comments, ClassSections& sections)
{
    Append(sections.fieldDecls, u"\tJMenuBar %s;\n", {kBarVariable});
    Append(sections.initBody,
           u"\t\t%s = new JMenuBar();\n\t\tinitMenu();\n\t\tgetContentPane().setLayout(new BorderLayout());\n"
           u"\t\tgetContentPane().add(%s,BorderLayout.NORTH);\n",
           {kBarVariable});
    MenuTextParts parts;
    EmitTree(root, comments, parts);
    sections.methodText.reserve(
        sections.methodText.size()
        + qsizetype(parts.initMenuBody.size() + parts.dispatchBody.size() + parts.handlerMethods.size()) + 100);
    Append(sections.methodText, u"\tprivate void initMenu() {\n");
    sections.methodText.append(gen::View(parts.initMenuBody));
    Append(sections.methodText, u"\t}\n\n");
    if (parts.anyItem)
        Append(sections.fieldDecls, u"%s;\n", {gen::View(parts.itemDecls)});
    if (parts.anyMenu)
        Append(sections.fieldDecls, u"%s;\n", {gen::View(parts.menuDecls)});
    Append(sections.methodText, u"\tprivate void actionPerformedMenu(ActionEvent e) {\n");
    sections.methodText.append(gen::View(parts.dispatchBody));
    Append(sections.methodText, u"\n\t}\n\n");
    sections.methodText.append(gen::View(parts.handlerMethods));
    Append(sections.menuDispatch, u"\t\tactionPerformedMenu(e);\n");
}

}  // namespace gen
