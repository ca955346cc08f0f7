#include "generators/ClassGenerator.h"

#include "generators/ClassTemplates.h"
#include "generators/ListenerTemplates.h"
#include "generators/TemplateText.h"

namespace gen {

namespace {

void AppendSuperclassLines(const ClassChoices& choices, const gen::ClassSuperclass& super, ClassSections& s)
{
    AppendLines(s.initBody, super.initLines, choices.comments);
    if (super.closingAdapter && !choices.interfaces[WindowListenerIf])
        AppendLines(s.initBody, gen::kClosingAdapter, choices.comments);
}

void AppendMethods(const gen::ClassInterfaceDef& face, const ClassChoices& choices, const gen::ClassSuperclass& super,
                   ClassSections& s)
{
    for (const gen::TemplateLine& line : face.methods) {
        if (line.text == gen::kMenuDispatchSlot)
            s.methodText.append(s.menuDispatch);
        else if (line.text == gen::kExitSlot) {
            if (super.exitOnClose)
                Append(s.methodText, u"\t\tSystem.exit(0);\n");
        } else if (line.text == gen::kKeySwitchSlot) {
            if (choices.comments)
                gen::AppendKeySwitch(s.methodText, gen::CommentMarks::Block);
        } else if (choices.comments || !line.commentsOnly)
            Append(s.methodText, line.text);
    }
}

bool WritesRegistration(ClassInterface face, SuperclassKind superclass)
{
    // A panel is no window and has no addWindowListener.
    return !(face == WindowListenerIf && superclass == SuperclassKind::JPanel);
}

// Appends the implements clause and fills the sections of every chosen
// interface, in the order of the clause.
void AppendInterfaces(const ClassChoices& choices, const gen::ClassSuperclass& super, ClassSections& s,
                      QString& classLines)
{
    bool first = true;
    for (int i = 0; i < InterfaceCount; ++i) {
        if (!choices.interfaces[i])
            continue;
        const auto face = static_cast<ClassInterface>(i);
        const gen::ClassInterfaceDef& def = gen::ClassInterfaceOf(face);
        Append(classLines, first ? u"\timplements\n" : u",\n");
        classLines.append(def.clauseName);
        first = false;
        if (WritesRegistration(face, choices.superclass))
            AppendLines(s.initBody, def.registration, choices.comments);
        AppendLines(s.fieldDecls, def.fields, choices.comments);
        AppendMethods(def, choices, super, s);
    }
}

bool IsSwing(SuperclassKind kind) { return kind != SuperclassKind::None && kind != SuperclassKind::UserDefined; }

// The imports that the written code needs are written whatever the boxes say:
// a box unticked after the superclass or a listener was chosen would leave
// names unresolved.
void AddNeededImports(ClassChoices& c)
{
    const SuperclassKind kind = c.superclass;
    bool events = kind == SuperclassKind::JFrame || kind == SuperclassKind::JDialog;  // the closing adapter
    for (int i = 0; i < InterfaceCount; ++i)
        events = events || (c.interfaces[i] && i != RunnableIf);
    // Dimension, Toolkit and Frame; BorderLayout for the menu bar.
    const bool awt = IsSwing(kind) && kind != SuperclassKind::JPanel;
    c.imports[ImportSwing] = c.imports[ImportSwing] || IsSwing(kind) || c.withMenuBar;
    c.imports[ImportAwt] = c.imports[ImportAwt] || awt || c.withMenuBar;
    c.imports[ImportAwtEvent] = c.imports[ImportAwtEvent] || events;
}

// The choices as written. An empty or blank user-defined name would leave
// "extends" without a class: such a class has no superclass. The menu's
// entries register the class itself, so a menu bar implements ActionListener.
ClassChoices Effective(ClassChoices c)
{
    if (c.superclass == SuperclassKind::UserDefined && c.userSuperclass.trimmed().isEmpty())
        c.superclass = SuperclassKind::None;
    if (c.withMenuBar)
        c.interfaces[ActionListenerIf] = true;
    AddNeededImports(c);
    return c;
}

void AppendHeader(const ClassChoices& choices, const gen::ClassSuperclass& super, QString& out)
{
    Append(out, u"//Written by Tarnwick\n//%s\n", {gen::JavaCommentText(choices.fileName)});
    const auto imports = gen::ClassImportLines();
    for (int i = 0; i < ImportCount; ++i) {
        if (choices.imports[i])
            Append(out, imports[i]);
    }
    Append(out, u"\n");
    Append(out, u"public class %s", {choices.className});
    out.append(QStringView(super.fragment));
    if (choices.superclass == SuperclassKind::UserDefined)
        out.append(choices.userSuperclass);
    Append(out, u"\n");
}

void AppendInitComponents(const ClassChoices& choices, const ClassSections& s, QString& out)
{
    Append(out, u"\tprivate void initComponents() {\n");
    if (choices.comments)
        Append(out, u"\t\t//TODO: ここに初期化の処理を書いてください\n");
    Append(out, u"\n");
    out.append(s.initBody);
    Append(out, u"\t}\n\n");
}

void AppendMain(const ClassChoices& choices, QString& out)
{
    Append(out, u"\tpublic static void main(String args[]) {\n");
    // A panel is shown in a frame of its own, which ends the program when closed.
    if (choices.superclass == SuperclassKind::JPanel)
        Append(out,
               u"\t\tJFrame frame = new JFrame(\"%s\");\n"
               u"\t\tframe.setDefaultCloseOperation(JFrame.EXIT_ON_CLOSE);\n"
               u"\t\tframe.getContentPane().add(new %s());\n"
               u"\t\tframe.setSize(400,300);\n"
               u"\t\tframe.setLocationRelativeTo(null);\n"
               u"\t\tframe.setVisible(true);\n",
               {gen::JavaStringText(choices.className), choices.className});
    else
        Append(out,
               choices.superclass == SuperclassKind::JDialog ? u"\t\t%s app = new %s(null,false);\n"
                                                             : u"\t\t%s app = new %s();\n",
               {choices.className});
    Append(out, u"\t}\n\n");
}

// The file from choices that are already as written.
QString Assemble(const ClassChoices& choices)
{
    const gen::ClassSuperclass& super = gen::ClassSuperclassOf(choices.superclass);
    ClassSections s;
    if (choices.withMenuBar)
        GenerateMenuBar(choices.menuTree, choices.comments, s);
    AppendSuperclassLines(choices, super, s);
    QString out;
    AppendHeader(choices, super, out);
    AppendInterfaces(choices, super, s, out);
    Append(out, u"\n{\n");
    if (choices.comments)
        Append(out, u"\t//TODO: この位置に変数の宣言をしてください\n");
    out.append(s.fieldDecls);
    Append(out, u"\n");
    Append(out, super.constructor, {choices.className});
    Append(out, u"\n");
    if (super.hasInitComponents)
        AppendInitComponents(choices, s, out);
    out.append(s.methodText);
    Append(out, u"\n");
    if (choices.withMain)
        AppendMain(choices, out);
    Append(out, u"}\n");
    return out;
}

}  // namespace

QString GenerateClassSource(const ClassChoices& choices) { return Assemble(Effective(choices)); }

}  // namespace gen
