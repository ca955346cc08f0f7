#include "dialogs/HtmlDialog.h"

#include "dialogs/FormControls.h"
#include "generators/GeneratedFile.h"
#include "platform/Captions.h"
#include "platform/UserDialogs.h"
#include "resources/FormIds.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <tuple>

namespace dialogs {

namespace {

using namespace resources::HtmlForm;

constexpr int kMinParamColumnWidth = 70;
// An applet's width and height in pixels: wider than any screen is a typo.
constexpr int kMinSize = 1;
constexpr int kMaxSize = 10000;

void Warn(QObject* owner, const QString& text)
{
    platform::ShowMessage(owner, text, platform::kQuestionCaption, platform::MsgIcon::Exclamation);
}

QString EditText(const resources::Form& form, int id) { return form.Get<QLineEdit>(id)->text(); }

void SetEditText(const resources::Form& form, int id, const QString& text) { form.Get<QLineEdit>(id)->setText(text); }

}  // namespace

HtmlDialog::HtmlDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_form.Build(this, resources::LoadFormTemplate(resources::HtmlForm::Id));
    setFixedSize(m_form.ClientSize());
    for (int id : {WidthEdit, HeightEdit})
        m_form.Get<QLineEdit>(id)->setValidator(new QIntValidator(kMinSize, kMaxSize, this));
    QTreeWidget* list = ParamList();
    list->setColumnCount(2);
    list->setHeaderLabels({QStringLiteral("引数名"), QStringLiteral("値")});
    list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->header()->setStretchLastSection(false);
    // Columns as wide as their longest text, so nothing is cut; the list scrolls sideways.
    list->header()->setMinimumSectionSize(kMinParamColumnWidth);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);

    ConnectClick(m_form, ParamCheck, this, &HtmlDialog::OnParamBox);
    ConnectClick(m_form, AddParam, this, &HtmlDialog::OnAddParam);
    ConnectClick(m_form, DeleteParam, this, &HtmlDialog::OnDeleteParam);
    ConnectClick(m_form, Generate, this, &HtmlDialog::OnGenerate);
    ConnectClick(m_form, Close, this, &QDialog::reject);
    ShowValues();
    OnParamBox();
}

QTreeWidget* HtmlDialog::ParamList() const { return m_form.Get<QTreeWidget>(ParamBox); }

void HtmlDialog::SetPageDefaults(const QString& name, const QString& folder, const QString& title, int width,
                                 int height)
{
    m_pageName = name;
    m_appletClass = name;
    m_folder = folder;
    m_title = title;
    m_width = width;
    m_height = height;
    ShowValues();
}

void HtmlDialog::SetAppletClass(const QString& className, const QString& codeBase)
{
    m_appletClass = className;
    m_codeBase = codeBase;
}

void HtmlDialog::ShowValues()
{
    SetEditText(m_form, TitleEdit, m_title);
    SetEditText(m_form, WidthEdit, QString::number(m_width));
    SetEditText(m_form, HeightEdit, QString::number(m_height));
    SetEditText(m_form, PageNameEdit, m_pageName);
}

bool HtmlDialog::ReadValues()
{
    m_title = EditText(m_form, TitleEdit);
    const std::tuple<int, int*, const char16_t*> sizes[] = {{WidthEdit, &m_width, u"横幅"},
                                                            {HeightEdit, &m_height, u"高さ"}};
    for (const auto& [id, value, label] : sizes) {
        auto* edit = m_form.Get<QLineEdit>(id);
        bool whole = false;
        const int number = edit->text().toInt(&whole);
        // The validator admits partial input such as "" or "0" while typing.
        if (!whole || number < kMinSize || number > kMaxSize) {
            Warn(this, QStringLiteral("%1には %2 から %3 までの整数を入力してください。")
                           .arg(QStringView(label))
                           .arg(kMinSize)
                           .arg(kMaxSize));
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        *value = number;
    }
    m_pageName = EditText(m_form, PageNameEdit);
    return true;
}

void HtmlDialog::OnParamBox()
{
    EnableControls(m_form, {ParamBox, NameLabel, ValueLabel, NameEdit, ValueEdit, AddParam, DeleteParam},
                   IsTicked(m_form, ParamCheck));
}

void HtmlDialog::OnAddParam()
{
    const QString name = EditText(m_form, NameEdit);
    const QString value = EditText(m_form, ValueEdit);
    if (name.isEmpty() || value.isEmpty()) {
        Warn(this, QStringLiteral("空白の文字列は使用できません。"));
        return;
    }
    QTreeWidget* list = ParamList();
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->text(0) == name) {
            Warn(this, QStringLiteral("同じ引数名は使用できません。"));
            return;
        }
    }
    list->addTopLevelItem(new QTreeWidgetItem({name, value}));
}

void HtmlDialog::OnDeleteParam()
{
    QTreeWidget* list = ParamList();
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.first();
    list->clearSelection();
    list->setCurrentItem(nullptr);
}

gen::HtmlChoices HtmlDialog::Choices() const
{
    gen::HtmlChoices c;
    c.pageName = m_pageName;
    c.title = m_title;
    c.appletClass = m_appletClass;
    c.codeBase = m_codeBase;
    c.width = m_width;
    c.height = m_height;
    c.upperCase = IsTicked(m_form, UpperCase);
    if (IsTicked(m_form, ParamCheck)) {
        const QTreeWidget* list = ParamList();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            c.params.append({item->text(0), item->text(1)});
        }
    }
    return c;
}

void HtmlDialog::OnGenerate()
{
    if (!ReadValues())
        return;
    if (m_pageName.isEmpty()) {
        Warn(this, QStringLiteral("ファイル名を入力して下さい"));
        reject();
        return;
    }
    const QString path = m_folder + m_pageName + QStringLiteral(".html");
    const QString text = gen::GenerateHtmlPage(Choices());
    if (!gen::SaveGeneratedFile(this, path, text, QFileInfo(path).fileName()))
        return;
    accept();
}

}  // namespace dialogs
