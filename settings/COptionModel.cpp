#include "settings/COptionModel.h"

#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "settings/CFileUtil.h"

#include <variant>

namespace settings {

namespace {

using Member = std::variant<bool StoredOptions::*, QString StoredOptions::*>;

struct OptionKey {
    const char* section;
    const char* key;
    Member member;
    bool on = false;  // a switch the file does not name yet
};

// Every stored option in load and save order.
const OptionKey kOptionKeys[] = {
    {"JavaOption", "Option", &StoredOptions::javaOption},
    {"JavaOption", "StrOption", &StoredOptions::javaStrOption},
    {"JavaOption", "Arg", &StoredOptions::javaArg},
    {"JavaOption", "StrArg", &StoredOptions::javaStrArg},
    {"JavaOption", "ClassPath", &StoredOptions::javaClassPath},
    {"JavaOption", "StrClassPath", &StoredOptions::javaStrClassPath},
    // The output window takes keyboard input, so a new user's first run
    // shows its output there.
    {"JavaOption", "Msg", &StoredOptions::javaMsg, true},
    {"JavaOption", "ShowDos", &StoredOptions::javaShowDos},
    {"JavacOption", "O", &StoredOptions::javacO},
    {"JavacOption", "Nowarn", &StoredOptions::javacNowarn},
    {"JavacOption", "Deprecation", &StoredOptions::javacDeprecation},
    {"JavacOption", "ClassPath", &StoredOptions::javacClassPath},
    {"JavacOption", "StrClassPath", &StoredOptions::javacStrClassPath},
    {"JavacOption", "Other", &StoredOptions::javacOther},
    {"JavacOption", "StrOther", &StoredOptions::javacStrOther},
    {"JavahOption", "ClassPath", &StoredOptions::javahClassPath},
    {"JavahOption", "StrClassPath", &StoredOptions::javahStrClassPath},
    {"JavahOption", "Option", &StoredOptions::javahOption},
    {"JavahOption", "StrOption", &StoredOptions::javahStrOption},
    {"JavaRmiOption", "ClassPath", &StoredOptions::rmiClassPath},
    {"JavaRmiOption", "StrClassPath", &StoredOptions::rmiStrClassPath},
    {"JavaRmiOption", "Option", &StoredOptions::rmiOption},
    {"JavaRmiOption", "StrOption", &StoredOptions::rmiStrOption},
    {"AppOption", "UseJava", &StoredOptions::useJava},
    {"AppOption", "AppJava", &StoredOptions::appJava},
    {"AppOption", "UseHTML", &StoredOptions::useHtml},
    {"AppOption", "AppHTML", &StoredOptions::appHtml},
    {"AppOption", "UseIE", &StoredOptions::useIe},
    {"AppOption", "AppIE", &StoredOptions::appIe},
    {"AppOption", "UseLink", &StoredOptions::useLink},
    {"AppOption", "AppLink", &StoredOptions::appLink},
};

struct AppPair {
    const char* useKey;
    const char* pathKey;
    bool StoredOptions::*use;
    QString StoredOptions::*path;
    const char* label;
};

const AppPair kAppPairs[] = {
    {"UseJava", "AppJava", &StoredOptions::useJava, &StoredOptions::appJava, "Javaエディター選択..."},
    {"UseHTML", "AppHTML", &StoredOptions::useHtml, &StoredOptions::appHtml, "HTMLエディター選択..."},
    {"UseIE", "AppIE", &StoredOptions::useIe, &StoredOptions::appIe, "ブラウザ選択..."},
    {"UseLink", "AppLink", &StoredOptions::useLink, &StoredOptions::appLink, "Javaドキュメント選択..."},
};

QString ClassPathPart(bool on, const QString& entries)
{
    QString text = QStringLiteral("-classpath .");
    if (on)
        text += platform::ClassPathSeparator() + platform::ToClassPathList(entries);
    return text + QLatin1Char(' ');
}

QString FreeText(bool on, const QString& text) { return on ? text + QLatin1Char(' ') : QString(); }

bool AppGetter(bool use, const QString& path, QString& output)
{
    if (!use || !CFileUtil::FileExists(path))
        return false;
    output = path;
    return true;
}

}  // namespace

COptionModel::COptionModel() { Load(); }

bool COptionModel::Load()
{
    for (const OptionKey& option : kOptionKeys) {
        const QString section = QString::fromUtf8(option.section);
        const QString key = QString::fromUtf8(option.key);
        if (auto flag = std::get_if<bool StoredOptions::*>(&option.member))
            m_stored.*(*flag) = m_settings.GetBool(section, key, option.on);
        else
            m_stored.*std::get<QString StoredOptions::*>(option.member) = m_settings.GetString(section, key, {});
    }
    BuildOptionStrings();
    return true;
}

void COptionModel::BuildOptionStrings()
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

bool COptionModel::Save(const StoredOptions& fromControls, QObject* owner)
{
    for (const OptionKey& option : kOptionKeys) {
        const QString section = QString::fromUtf8(option.section);
        if (section == QLatin1String("JavaRmiOption") || section == QLatin1String("AppOption"))
            continue;
        const QString key = QString::fromUtf8(option.key);
        if (auto flag = std::get_if<bool StoredOptions::*>(&option.member)) {
            m_stored.*(*flag) = fromControls.*(*flag);
            m_settings.WriteBool(section, key, m_stored.*(*flag));
        } else {
            auto text = std::get<QString StoredOptions::*>(option.member);
            m_stored.*text = fromControls.*text;
            m_settings.WriteString(section, key, m_stored.*text);
        }
    }
    bool error = false;
    const QString appSection = QStringLiteral("AppOption");
    for (const AppPair& pair : kAppPairs) {
        m_stored.*pair.use = fromControls.*pair.use;
        m_settings.WriteBool(appSection, QString::fromUtf8(pair.useKey), m_stored.*pair.use);
        m_stored.*pair.path = fromControls.*pair.path;
        const QString& path = m_stored.*pair.path;
        if (m_stored.*pair.use && !CFileUtil::FileExists(path)) {
            platform::ShowMessage(owner,
                                  QString::fromUtf8(pair.label) + QStringLiteral("\n\"") + path
                                      + QStringLiteral("\"は存在しません。"),
                                  QStringLiteral("設定エラー"), platform::MsgIcon::Exclamation);
            m_settings.WriteBool(appSection, QString::fromUtf8(pair.useKey), false);
            error = true;
        }
        m_settings.WriteString(appSection, QString::fromUtf8(pair.pathKey), path);
    }
    BuildOptionStrings();
    return error;
}

bool COptionModel::GetJavaEditor(QString& output) const
{
    return AppGetter(m_stored.useJava, m_stored.appJava, output);
}
bool COptionModel::GetHtmlEditor(QString& output) const
{
    return AppGetter(m_stored.useHtml, m_stored.appHtml, output);
}
bool COptionModel::GetAppletBrowser(QString& output) const { return AppGetter(m_stored.useIe, m_stored.appIe, output); }
bool COptionModel::GetJavaDocument(QString& output) const
{
    return AppGetter(m_stored.useLink, m_stored.appLink, output);
}

}  // namespace settings
