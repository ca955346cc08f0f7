#include "settings/OptionDialog.h"

#include "platform/Paths.h"
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

// Page controls that show no option; the options' own are placed by their rows.
const Placement kCompanions[] = {
    {ClosePrompt, 0, {20, 190}},       {CaptureNote, 0, {40, 230}},          {JavacOptimizeNote, 1, {30, 60}},
    {JavacNowarnNote, 1, {30, 100}},   {JavacDeprecationNote, 1, {30, 140}}, {JavaEditorBrowse, 3, {360, 58}},
    {HtmlEditorBrowse, 3, {360, 108}}, {BrowserBrowse, 3, {360, 158}},       {JavaDocumentBrowse, 3, {360, 208}},
};

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
    // Where programs carry no extension every file is offered.
    const QString suffix = platform::ProgramSuffix();
    return suffix.isEmpty() ? description + QStringLiteral("|*||")
                            : description + QStringLiteral("(*.%1)|*.%1||").arg(suffix);
}

}  // namespace

OptionDialog::OptionDialog(OptionModel& model, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
{
    m_form.Build(this, resources::LoadFormTemplate(resources::OptionsForm::Id));
    m_tab = m_form.Get<QTabWidget>(Tab);
    Layout();
    ConnectHandlers();
}

void OptionDialog::Layout()
{
    for (const char* label : kPageLabels)
        m_tab->addTab(new QWidget, QString::fromUtf8(label));
    setFixedSize(kWindowSize);
    m_tab->setGeometry(QRect(QPoint(0, 0), kWindowSize).adjusted(7, 7, -14, -34));
    const int buttonTop = m_tab->y() + m_tab->height() + 7;
    for (const auto& [id, x] : {std::pair{Ok, 10}, std::pair{Cancel, 100}})
        Control(id)->move(x, buttonTop);
    auto place = [this](int id, int page, QPoint position) {
        QWidget* control = Control(id);
        control->move(position);
        control->raise();
        if (page != 0)
            control->hide();
        m_pageControls.append({control, page});
    };
    for (const OptionRow& row : OptionRows()) {
        if (row.page >= 0)
            place(row.control, row.page, row.place);
    }
    for (const Placement& companion : kCompanions)
        place(companion.id, companion.page, companion.position);
}

void OptionDialog::ConnectHandlers()
{
    for (const OptionRow& row : OptionRows()) {
        if (row.enabledBy == 0)
            continue;
        auto* check = m_form.Get<QCheckBox>(row.enabledBy);
        QWidget* edit = Control(row.control);
        connect(check, &QCheckBox::clicked, edit, [check, edit] { edit->setEnabled(check->isChecked()); });
    }
    for (int id : {KeepPrompt, ClosePrompt})
        connect(m_form.Get<QRadioButton>(id), &QRadioButton::clicked, this, &OptionDialog::ApplyCaptureRule);
    connect(m_tab, &QTabWidget::currentChanged, this, &OptionDialog::ShowPage);
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
    connect(m_form.Get<QPushButton>(Ok), &QPushButton::clicked, this, &OptionDialog::SaveAndClose);
    connect(m_form.Get<QPushButton>(Cancel), &QPushButton::clicked, this, &QDialog::reject);
}

void OptionDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        m_tab->setCurrentIndex(0);
        ShowPage(0);
        FillControls();
    }
    QDialog::showEvent(event);
}

void OptionDialog::ShowPage(int index)
{
    if (index < 0)
        return;
    for (const PageControl& c : m_pageControls)
        c.control->hide();
    for (const PageControl& c : m_pageControls) {
        if (c.page == index)
            c.control->show();
    }
}

void OptionDialog::FillControls()
{
    m_model.Load();
    const StoredOptions& stored = m_model.Stored();
    for (const OptionRow& row : OptionRows()) {
        if (row.control == 0)
            continue;
        if (auto flag = std::get_if<bool StoredOptions::*>(&row.member))
            m_form.Get<QAbstractButton>(row.control)->setChecked(stored.*(*flag));
        else
            m_form.Get<QLineEdit>(row.control)->setText(stored.*std::get<QString StoredOptions::*>(row.member));
    }
    if (!stored.javaShowDos)  // a radio button is unchecked by checking its partner
        m_form.Get<QRadioButton>(ClosePrompt)->setChecked(true);
    for (const OptionRow& row : OptionRows()) {
        if (row.enabledBy != 0)
            Control(row.control)->setEnabled(m_form.Get<QCheckBox>(row.enabledBy)->isChecked());
    }
    ApplyCaptureRule();
}

StoredOptions OptionDialog::ReadControls() const
{
    StoredOptions values = m_model.Stored();
    for (const OptionRow& row : OptionRows()) {
        if (row.control == 0)
            continue;
        if (auto flag = std::get_if<bool StoredOptions::*>(&row.member))
            values.*(*flag) = m_form.Get<QAbstractButton>(row.control)->isChecked();
        else
            values.*std::get<QString StoredOptions::*>(row.member) = m_form.Get<QLineEdit>(row.control)->text();
    }
    return values;
}

void OptionDialog::ApplyCaptureRule()
{
    Control(Capture)->setEnabled(m_form.Get<QRadioButton>(ClosePrompt)->isChecked());
}

void OptionDialog::Browse(int editId, const QString& title, const QString& filter)
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

void OptionDialog::SaveAndClose()
{
    if (!m_model.Save(ReadControls(), this))
        accept();
}

}  // namespace settings
