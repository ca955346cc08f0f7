#include "settings/OptionModel.h"

#include "platform/Captions.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "settings/FileUtil.h"

#include <algorithm>

namespace settings {

namespace {

QString ClassPathPart(bool on, const QString& entries)
{
    QString text = QStringLiteral("-classpath .");
    if (on)
        text += platform::ClassPathSeparator() + platform::ToClassPathList(entries);
    return text + QLatin1Char(' ');
}

const OptionRow& RowOf(bool StoredOptions::*member)
{
    return *std::ranges::find_if(OptionRows(),
                                 [member](const OptionRow& row) { return row.member == decltype(row.member)(member); });
}

void ReportMissing(const char* label, const QString& path, QObject* owner)
{
    platform::ShowMessage(
        owner, QString::fromUtf8(label) + QStringLiteral("\n\"") + path + QStringLiteral("\"は存在しません。"),
        platform::kSettingsErrorCaption, platform::MsgIcon::Exclamation);
}

QString FreeText(bool on, const QString& text) { return on ? text + QLatin1Char(' ') : QString(); }

std::optional<QString> SwitchedOnApp(bool use, const QString& path)
{
    if (!use || !FileUtil::FileExists(path))
        return std::nullopt;
    return path;
}

}  // namespace

OptionModel::OptionModel() { Load(); }

bool OptionModel::Load()
{
    const StoredOptions defaults;
    for (const OptionRow& row : OptionRows()) {
        if (auto flag = std::get_if<bool StoredOptions::*>(&row.member)) {
            m_stored.*(*flag) = m_settings.ReadBool(row.key, defaults.*(*flag));
        } else {
            auto text = std::get<QString StoredOptions::*>(row.member);
            m_stored.*text = m_settings.ReadString(row.key, defaults.*text);
        }
    }
    BuildOptionStrings();
    return true;
}

void OptionModel::BuildOptionStrings()
{
    const StoredOptions& s = m_stored;
    m_javaOptions = ClassPathPart(s.javaClassPath, s.javaStrClassPath) + FreeText(s.javaOption, s.javaStrOption);
    m_javaArgs = s.javaArg ? s.javaStrArg : QString();
    m_javacOptions =
        ClassPathPart(s.javacClassPath, s.javacStrClassPath) + (s.javacO ? QStringLiteral("-O ") : QString())
        + (s.javacNowarn ? QStringLiteral("-nowarn ") : QString())
        + (s.javacDeprecation ? QStringLiteral("-deprecation ") : QString()) + FreeText(s.javacOther, s.javacStrOther);
    m_javahOptions = ClassPathPart(s.javahClassPath, s.javahStrClassPath) + FreeText(s.javahOption, s.javahStrOption);
    m_rmicOptions = ClassPathPart(s.rmiClassPath, s.rmiStrClassPath) + FreeText(s.rmiOption, s.rmiStrOption);
}

bool OptionModel::Save(const StoredOptions& fromControls, QObject* owner)
{
    QList<SettingValue> values;
    bool error = false;
    for (const OptionRow& row : OptionRows()) {
        if (row.control == 0)
            continue;
        QString text;
        if (auto flag = std::get_if<bool StoredOptions::*>(&row.member)) {
            m_stored.*(*flag) = fromControls.*(*flag);
            text = SettingFile::BoolText(m_stored.*(*flag));
        } else {
            auto member = std::get<QString StoredOptions::*>(row.member);
            text = m_stored.*member = fromControls.*member;
        }
        if (row.required.switchedBy && m_stored.*row.required.switchedBy && !FileUtil::FileExists(text)) {
            ReportMissing(row.required.label, text, owner);
            // The switch is stored off; the one in memory stays on.
            values.append({RowOf(row.required.switchedBy).key, SettingFile::BoolText(false)});
            error = true;
        }
        values.append({row.key, text});
    }
    m_settings.WriteValues(values);
    BuildOptionStrings();
    return error;
}

std::optional<QString> OptionModel::JavaEditor() const { return SwitchedOnApp(m_stored.useJava, m_stored.appJava); }
std::optional<QString> OptionModel::HtmlEditor() const { return SwitchedOnApp(m_stored.useHtml, m_stored.appHtml); }
std::optional<QString> OptionModel::AppletBrowser() const { return SwitchedOnApp(m_stored.useIe, m_stored.appIe); }
std::optional<QString> OptionModel::JavaDocument() const { return SwitchedOnApp(m_stored.useLink, m_stored.appLink); }

}  // namespace settings
