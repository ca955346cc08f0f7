#include "generators/AppletGenerator.h"

#include "generators/AppletComponentRows.h"
#include "generators/AppletTemplates.h"
#include "generators/ListenerTemplates.h"
#include "generators/TemplateText.h"

#include <algorithm>
#include <array>

namespace gen {

namespace {

struct Chain {
    QString text;
    bool started = false;      // any link, commented ones included
    bool realStarted = false;  // a link that is code, not a comment
};

struct AppletSections {
    QString fieldDecls;
    QString initBody;
    QString paintBody;
    QString methodText;
    Chain actionChain;
    Chain itemChain;
    std::array<int, 7> counters{};
};

constexpr std::array<const char16_t*, 7> kKindNames = {
    u"Button", u"TextField", u"Label", u"List", u"Choice", u"CheckBox", u"RadioGroup",
};

bool RowApplies(const gen::ComponentRow& row, const AppletChoices& choices)
{
    const unsigned char style = choices.style == EventStyle::Listener ? gen::kListener : gen::kAdapter;
    if (!(row.when & style))
        return false;
    return choices.comments || !(row.when & gen::kCommentsOnly);
}

// A chain head: its first form until the chain has a link of its kind (code
// or comment), then the " else if" form that continues the previous "}".
QStringView HeadText(const gen::ComponentRow& row, Chain& chain)
{
    const bool commented = row.when & gen::kCommentsOnly;
    // A code link after links that were only comments opens the chain anew:
    // an " else if" there would follow no "if".
    const bool later = commented ? chain.started : chain.realStarted;
    chain.started = true;
    if (!commented)
        chain.realStarted = true;
    return later ? row.laterText : row.text;
}

QString* SectionText(gen::AppletSection section, AppletSections& s)
{
    switch (section) {
    case gen::AppletSection::Fields: return &s.fieldDecls;
    case gen::AppletSection::Init: return &s.initBody;
    case gen::AppletSection::ActionChain: return &s.actionChain.text;
    case gen::AppletSection::ItemChain: return &s.itemChain.text;
    }
    return nullptr;
}

void AppendComponent(ComponentKind kind, const AppletChoices& choices, AppletSections& s)
{
    const QString number = QString::number(++s.counters[static_cast<int>(kind)]);
    for (const gen::ComponentRow& row : gen::ComponentRows(kind)) {
        if (!RowApplies(row, choices))
            continue;
        QStringView text = row.text;
        if (row.laterText) {
            Chain& chain = row.section == gen::AppletSection::ActionChain ? s.actionChain : s.itemChain;
            text = HeadText(row, chain);
        } else if (row.qualifiedText && choices.importUtil) {
            text = row.qualifiedText;
        }
        Append(*SectionText(row.section, s), text, {number});
    }
}

void AppendDoubleBuffering(const AppletChoices& choices, AppletSections& s)
{
    AppendLines(s.fieldDecls, gen::kDoubleBufferFields, choices.comments);
    AppendLines(s.initBody, gen::kDoubleBufferInit, choices.comments);
    AppendLines(s.paintBody, gen::kDoubleBufferPaint, choices.comments);
    AppendLines(s.methodText, gen::kDoubleBufferMethods, choices.comments);
}

void AppendBackground(const platform::Rgb& color, AppletSections& s)
{
    Append(s.initBody, u"\t\tsetBackground(new Color(%d,%d,%d));\n",
           {QString::number(color.red), QString::number(color.green), QString::number(color.blue)});
    Append(s.initBody, u"\n");
}

void AppendChainMethod(const gen::AppletInterface& face, const Chain& chain, const AppletChoices& choices,
                       AppletSections& s)
{
    AppendLines(s.methodText, face.methods, choices.comments);
    s.methodText.append(chain.text);
    Append(s.methodText, u"\n\t}\n");
}

void AppendInterface(const gen::AppletInterface& face, const AppletChoices& choices, AppletSections& s)
{
    AppendLines(s.fieldDecls, face.fields, choices.comments);
    AppendLines(s.initBody, face.init, choices.comments);
    if (face.chain == gen::AppletChainKind::Action)
        AppendChainMethod(face, s.actionChain, choices, s);
    else if (face.chain == gen::AppletChainKind::Item)
        AppendChainMethod(face, s.itemChain, choices, s);
    else
        gen::AppendListenerLines(s.methodText, face.methods, choices.comments, gen::CommentMarks::EachLine);
}

// Appends the class line's implements clause and fills the sections of every
// chosen interface, in the order of the clause.
void AppendInterfaces(const AppletChoices& choices, AppletSections& s, QString& classLines)
{
    bool first = true;
    for (const gen::AppletInterface& face : gen::AppletInterfaces()) {
        if (!(choices.*face.chosen))
            continue;
        Append(classLines, first ? u"\timplements\n" : u",\n");
        classLines.append(face.clauseName);
        first = false;
        AppendInterface(face, choices, s);
    }
}

// The code names an event type: a listener's method, or a component's
// anonymous listener. A ticked listener whose box the import's untick has
// greyed still counts, so the import comes with it.
bool UsesEventTypes(const AppletChoices& choices)
{
    if (choices.actionListener || choices.itemListener || choices.keyListener || choices.mouseListener
        || choices.mouseMotionListener)
        return true;
    return choices.style == EventStyle::Adapter
           && std::any_of(choices.components.begin(), choices.components.end(), [](ComponentKind kind) {
                  return kind != ComponentKind::Label && kind != ComponentKind::RadioGroup;
              });
}

void AppendImports(const AppletChoices& choices, QString& out)
{
    Append(out, u"import java.applet.*;\nimport java.awt.*;\n");
    for (const gen::AppletImport& import : gen::AppletImports()) {
        const bool needed = import.chosen == &AppletChoices::importAwtEvent && UsesEventTypes(choices);
        if (choices.*import.chosen || needed)
            Append(out, import.line);
    }
    Append(out, u"\n");
}

QString Assemble(const AppletChoices& choices, const AppletSections& s, const QString& classLines)
{
    QString out;
    Append(out, u"//Written by Tarnwick\n//%s\n", {gen::JavaCommentText(choices.fileName)});
    AppendImports(choices, out);
    out.append(classLines);
    Append(out, u"\n{\n");
    AppendLines(out, gen::kAppletFieldsHint, choices.comments);
    out.append(s.fieldDecls);
    Append(out, u"\n\tpublic void init() {\n");
    AppendLines(out, gen::kAppletInitHint, choices.comments);
    Append(out, u"\n");
    out.append(s.initBody);
    Append(out, u"\t}\n\n\tpublic void paint(Graphics g) {\n");
    AppendLines(out, gen::kAppletPaintHint, choices.comments);
    out.append(s.paintBody);
    Append(out, u"\n\t}\n");
    out.append(s.methodText);
    Append(out, u"}\n");
    return out;
}

}  // namespace

QString ComponentKindName(ComponentKind kind) { return QString::fromUtf16(kKindNames[static_cast<int>(kind)]); }

std::optional<ComponentKind> ComponentKindFromName(const QString& name)
{
    for (size_t i = 0; i < kKindNames.size(); ++i) {
        if (name == QStringView(kKindNames[i]))
            return static_cast<ComponentKind>(i);
    }
    return std::nullopt;
}

QString GenerateAppletSource(const AppletChoices& choices)
{
    AppletSections s;
    for (const ComponentKind kind : choices.components)
        AppendComponent(kind, choices, s);
    // The off-screen graphics take the applet's background when they are
    // made, so the colour is set first.
    if (choices.background)
        AppendBackground(choices.backgroundColor, s);
    if (choices.doubleBuffering)
        AppendDoubleBuffering(choices, s);
    QString classLines;
    Append(classLines, u"public class %s extends Applet \n", {choices.className});
    AppendInterfaces(choices, s, classLines);
    return Assemble(choices, s, classLines);
}

}  // namespace gen
