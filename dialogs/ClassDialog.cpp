#include "dialogs/ClassDialog.h"

#include "dialogs/FormControls.h"
#include "dialogs/JavaFileChoice.h"
#include "generators/GeneratedFile.h"
#include "resources/FormIds.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

namespace dialogs {

namespace {

using namespace resources::ClassForm;

// Check boxes in the order of ClassImport and ClassInterface.
constexpr int kImportBoxes[gen::ImportCount] = {SwingBox, AwtBox,  AwtEventBox, AwtImageBox, IoBox,
                                                NetBox,   UtilBox, AppletBox,   BeansBox,    RmiBox};
constexpr int kInterfaceBoxes[gen::InterfaceCount] = {ActionBox,      ItemBox,   KeyBox,      MouseBox,
                                                      MouseMotionBox, WindowBox, RunnableBox, ComponentBox};
constexpr int kActionListenerBox = kInterfaceBoxes[gen::ActionListenerIf];

// Superclass buttons in the order of SuperclassKind.
constexpr int kSuperclassButtons[] = {NoSuperclass,    FrameSuperclass,  DialogSuperclass,
                                      PanelSuperclass, WindowSuperclass, UserSuperclass};

bool IsEnterPress(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

ClassDialog::ClassDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_form.Build(this, resources::LoadFormTemplate(resources::ClassForm::Id));
    setFixedSize(m_form.ClientSize());
    m_menu.Attach(m_form.Get<QTreeWidget>(MenuTree));
    m_superclass = MakeRadioGroup(
        m_form, {NoSuperclass, FrameSuperclass, DialogSuperclass, PanelSuperclass, WindowSuperclass, UserSuperclass},
        this);
    connect(m_superclass, &QButtonGroup::idClicked, this, &ClassDialog::OnSuperclass);
    if (QWidget* edit = m_form.Control(MenuNameEdit))
        edit->installEventFilter(this);

    ConnectClick(m_form, SelectFile, this, &ClassDialog::OnChooseFile);
    ConnectClick(m_form, SwingBox, this, &ClassDialog::OnSwingImport);
    ConnectClick(m_form, AwtEventBox, this, &ClassDialog::ApplyEventImport);
    ConnectClick(m_form, MenuBox, this, &ClassDialog::OnMenuBox);
    ConnectClick(m_form, AddEntry, this, &ClassDialog::OnAddMenuEntry);
    ConnectClick(m_form, DeleteEntry, this, &ClassDialog::OnDeleteMenuEntry);
    ConnectClick(m_form, Generate, this, &ClassDialog::OnGenerate);
    ConnectClick(m_form, Close, this, &QDialog::reject);
}

bool ClassDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the menu-name edit adds the entry; it never reaches the dialog,
    // so it cannot start a generation. A held key adds once.
    if (watched == m_form.Control(MenuNameEdit) && IsEnterPress(event)) {
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            OnAddMenuEntry();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ClassDialog::OnChooseFile()
{
    if (!ChooseNewJavaFile(this, m_startFolder, m_form.Get<QLineEdit>(PathEdit), m_file))
        return;
    EnableControls(m_form,
                   {Generate, ImportGroup, InterfaceGroup, SuperclassGroup, StartGroup, RunnableBox, NoSuperclass,
                    UserSuperclass, UserSuperclassEdit, WithMain, Comments, OpenAfter},
                   true);
    for (int id : kImportBoxes)
        EnableControls(m_form, {id}, true);
    SelectNoSuperclass();
    SetTicked(m_form, Comments, true);
}

void ClassDialog::OnSwingImport()
{
    EnableControls(m_form, {FrameSuperclass, DialogSuperclass, PanelSuperclass, WindowSuperclass},
                   IsTicked(m_form, SwingBox));
    SelectNoSuperclass();
}

void ClassDialog::ApplyEventImport()
{
    const bool on = IsTicked(m_form, AwtEventBox);
    for (int id : kInterfaceBoxes) {
        if (id != kInterfaceBoxes[gen::RunnableIf])
            EnableControls(m_form, {id}, on);
    }
    // The menu's entries register the class itself: while there is a menu
    // bar, ActionListener stays ticked and cannot be cleared.
    if (IsTicked(m_form, MenuBox))
        EnableControls(m_form, {kActionListenerBox}, false);
}

void ClassDialog::OnSuperclass(int id)
{
    if (id != NoSuperclass && id != UserSuperclass) {
        // A Swing superclass needs the AWT imports for its generated code.
        SetTicked(m_form, AwtBox, true);
        SetTicked(m_form, AwtEventBox, true);
        ApplyEventImport();
    }
    RefreshMenu();
}

void ClassDialog::SelectNoSuperclass()
{
    SetTicked(m_form, NoSuperclass, true);
    RefreshMenu();
}

void ClassDialog::RefreshMenu()
{
    // Only a JFrame gets a menu bar.
    EnableControls(m_form, {MenuGroup, MenuBox}, IsTicked(m_form, FrameSuperclass));
    SetTicked(m_form, MenuBox, false);
    ApplyMenuBox();
}

void ClassDialog::OnMenuBox()
{
    if (IsTicked(m_form, MenuBox))
        SetTicked(m_form, kActionListenerBox, true);
    ApplyMenuBox();
}

void ClassDialog::ApplyMenuBox()
{
    EnableControls(m_form, {MenuTree, MenuNameLabel, MenuNameEdit, AddEntry, DeleteEntry}, IsTicked(m_form, MenuBox));
    ApplyEventImport();
}

void ClassDialog::OnAddMenuEntry() { m_menu.AddBelowSelected(m_form.Get<QLineEdit>(MenuNameEdit)->text()); }

void ClassDialog::OnDeleteMenuEntry() { m_menu.DeleteSelected(); }

gen::SuperclassKind ClassDialog::Superclass() const
{
    for (std::size_t i = 0; i < std::size(kSuperclassButtons); ++i) {
        if (IsTicked(m_form, kSuperclassButtons[i]))
            return static_cast<gen::SuperclassKind>(i);
    }
    return gen::SuperclassKind::None;
}

gen::ClassChoices ClassDialog::Choices() const
{
    gen::ClassChoices c;
    c.path = m_file.path;
    c.fileName = m_file.fileName;
    c.className = m_file.title;
    for (int i = 0; i < gen::ImportCount; ++i)
        c.imports[i] = IsTicked(m_form, kImportBoxes[i]);
    c.superclass = Superclass();
    c.userSuperclass = m_form.Get<QLineEdit>(UserSuperclassEdit)->text();
    for (int i = 0; i < gen::InterfaceCount; ++i)
        c.interfaces[i] = IsTicked(m_form, kInterfaceBoxes[i]);
    c.withMain = IsTicked(m_form, WithMain);
    c.comments = IsTicked(m_form, Comments);
    c.openAfter = IsTicked(m_form, OpenAfter);
    c.withMenuBar = IsTicked(m_form, MenuBox);
    c.menuTree = m_menu.ToNode();
    return c;
}

void ClassDialog::OnGenerate()
{
    GenerateJavaSource(
        *this, m_file.path, [this] { return gen::GenerateClassSource(Choices()); }, IsTicked(m_form, OpenAfter),
        m_openRequested);
}

}  // namespace dialogs
