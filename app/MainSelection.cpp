// The current Java file and the JDK folder of the main window: choosing,
// dropping, the command line, detection and the enabling of commands.
#include "app/CFileCollector.h"
#include "app/CMainDialog.h"
#include "app/CommandStates.h"
#include "platform/JdkLocator.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "platform/gui/Desktop.h"
#include "settings/CPathParts.h"
#include "settings/CSettingFile.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

namespace {

constexpr int kFolderEdit = 1139;
constexpr int kFileEdit = 1101;
constexpr int kJdkEdit = 1102;

QString JavaTool() { return platform::ToolFileName(QStringLiteral("java.exe")); }

QString JdkQuestion()
{
#ifdef Q_OS_WIN
    const QString example = QStringLiteral("c:\\jdk1.3\\bin");
#else
    const QString example = QStringLiteral("/usr/lib/jvm/java-17-openjdk-amd64/bin");
#endif
    return QLatin1Char('"') + JavaTool() + QStringLiteral("\"のあるフォルダを選択して下さい。\n例 \"") + example
           + QLatin1Char('"');
}

}  // namespace

void CMainDialog::ChooseJavaFile()
{
    const CSettingFile settings;
    FileDialogSpec request;
    request.mode = FileDialogSpec::Mode::Open;
    request.title = QStringLiteral("Javaファイルを開く");
    request.filter = QStringLiteral("Java ソースファイル(*.java)|*.java|"
                                    "Java クラスファイル(*.class)|*.class|"
                                    "Java Archive ファイル(*.jar)|*.jar|"
                                    "Java ファイル(*.java;*.class;*.jar)|*.java;*.class;*.jar|"
                                    "|");
    request.defaultSuffix = QStringLiteral("java");
    request.initialFolder = settings.GetString(QStringLiteral("JavaFile"), QStringLiteral("Path"), {});
    request.proposedName = settings.GetString(QStringLiteral("JavaFile"), QStringLiteral("FileName"), {});
    request.mustExist = true;
    if (const auto chosen = UserDialogs().ChooseFile(this, request))
        SetCurrentFile(*chosen);
}

void CMainDialog::SetCurrentFile(const QString& path)
{
    CPathParts parts;
    parts.Split(path);
    m_file.fileName = parts.GetFileName();
    m_file.title = parts.GetFileTitle();
    m_file.extension = parts.GetFileExt().toLower();
    m_file.folder = parts.GetDirectory();
    if (!m_file.folder.isEmpty())
        QDir::setCurrent(m_file.folder);
    SetControlText(kFileEdit, m_file.fileName);
    SetControlText(kFolderEdit, m_file.folder);
    setWindowTitle(m_file.fileName + QStringLiteral(" - ") + LoadResourceString(57666));
    CSettingFile settings;
    settings.WriteString(QStringLiteral("JavaFile"), QStringLiteral("FileName"), m_file.fileName);
    settings.WriteString(QStringLiteral("JavaFile"), QStringLiteral("Path"), m_file.folder);
    UpdateCommandStates();
}

void CMainDialog::UpdateCommandStates()
{
    const bool jdkUsable = !m_jdkFolder.isEmpty() && CFileUtil::FileExists(m_jdkFolder + JavaTool());
    const bool usable = jdkUsable && !m_file.fileName.isEmpty();
    const CommandStates states = ComputeCommandStates(usable, m_file.extension);
    for (int id : states.enabledButtons)
        if (QWidget* button = Control(id))
            button->setEnabled(true);
    for (int id : states.disabledButtons)
        if (QWidget* button = Control(id))
            button->setEnabled(false);
    for (int id : states.enabledItems)
        if (QAction* item = CommandAction(id))
            item->setEnabled(true);
    for (int id : states.greyedItems)
        if (QAction* item = CommandAction(id))
            item->setEnabled(false);
    if (usable || jdkUsable)
        return;
    QString found = m_jdkFolder;
    if (DetectJdk(found)) {
        m_jdkFolder = found;
        SetControlText(kJdkEdit, m_jdkFolder);
        CSettingFile().WriteString(QStringLiteral("JDK"), QStringLiteral("Path"),
                                   platform::WithoutTrailingSeparator(m_jdkFolder));
        UpdateCommandStates();
        return;
    }
    const MsgAnswer answer =
        UserDialogs().Message(this, JdkQuestion(), QStringLiteral("JDK選択"), MsgIcon::Information, MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes)
        ChooseJdkFolder();
}

void CMainDialog::ChooseJdkFolder()
{
    QString chosen;
    if (!m_fileUtil.BrowseForFolder(this, chosen, m_jdkFolder))
        return;
    m_jdkFolder = chosen;
    SetControlText(kJdkEdit, chosen);
    QString stored = chosen;
    if (!chosen.endsWith(platform::kSeparator))
        m_jdkFolder += platform::kSeparator;
    else
        stored = platform::WithoutTrailingSeparator(chosen);
    CSettingFile().WriteString(QStringLiteral("JDK"), QStringLiteral("Path"), stored);
    UpdateCommandStates();
}

bool CMainDialog::DetectJdk(QString& folder) const
{
    const auto found = platform::FindJdk();
    if (!found || !CFileUtil::FileExists(*found + JavaTool()))
        return false;
    folder = *found;
    return true;
}

void CMainDialog::ProcessCommandLine(const QStringList& names)
{
    if (names.isEmpty())
        return;
    CFileCollector collector(CFileCollector::Collect::FirstOnly);
    collector.AddNames(names);
    if (collector.Count() > 0)
        SetCurrentFile(collector.First());
}

void CMainDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainDialog::dropEvent(QDropEvent* event)
{
    OnDropFiles(platform::DroppedLocalPaths(event->mimeData()));
    event->acceptProposedAction();
}

void CMainDialog::OnDropFiles(const QStringList& paths)
{
    CFileCollector collector(CFileCollector::Collect::FirstOnly);
    collector.AddDropped(paths);
    if (collector.Count() > 0)
        SetCurrentFile(collector.First());
}
