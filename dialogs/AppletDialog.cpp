#include "dialogs/AppletDialog.h"

#include "dialogs/FormControls.h"
#include "dialogs/JavaFileChoice.h"
#include "dialogs/SortedInsert.h"
#include "generators/GeneratedFile.h"
#include "resources/FormIds.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace dialogs {

namespace {

using namespace resources::AppletForm;

const QColor kClearedSwatch(192, 192, 192);

const QList<gen::ComponentKind> kAllKinds = {
    gen::ComponentKind::Button, gen::ComponentKind::TextField, gen::ComponentKind::Label,      gen::ComponentKind::List,
    gen::ComponentKind::Choice, gen::ComponentKind::CheckBox,  gen::ComponentKind::RadioGroup,
};

}  // namespace

AppletDialog::AppletDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_form.Build(this, resources::LoadFormTemplate(resources::AppletForm::Id));
    setFixedSize(m_form.ClientSize());
    m_swatch.Attach(m_form.Control(Swatch));
    m_style = MakeRadioGroup(m_form, {ListenerStyle, AdapterStyle}, this);

    ConnectClick(m_form, SelectFile, this, &AppletDialog::OnChooseFile);
    ConnectClick(m_form, AwtEventBox, this, &AppletDialog::OnEventImport);
    ConnectClick(m_form, ActionBox, this, &AppletDialog::OnListenerBox);
    ConnectClick(m_form, ItemBox, this, &AppletDialog::OnListenerBox);
    ConnectClick(m_form, ListenerStyle, this, &AppletDialog::RefillComponentKinds);
    ConnectClick(m_form, AdapterStyle, this, &AppletDialog::RefillComponentKinds);
    ConnectClick(m_form, AddComponent, this, &AppletDialog::OnAddComponent);
    ConnectClick(m_form, DeleteComponent, this, &AppletDialog::OnDeleteComponent);
    ConnectClick(m_form, Background, this, &AppletDialog::OnBackground);
    ConnectClick(m_form, ChooseColor, this, &AppletDialog::OnChooseColor);
    ConnectClick(m_form, Generate, this, &AppletDialog::OnGenerate);
    ConnectClick(m_form, Close, this, &QDialog::reject);
}

QComboBox* AppletDialog::KindCombo() const { return m_form.Get<QComboBox>(KindChoice); }

QListWidget* AppletDialog::ComponentList() const { return m_form.Get<QListWidget>(ComponentBox); }

void AppletDialog::OnChooseFile()
{
    if (!ChooseNewJavaFile(this, m_startFolder, m_form.Get<QLineEdit>(PathEdit), m_file))
        return;
    EnableControls(m_form,
                   {Generate, AwtEventBox, AwtImageBox, IoBox, NetBox, UtilBox, InterfaceGroup, RunnableBox,
                    SpecialGroup, DoubleBuffering, Background, Comments, OpenAfter},
                   true);
    SetTicked(m_form, AppletBox, true);
    SetTicked(m_form, AwtBox, true);
    SetTicked(m_form, Comments, true);
}

void AppletDialog::OnEventImport()
{
    const bool on = IsTicked(m_form, AwtEventBox);
    EnableControls(m_form,
                   {ActionBox, ItemBox, KeyBox, MouseBox, MouseMotionBox, ComponentGroup, StyleGroup, KindLabel,
                    AdapterStyle, KindChoice, AddComponent, ComponentBox},
                   on);
    KindCombo()->clear();
    if (on) {
        SetTicked(m_form, AdapterStyle, true);
        for (gen::ComponentKind kind : kAllKinds)
            InsertSorted(KindCombo(), gen::ComponentKindName(kind));
        KindCombo()->setCurrentIndex(-1);
    } else {
        ClearRadio(m_style, AdapterStyle);
        EnableControls(m_form, {DeleteComponent}, false);
        ComponentList()->clear();
    }
}

void AppletDialog::OnListenerBox()
{
    const bool anyChain = IsTicked(m_form, ActionBox) || IsTicked(m_form, ItemBox);
    EnableControls(m_form, {ListenerStyle}, anyChain);
    if (!anyChain)
        SetTicked(m_form, AdapterStyle, true);
    RefillComponentKinds();
}

