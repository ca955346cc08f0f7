#include "settings/COptionDialog.h"

#include "platform/UserDialogs.h"
#include "resources/FormIds.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>

#include <variant>

namespace settings {

namespace {

using namespace resources::OptionsForm;

constexpr QSize kWindowSize(450, 350);

const char* const kPageLabels[] = {"実行(java)", "コンパイル(javac)", "ヘッダー(javah)", "関連付け"};

struct Placement {
    int id;
    int page;
    QPoint position;
};

// Page controls in the order in which they are shown or hidden.
const Placement kPlacements[] = {
    {JavaOptionCheck, 0, {20, 40}},       {JavaOptionEdit, 0, {30, 60}},      {JavaArgCheck, 0, {20, 80}},
    {JavaArgEdit, 0, {30, 100}},          {JavaClassPathCheck, 0, {20, 120}}, {JavaClassPathEdit, 0, {30, 140}},
    {KeepPrompt, 0, {20, 170}},           {ClosePrompt, 0, {20, 190}},        {Capture, 0, {30, 210}},
    {CaptureNote, 0, {40, 230}},          {JavacOptimize, 1, {20, 40}},       {JavacOptimizeNote, 1, {30, 60}},
    {JavacNowarn, 1, {20, 80}},           {JavacNowarnNote, 1, {30, 100}},    {JavacDeprecation, 1, {20, 120}},
    {JavacDeprecationNote, 1, {30, 140}}, {JavacOtherCheck, 1, {20, 200}},    {JavacOtherEdit, 1, {30, 220}},
    {JavacClassPathCheck, 1, {20, 160}},  {JavacClassPathEdit, 1, {30, 180}}, {JavahClassPathCheck, 2, {20, 40}},
    {JavahClassPathEdit, 2, {30, 60}},    {JavaEditorCheck, 3, {20, 40}},     {JavaEditorEdit, 3, {30, 60}},
    {JavaEditorBrowse, 3, {360, 58}},     {HtmlEditorCheck, 3, {20, 90}},     {HtmlEditorEdit, 3, {30, 110}},
    {HtmlEditorBrowse, 3, {360, 108}},    {BrowserCheck, 3, {20, 140}},       {BrowserEdit, 3, {30, 160}},
    {BrowserBrowse, 3, {360, 158}},       {JavaDocumentCheck, 3, {20, 190}},  {JavaDocumentEdit, 3, {30, 210}},
    {JavaDocumentBrowse, 3, {360, 208}},
};

using Member = std::variant<bool StoredOptions::*, QString StoredOptions::*>;

struct Binding {
    int id;
    Member member;
};

// The option that each control shows and supplies (ClosePrompt is KeepPrompt's partner).
const Binding kBindings[] = {
    {JavaOptionCheck, &StoredOptions::javaOption},
    {JavaOptionEdit, &StoredOptions::javaStrOption},
    {JavaArgCheck, &StoredOptions::javaArg},
    {JavaArgEdit, &StoredOptions::javaStrArg},
    {JavaClassPathCheck, &StoredOptions::javaClassPath},
    {JavaClassPathEdit, &StoredOptions::javaStrClassPath},
    {Capture, &StoredOptions::javaMsg},
    {KeepPrompt, &StoredOptions::javaShowDos},
    {JavacOptimize, &StoredOptions::javacO},
    {JavacNowarn, &StoredOptions::javacNowarn},
    {JavacDeprecation, &StoredOptions::javacDeprecation},
    {JavacClassPathCheck, &StoredOptions::javacClassPath},
    {JavacClassPathEdit, &StoredOptions::javacStrClassPath},
    {JavacOtherCheck, &StoredOptions::javacOther},
    {JavacOtherEdit, &StoredOptions::javacStrOther},
    {JavahClassPathCheck, &StoredOptions::javahClassPath},
    {JavahClassPathEdit, &StoredOptions::javahStrClassPath},
    {JavahOptionCheck, &StoredOptions::javahOption},
    {JavahOptionEdit, &StoredOptions::javahStrOption},
    {JavaEditorCheck, &StoredOptions::useJava},
    {JavaEditorEdit, &StoredOptions::appJava},
    {HtmlEditorCheck, &StoredOptions::useHtml},
    {HtmlEditorEdit, &StoredOptions::appHtml},
    {BrowserCheck, &StoredOptions::useIe},
    {BrowserEdit, &StoredOptions::appIe},
    {JavaDocumentCheck, &StoredOptions::useLink},
    {JavaDocumentEdit, &StoredOptions::appLink},
};

struct Switch {
    int check;
    int edit;
};

// Check boxes that enable their edits; the hidden javah pair only at filling.
const Switch kSwitches[] = {{JavaOptionCheck, JavaOptionEdit},       {JavaArgCheck, JavaArgEdit},
                            {JavaClassPathCheck, JavaClassPathEdit}, {JavacClassPathCheck, JavacClassPathEdit},
                            {JavacOtherCheck, JavacOtherEdit},       {JavahClassPathCheck, JavahClassPathEdit}};
const Switch kHiddenSwitch = {JavahOptionCheck, JavahOptionEdit};

struct BrowseRow {
    int button;
    int edit;
    const char* title;
    const char* description;  // of the programs offered; empty: the document row
};

const BrowseRow kBrowseRows[] = {
    {JavaEditorBrowse, JavaEditorEdit, "テキストエディタを選択", "テキストエディタ"},
    {HtmlEditorBrowse, HtmlEditorEdit, "HTMLエディタを選択", "HTMLエディタ"},
    {BrowserBrowse, BrowserEdit, "ブラウザを選択", "ブラウザ"},
    {JavaDocumentBrowse, JavaDocumentEdit, "Javaドキュメントを選択", ""},
};

QString BrowseFilter(const BrowseRow& row)
{
    const QString description = QString::fromUtf8(row.description);
    if (description.isEmpty())
        return QStringLiteral("Javaドキュメント(*.html)|*.html;*.htm|全てのファイル(*.*)|*.*||");
#ifdef Q_OS_WIN
    return description + QStringLiteral("(*.exe)|*.exe||");
#else
    // Programs carry no extension here: every file is offered.
    return description + QStringLiteral("|*||");
#endif
}

}  // namespace

COptionDialog::COptionDialog(COptionModel& model, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
{
    m_form.Build(this, resources::LoadFormTemplate(resources::OptionsForm::Id));
    m_tab = m_form.Get<QTabWidget>(Tab);
    Layout();
    ConnectHandlers();
}

void COptionDialog::Layout()
{
    for (const char* label : kPageLabels)
        m_tab->addTab(new QWidget, QString::fromUtf8(label));
    setFixedSize(kWindowSize);
    m_tab->setGeometry(QRect(QPoint(0, 0), kWindowSize).adjusted(7, 7, -14, -34));
    const int buttonTop = m_tab->y() + m_tab->height() + 7;
    for (const auto& [id, x] : {std::pair{Ok, 10}, std::pair{Cancel, 100}})
        Control(id)->move(x, buttonTop);
    for (const Placement& placement : kPlacements) {
        QWidget* control = Control(placement.id);
        control->move(placement.position);
        control->raise();
        if (placement.page != 0)
            control->hide();
    }
}

void COptionDialog::ConnectHandlers()
{
    for (const Switch& s : kSwitches) {
        auto* check = m_form.Get<QCheckBox>(s.check);
        QWidget* edit = Control(s.edit);
        connect(check, &QCheckBox::clicked, edit, [check, edit] { edit->setEnabled(check->isChecked()); });
    }
    for (int id : {KeepPrompt, ClosePrompt})
        connect(m_form.Get<QRadioButton>(id), &QRadioButton::clicked, this, &COptionDialog::ApplyCaptureRule);
    connect(m_tab, &QTabWidget::currentChanged, this, &COptionDialog::ShowPage);
    // The page controls are the tab's siblings, so the tab never sees the
    // keys that turn pages while one of them has the focus.
    const std::pair<QKeyCombination, int> turns[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto& [keys, step] : turns) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, [this, step = step] {
            m_tab->setCurrentIndex((m_tab->currentIndex() + step + m_tab->count()) % m_tab->count());
        });
    }
    for (const BrowseRow& row : kBrowseRows) {
        connect(m_form.Get<QPushButton>(row.button), &QPushButton::clicked, this,
                [this, &row] { Browse(row.edit, QString::fromUtf8(row.title), BrowseFilter(row)); });
    }
    connect(m_form.Get<QPushButton>(Ok), &QPushButton::clicked, this, &COptionDialog::OnOK);
    connect(m_form.Get<QPushButton>(Cancel), &QPushButton::clicked, this, &QDialog::reject);
}

void COptionDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        m_tab->setCurrentIndex(0);
        ShowPage(0);
        FillControls();
    }
    QDialog::showEvent(event);
}

void COptionDialog::ShowPage(int index)
{
    if (index < 0)
        return;
    for (const Placement& placement : kPlacements)
        Control(placement.id)->hide();
    for (const Placement& placement : kPlacements) {
        if (placement.page == index)
            Control(placement.id)->show();
    }
}

void COptionDialog::FillControls()
{
    m_model.Load();
    const StoredOptions& stored = m_model.Stored();
    for (const Binding& binding : kBindings) {
        if (auto flag = std::get_if<bool StoredOptions::*>(&binding.member))
            m_form.Get<QAbstractButton>(binding.id)->setChecked(stored.*(*flag));
        else
            m_form.Get<QLineEdit>(binding.id)->setText(stored.*std::get<QString StoredOptions::*>(binding.member));
    }
    if (!stored.javaShowDos)
        m_form.Get<QRadioButton>(ClosePrompt)->setChecked(true);
    for (const Switch& s : kSwitches)
        Control(s.edit)->setEnabled(m_form.Get<QCheckBox>(s.check)->isChecked());
    Control(kHiddenSwitch.edit)->setEnabled(m_form.Get<QCheckBox>(kHiddenSwitch.check)->isChecked());
    ApplyCaptureRule();
}

StoredOptions COptionDialog::ReadControls() const
{
    StoredOptions values = m_model.Stored();
    for (const Binding& binding : kBindings) {
        if (auto flag = std::get_if<bool StoredOptions::*>(&binding.member))
            values.*(*flag) = m_form.Get<QAbstractButton>(binding.id)->isChecked();
        else
            values.*std::get<QString StoredOptions::*>(binding.member) = m_form.Get<QLineEdit>(binding.id)->text();
    }
    return values;
}

void COptionDialog::ApplyCaptureRule()
{
    Control(Capture)->setEnabled(m_form.Get<QRadioButton>(ClosePrompt)->isChecked());
}

void COptionDialog::Browse(int editId, const QString& title, const QString& filter)
{
    auto* edit = m_form.Get<QLineEdit>(editId);
    platform::FileDialogSpec request;
    request.mode = platform::FileDialogSpec::Mode::Open;
    request.title = title;
    request.filter = filter;
    request.initialFolder = edit->text();
    request.mustExist = true;
    if (const auto chosen = platform::UserDialogs().ChooseFile(this, request))
        edit->setText(*chosen);
}

void COptionDialog::OnOK()
{
    if (!m_model.Save(ReadControls(), this))
        accept();
}

}  // namespace settings
