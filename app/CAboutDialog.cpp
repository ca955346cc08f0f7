#include "app/CAboutDialog.h"

#include "platform/JdkLocator.h"
#include "platform/gui/Desktop.h"
#include "resources/FormIds.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const kHomePage = TARNWICK_HOME_PAGE;

void SetLine(const CForm& form, int id, const QString& text)
{
    if (auto* edit = form.Get<QLineEdit>(id)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
}

}  // namespace

CAboutDialog::CAboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_form.Build(this, LoadFormTemplate(AboutForm::Id));
    setFixedSize(m_form.ClientSize());
    SetLine(m_form, AboutForm::VersionEdit, LoadResourceString(57666));
    SetLine(m_form, AboutForm::CopyrightEdit, LoadResourceString(57667));
    SetLine(m_form, AboutForm::JdkVersionEdit, JdkVersionLine());
    if (auto* ok = m_form.Get<QPushButton>(AboutForm::Ok)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setFocus();
    }
    if (auto* update = m_form.Get<QPushButton>(AboutForm::Update)) {
        update->setEnabled(!QLatin1String(kHomePage).isEmpty());
        connect(update, &QPushButton::clicked, this, &CAboutDialog::OnUpdate);
    }
}

QString CAboutDialog::JdkVersionLine()
{
    std::optional<QString> version;
    if (const auto jdk = platform::FindJdk())
        version = platform::ReadJdkVersion(*jdk);
    return QStringLiteral("JDK Version... ") + version.value_or(QStringLiteral("Not Installed"));
}

void CAboutDialog::OnUpdate() { platform::OpenAddress(QString::fromUtf8(kHomePage)); }