void AppletDialog::RefillComponentKinds()
{
    QComboBox* combo = KindCombo();
    ComponentList()->clear();
    combo->clear();
    QList<gen::ComponentKind> offered;
    if (IsTicked(m_form, ListenerStyle)) {
        // A kind is offered only when the method that its events reach exists.
        if (IsTicked(m_form, ActionBox))
            offered << gen::ComponentKind::Button << gen::ComponentKind::TextField;
        offered << gen::ComponentKind::Label;
        if (IsTicked(m_form, ItemBox))
            offered << gen::ComponentKind::List << gen::ComponentKind::Choice << gen::ComponentKind::CheckBox
                    << gen::ComponentKind::RadioGroup;
    } else if (IsTicked(m_form, AdapterStyle)) {
        offered = kAllKinds;
    }
    for (gen::ComponentKind kind : offered)
        InsertSorted(combo, gen::ComponentKindName(kind));
    combo->setCurrentIndex(-1);
}

void AppletDialog::OnAddComponent()
{
    const QComboBox* combo = KindCombo();
    if (combo->currentIndex() < 0)
        return;
    InsertSorted(ComponentList(), combo->currentText());
    EnableControls(m_form, {DeleteComponent}, true);
}

void AppletDialog::OnDeleteComponent()
{
    QListWidget* list = ComponentList();
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.first();
    // Nothing stays selected, so a second "Del" does not remove a neighbour.
    list->clearSelection();
    list->setCurrentItem(nullptr);
}

void AppletDialog::OnBackground()
{
    const bool on = IsTicked(m_form, Background);
    EnableControls(m_form, {ChooseColor}, on);
    const platform::Rgb& c = m_backgroundColor;
    m_swatch.Fill(on ? QColor(c.red, c.green, c.blue) : kClearedSwatch);
}

// A cancelled choice keeps the colour that the swatch shows.
void AppletDialog::OnChooseColor()
{
    const std::optional<platform::Rgb> picked = platform::UserDialogs().ChooseColor(this);
    if (!picked)
        return;
    m_backgroundColor = *picked;
    m_swatch.Fill(QColor(picked->red, picked->green, picked->blue));
}

gen::AppletChoices AppletDialog::Choices() const
{
    gen::AppletChoices c;
    c.fileName = m_file.fileName;
    c.className = m_file.title;
    c.importAwtEvent = IsTicked(m_form, AwtEventBox);
    c.importAwtImage = IsTicked(m_form, AwtImageBox);
    c.importIo = IsTicked(m_form, IoBox);
    c.importNet = IsTicked(m_form, NetBox);
    c.importUtil = IsTicked(m_form, UtilBox);
    c.actionListener = IsTicked(m_form, ActionBox);
    c.itemListener = IsTicked(m_form, ItemBox);
    c.keyListener = IsTicked(m_form, KeyBox);
    c.mouseListener = IsTicked(m_form, MouseBox);
    c.mouseMotionListener = IsTicked(m_form, MouseMotionBox);
    c.runnable = IsTicked(m_form, RunnableBox);
    c.style = IsTicked(m_form, AdapterStyle) ? gen::EventStyle::Adapter : gen::EventStyle::Listener;
    const QListWidget* list = ComponentList();
    for (int row = 0; row < list->count(); ++row) {
        if (const auto kind = gen::ComponentKindFromName(list->item(row)->text()))
            c.components.append(*kind);
    }
    c.doubleBuffering = IsTicked(m_form, DoubleBuffering);
    c.background = IsTicked(m_form, Background);
    c.backgroundColor = m_backgroundColor;
    c.comments = IsTicked(m_form, Comments);
    return c;
}

void AppletDialog::OnGenerate()
{
    GenerateJavaSource(
        *this, m_file.path, [this] { return gen::GenerateAppletSource(Choices()); }, IsTicked(m_form, OpenAfter),
        m_openRequested);
}

}  // namespace dialogs
