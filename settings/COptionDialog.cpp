#include "settings/COptionDialog.h"

#include "platform/UserDialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>

#include <variant>

namespace {

constexpr int kTemplate = 137;
constexpr int kTab = 1116;
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kKeepPrompt = 1120;
constexpr int kClosePrompt = 1121;
constexpr int kCapture = 1108;
constexpr QSize kWindowSize(450, 350);

const char* const kPageLabels[] = {"実行(java)", "コンパイル(javac)", "ヘッダー(javah)", "関連付け"};

struct Placement {
    int id;
    int page;
    QPoint position;
};

// Page controls in the order in which they are shown or hidden.
const Placement kPlacements[] = {
    {1090, 0, {20, 40}},   {1091, 0, {30, 60}},  {1092, 0, {20, 80}},   {1093, 0, {30, 100}},  {1052, 0, {20, 120}},
    {1134, 0, {30, 140}},  {1120, 0, {20, 170}}, {1121, 0, {20, 190}},  {1108, 0, {30, 210}},  {1122, 0, {40, 230}},
    {1094, 1, {20, 40}},   {1117, 1, {30, 60}},  {1095, 1, {20, 80}},   {1118, 1, {30, 100}},  {1096, 1, {20, 120}},
    {1119, 1, {30, 140}},  {1097, 1, {20, 200}}, {1099, 1, {30, 220}},  {1135, 1, {20, 160}},  {1136, 1, {30, 180}},
    {1137, 2, {20, 40}},   {1138, 2, {30, 60}},  {1124, 3, {20, 40}},   {1125, 3, {30, 60}},   {1001, 3, {360, 58}},
    {1127, 3, {20, 90}},   {1128, 3, {30, 110}}, {1003, 3, {360, 108}}, {1129, 3, {20, 140}},  {1130, 3, {30, 160}},
    {1004, 3, {360, 158}}, {1131, 3, {20, 190}}, {1132, 3, {30, 210}},  {1005, 3, {360, 208}},
};

using Member = std::variant<bool StoredOptions::*, QString StoredOptions::*>;

struct Binding {
    int id;
    Member member;
};

// The option that each control shows and supplies (1121 is 1120's partner).
const Binding kBindings[] = {
    {1090, &StoredOptions::javaOption},
    {1091, &StoredOptions::javaStrOption},
    {1092, &StoredOptions::javaArg},
    {1093, &StoredOptions::javaStrArg},
    {1052, &StoredOptions::javaClassPath},
    {1134, &StoredOptions::javaStrClassPath},
    {1108, &StoredOptions::javaMsg},
    {1120, &StoredOptions::javaShowDos},
    {1094, &StoredOptions::javacO},
    {1095, &StoredOptions::javacNowarn},
    {1096, &StoredOptions::javacDeprecation},
    {1135, &StoredOptions::javacClassPath},
    {1136, &StoredOptions::javacStrClassPath},
    {1097, &StoredOptions::javacOther},
    {1099, &StoredOptions::javacStrOther},
    {1137, &StoredOptions::javahClassPath},
    {1138, &StoredOptions::javahStrClassPath},
    {1140, &StoredOptions::javahOption},
    {1141, &StoredOptions::javahStrOption},
    {1124, &StoredOptions::useJava},
    {1125, &StoredOptions::appJava},
    {1127, &StoredOptions::useHtml},
    {1128, &StoredOptions::appHtml},
    {1129, &StoredOptions::useIe},
    {1130, &StoredOptions::appIe},
    {1131, &StoredOptions::useLink},
    {1132, &StoredOptions::appLink},
};

struct Switch {
    int check;
    int edit;
};

// Check boxes that enable their edits; the hidden javah pair only at filling.
const Switch kSwitches[] = {{1090, 1091}, {1092, 1093}, {1052, 1134}, {1135, 1136}, {1097, 1099}, {1137, 1138}};
const Switch kHiddenSwitch = {1140, 1141};

struct BrowseRow {
    int button;
    int edit;
    const char* title;
    const char* description;  // of the programs offered; empty: the document row
};

const BrowseRow kBrowseRows[] = {
    {1001, 1125, "テキストエディタを選択", "テキストエディタ"},
    {1003, 1128, "HTMLエディタを選択", "HTMLエディタ"},
    {1004, 1130, "ブラウザを選択", "ブラウザ"},
    {1005, 1132, "Javaドキュメントを選択", ""},
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
    m_form.Build(this, LoadFormTemplate(kTemplate));
    m_tab = m_form.Get<QTabWidget>(kTab);
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
    for (const auto& [id, x] : {std::pair{kOk, 10}, std::pair{kCancel, 100}})
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
    for (int id : {kKeepPrompt, kClosePrompt})
        connect(m_form.Get<QRadioButton>(id), &QRadioButton::clicked, this, &COptionDialog::ApplyCaptureRule);
    connect(m_tab, &QTabWidget::currentChanged, this, &COptionDialog::ShowPage);
    for (const BrowseRow& row : kBrowseRows) {
        connect(m_form.Get<QPushButton>(row.button), &QPushButton::clicked, this,
                [this, &row] { Browse(row.edit, QString::fromUtf8(row.title), BrowseFilter(row)); });
    }
    connect(m_form.Get<QPushButton>(kOk), &QPushButton::clicked, this, &COptionDialog::OnOK);
    connect(m_form.Get<QPushButton>(kCancel), &QPushButton::clicked, this, &QDialog::reject);
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
        m_form.Get<QRadioButton>(kClosePrompt)->setChecked(true);
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
    Control(kCapture)->setEnabled(m_form.Get<QRadioButton>(kClosePrompt)->isChecked());
}

void COptionDialog::Browse(int editId, const QString& title, const QString& filter)
{
    auto* edit = m_form.Get<QLineEdit>(editId);
    FileDialogSpec request;
    request.mode = FileDialogSpec::Mode::Open;
    request.title = title;
    request.filter = filter;
    request.initialFolder = edit->text();
    request.mustExist = true;
    if (const auto chosen = UserDialogs().ChooseFile(this, request))
        edit->setText(*chosen);
}

void COptionDialog::OnOK()
{
    if (!m_model.Save(ReadControls(), this))
        accept();
}
