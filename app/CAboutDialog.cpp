#include "app/CAboutDialog.h"

#include "platform/JdkLocator.h"
#include "platform/gui/Desktop.h"
#include "resources/FormIds.h"

#include <QLineEdit>
#include <QPushButton>

namespace app {

namespace {

const char* const kHomePage = TARNWICK_HOME_PAGE;

void SetLine(const resources::CForm& form, int id, const QString& text)
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
    m_form.Build(this, resources::LoadFormTemplate(resources::AboutForm::Id));
    setFixedSize(m_form.ClientSize());
    SetLine(m_form, resources::AboutForm::VersionEdit, resources::LoadResourceString(57666));
    SetLine(m_form, resources::AboutForm::CopyrightEdit, resources::LoadResourceString(57667));
    SetLine(m_form, resources::AboutForm::JdkVersionEdit, JdkVersionLine());
    if (auto* ok = m_form.Get<QPushButton>(resources::AboutForm::Ok)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setFocus();
    }
    if (auto* update = m_form.Get<QPushButton>(resources::AboutForm::Update)) {
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

}  // namespace app
