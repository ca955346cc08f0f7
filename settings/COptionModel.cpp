#include "settings/COptionModel.h"

#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "resources/FormIds.h"
#include "settings/CFileUtil.h"

#include <algorithm>

namespace settings {

namespace {

using namespace resources::OptionsForm;
using S = StoredOptions;

// clang-format off
const OptionRow kOptionRows[] = {
    // key                          member              control              page place       enabled by
    {ini::JavaOption::Option,       &S::javaOption,       JavaOptionCheck,     0, {20, 40}},
    {ini::JavaOption::StrOption,    &S::javaStrOption,    JavaOptionEdit,      0, {30, 60},   JavaOptionCheck},
    {ini::JavaOption::Arg,          &S::javaArg,          JavaArgCheck,        0, {20, 80}},
    {ini::JavaOption::StrArg,       &S::javaStrArg,       JavaArgEdit,         0, {30, 100},  JavaArgCheck},
    {ini::JavaOption::ClassPath,    &S::javaClassPath,    JavaClassPathCheck,  0, {20, 120}},
    {ini::JavaOption::StrClassPath, &S::javaStrClassPath, JavaClassPathEdit,   0, {30, 140},  JavaClassPathCheck},
    {ini::JavaOption::Msg,          &S::javaMsg,          Capture,             0, {30, 210}},
    {ini::JavaOption::ShowDos,      &S::javaShowDos,      KeepPrompt,          0, {20, 170}},
    {ini::JavacOption::O,           &S::javacO,           JavacOptimize,       1, {20, 40}},
    {ini::JavacOption::Nowarn,      &S::javacNowarn,      JavacNowarn,         1, {20, 80}},
    {ini::JavacOption::Deprecation, &S::javacDeprecation, JavacDeprecation,    1, {20, 120}},
    {ini::JavacOption::ClassPath,   &S::javacClassPath,   JavacClassPathCheck, 1, {20, 160}},
    {ini::JavacOption::StrClassPath, &S::javacStrClassPath, JavacClassPathEdit, 1, {30, 180}, JavacClassPathCheck},
    {ini::JavacOption::Other,       &S::javacOther,       JavacOtherCheck,     1, {20, 200}},
    {ini::JavacOption::StrOther,    &S::javacStrOther,    JavacOtherEdit,      1, {30, 220},  JavacOtherCheck},
    {ini::JavahOption::ClassPath,   &S::javahClassPath,   JavahClassPathCheck, 2, {20, 40}},
    {ini::JavahOption::StrClassPath, &S::javahStrClassPath, JavahClassPathEdit, 2, {30, 60},  JavahClassPathCheck},
    // Never shown: the hidden controls carry a hand-written javah option through OK.
    {ini::JavahOption::Option,      &S::javahOption,      JavahOptionCheck},
    {ini::JavahOption::StrOption,   &S::javahStrOption,   JavahOptionEdit,    -1, {},         JavahOptionCheck},
    {ini::JavaRmiOption::ClassPath, &S::rmiClassPath},
    {ini::JavaRmiOption::StrClassPath, &S::rmiStrClassPath},
    {ini::JavaRmiOption::Option,    &S::rmiOption},
    {ini::JavaRmiOption::StrOption, &S::rmiStrOption},
    // The applications' boxes switch nothing in the dialog.
    {ini::AppOption::UseJava,       &S::useJava,          JavaEditorCheck,     3, {20, 40}},
    {ini::AppOption::AppJava,       &S::appJava,          JavaEditorEdit,      3, {30, 60},   0,
     {&S::useJava, "Javaエディター選択..."}},
    {ini::AppOption::UseHTML,       &S::useHtml,          HtmlEditorCheck,     3, {20, 90}},
    {ini::AppOption::AppHTML,       &S::appHtml,          HtmlEditorEdit,      3, {30, 110},  0,
     {&S::useHtml, "HTMLエディター選択..."}},
    {ini::AppOption::UseIE,         &S::useIe,            BrowserCheck,        3, {20, 140}},
    {ini::AppOption::AppIE,         &S::appIe,            BrowserEdit,         3, {30, 160},  0,
     {&S::useIe, "ブラウザ選択..."}},
    {ini::AppOption::UseLink,       &S::useLink,          JavaDocumentCheck,   3, {20, 190}},
    {ini::AppOption::AppLink,       &S::appLink,          JavaDocumentEdit,    3, {30, 210},  0,
     {&S::useLink, "Javaドキュメント選択..."}},
};
// clang-format on

QString ClassPathPart(bool on, const QString& entries)
{
    QString text = QStringLiteral("-classpath .");
    if (on)
        text += platform::ClassPathSeparator() + platform::ToClassPathList(entries);
    return text + QLatin1Char(' ');
}

const OptionRow& RowOf(bool StoredOptions::*member)
{
    return *std::find_if(std::begin(kOptionRows), std::end(kOptionRows),
                         [member](const OptionRow& row) { return row.member == decltype(row.member)(member); });
}

void ReportMissing(const char* label, const QString& path, QObject* owner)
{
    platform::ShowMessage(
        owner, QString::fromUtf8(label) + QStringLiteral("\n\"") + path + QStringLiteral("\"は存在しません。"),
        QStringLiteral("設定エラー"), platform::MsgIcon::Exclamation);
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

std::span<const OptionRow> OptionRows() { return kOptionRows; }

COptionModel::COptionModel() { Load(); }

bool COptionModel::Load()
{
    const StoredOptions defaults;
    for (const OptionRow& row : kOptionRows) {
        if (auto flag = std::get_if<bool StoredOptions::*>(&row.member)) {
            m_stored.*(*flag) = m_settings.GetBool(row.key, defaults.*(*flag));
        } else {
            auto text = std::get<QString StoredOptions::*>(row.member);
            m_stored.*text = m_settings.GetString(row.key, defaults.*text);
        }
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
    QList<SettingValue> values;
    bool error = false;
    for (const OptionRow& row : kOptionRows) {
        if (row.control == 0)
            continue;
        QString text;
        if (auto flag = std::get_if<bool StoredOptions::*>(&row.member)) {
            m_stored.*(*flag) = fromControls.*(*flag);
            text = CSettingFile::BoolText(m_stored.*(*flag));
        } else {
            auto member = std::get<QString StoredOptions::*>(row.member);
            text = m_stored.*member = fromControls.*member;
        }
        if (row.required.switchedBy && m_stored.*row.required.switchedBy && !CFileUtil::FileExists(text)) {
            ReportMissing(row.required.label, text, owner);
            // The switch is stored off; the one in memory stays on.
            values.append({RowOf(row.required.switchedBy).key, CSettingFile::BoolText(false)});
            error = true;
        }
        values.append({row.key, text});
    }
    m_settings.WriteValues(values);
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
