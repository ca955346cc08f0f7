#include "app/AboutDialog.h"

#include "platform/JdkLocator.h"
#include "platform/gui/Desktop.h"
#include "resources/FormIds.h"
#include "resources/StringIds.h"

#include <QLineEdit>
#include <QPushButton>

namespace app {

namespace {

const char* const kHomePage = TARNWICK_HOME_PAGE;

void SetLine(const resources::Form& form, int id, const QString& text)
{
    if (auto* edit = form.Get<QLineEdit>(id)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
}

}  // namespace

AboutDialog::AboutDialog(const QString& jdkFolder, QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_form.Build(this, resources::LoadFormTemplate(resources::AboutForm::Id));
    setFixedSize(m_form.ClientSize());
    SetLine(m_form, resources::AboutForm::VersionEdit, resources::LoadResourceString(resources::StringId::VersionLine));
    SetLine(m_form, resources::AboutForm::CopyrightEdit,
            resources::LoadResourceString(resources::StringId::CopyrightLine));
    SetLine(m_form, resources::AboutForm::JdkVersionEdit, JdkVersionLine(jdkFolder));
    if (auto* ok = m_form.Get<QPushButton>(resources::AboutForm::Ok)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setFocus();
    }
    if (auto* update = m_form.Get<QPushButton>(resources::AboutForm::Update)) {
        const bool known = !QLatin1String(kHomePage).isEmpty();
        update->setEnabled(known);
        update->setToolTip(known ? QString()
                                 : QStringLiteral("最新版の入手先が設定されていないため使えません。"
                                                  "入手先はビルドの設定 TARNWICK_HOME_PAGE で決まります。"));
        connect(update, &QPushButton::clicked, this, &AboutDialog::OpenHomePage);
    }
}

QString AboutDialog::JdkVersionLine(const QString& jdkFolder)
{
    std::optional<QString> version;
    if (platform::HoldsJava(jdkFolder))
        version = platform::ReadJdkVersion(jdkFolder);
    return QStringLiteral("JDK Version... ") + version.value_or(QStringLiteral("Not Installed"));
}

void AboutDialog::OpenHomePage() { platform::OpenAddress(QString::fromUtf8(kHomePage)); }

}  // namespace app
