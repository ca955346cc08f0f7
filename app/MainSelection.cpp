// The current Java file and the JDK folder of the main window: choosing,
// dropping, the command line, detection and the enabling of commands.
#include "app/CommandTable.h"
#include "app/FileCollector.h"
#include "app/MainDialog.h"
#include "commands/ToolCommands.h"
#include "platform/JdkLocator.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "platform/gui/Desktop.h"
#include "resources/FormIds.h"
#include "resources/StringIds.h"
#include "settings/PathParts.h"
#include "settings/SettingFile.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

namespace app {

namespace {

QString JavaTool() { return platform::ToolFileName(QStringLiteral("java.exe")); }
QString JavacTool() { return platform::ToolFileName(QStringLiteral("javac.exe")); }

const QString kJdkCaption = QStringLiteral("JDK選択");

// Asked when no JDK was found: what was looked for and where, how to install
// one, then the classic request for the folder.
QString JdkQuestion(const QString& stored)
{
    const QString example = platform::ExampleJdkToolFolder();
    QStringList lines;
    if (!stored.isEmpty())
        lines << QStringLiteral("JDKフォルダ %1 に %2 がありません。").arg(stored, JavaTool());
    lines << QStringLiteral("JDK が見つかりませんでした。探した場所: %1")
                 .arg(platform::DescribeJdkSearch().join(QStringLiteral("、")));
    const QString install = platform::JdkInstallCommand();
    lines << (install.isEmpty() ? QStringLiteral("JDK をインストールしてください。")
                                : QStringLiteral("JDK はコマンド %1 でインストールできます。").arg(install));
    return lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n\"") + JavaTool()
           + QStringLiteral("\"のあるフォルダを選択して下さい。\n例 \"") + example + QLatin1Char('"');
}

// Why the commands are grey while there is no usable JDK.
QString NoJdkReason()
{
    return QStringLiteral("JDK がないため使えません。「JDK選択」(Ctrl+D) で JDK のフォルダを選択してください。");
}

}  // namespace

void MainDialog::ChooseJavaFile()
{
    const settings::SettingFile settings;
    platform::FileDialogSpec request;
    request.mode = platform::FileDialogSpec::Mode::Open;
    request.title = QStringLiteral("Javaファイルを開く");
    request.filter = QStringLiteral("Java ソースファイル(*.java)|*.java|"
                                    "Java クラスファイル(*.class)|*.class|"
                                    "Java Archive ファイル(*.jar)|*.jar|"
                                    "Java ファイル(*.java;*.class;*.jar)|*.java;*.class;*.jar|"
                                    "|");
    request.defaultSuffix = QStringLiteral("java");
    request.initialFolder = settings.ReadString(settings::ini::JavaFile::Path, {});
    request.proposedName = settings.ReadString(settings::ini::JavaFile::FileName, {});
    request.mustExist = true;
    if (const auto chosen = platform::UserDialogs().ChooseFile(this, request))
        SetCurrentFile(*chosen);
}

void MainDialog::SetCurrentFile(const QString& path)
{
    settings::PathParts parts;
    parts.Split(path);
    m_file.fileName = parts.FileName();
    m_file.title = parts.FileTitle();
    m_file.extension = parts.FileExt().toLower();
    m_file.folder = parts.Directory();
    if (!m_file.folder.isEmpty())
        QDir::setCurrent(m_file.folder);
    SetControlText(resources::MainForm::FileEdit, m_file.fileName);
    SetControlText(resources::MainForm::FolderEdit, m_file.folder);
    setWindowTitle(m_file.fileName + QStringLiteral(" - ")
                   + resources::LoadResourceString(resources::StringId::VersionLine));
    settings::SettingFile().WriteValues(
        {{settings::ini::JavaFile::FileName, m_file.fileName}, {settings::ini::JavaFile::Path, m_file.folder}});
    UpdateCommandStates();
}

void MainDialog::UpdateCommandStates()
{
    m_tools->WarmCompiler();  // for a new JDK or folder
    const bool jdkUsable = !m_jdkFolder.isEmpty() && settings::FileUtil::FileExists(m_jdkFolder + JavaTool());
    const bool usable = jdkUsable && !m_file.fileName.isEmpty();
    const QString reason = jdkUsable ? QString() : NoJdkReason();
    ApplyCommandRules([&](CommandRule rule) { return FileRuleState(rule, usable, m_file.extension); }, reason);
    if (auto* edit = qobject_cast<QLineEdit*>(Control(resources::MainForm::JdkEdit))) {
        edit->setToolTip(reason);
        edit->setPlaceholderText(jdkUsable ? QString() : QStringLiteral("JDK が見つかりません"));
    }
    if (usable || jdkUsable)
        return;
    if (const auto found = DetectJdk()) {
        m_jdkFolder = *found;
        SetControlText(resources::MainForm::JdkEdit, m_jdkFolder);
        settings::SettingFile().WriteString(settings::ini::JDK::Path, platform::WithoutTrailingSeparator(m_jdkFolder));
        UpdateCommandStates();
        return;
    }
    const platform::MsgAnswer answer = platform::UserDialogs().Message(
        this, JdkQuestion(m_jdkFolder), kJdkCaption, platform::MsgIcon::Information, platform::MsgButtons::YesNo);
    if (answer == platform::MsgAnswer::Yes)
        ChooseJdkFolder();
}

// A JDK's home stands for its bin; a folder without the tools is refused
// with a message, a runtime without javac is taken with one.
void MainDialog::ChooseJdkFolder()
{
    const auto chosenFolder = m_fileUtil.BrowseForFolder(this, m_jdkFolder);
    if (!chosenFolder)
        return;
    const QString& picked = *chosenFolder;
    const platform::JdkFolderCheck check = platform::CheckJdkFolder(picked);
    if (check.kind == platform::JdkFolderCheck::Kind::NoTools) {
        platform::ShowMessage(
            this,
            QStringLiteral("フォルダ %1 には JDK のツール（%2、%3）がありません。\n"
                           "JDK のフォルダ（bin を含むフォルダ）か、その bin フォルダを選択してください。")
                .arg(picked, JavaTool(), JavacTool()),
            kJdkCaption, platform::MsgIcon::Exclamation);
        return;
    }
    if (check.kind == platform::JdkFolderCheck::Kind::RuntimeOnly)
        platform::ShowMessage(this,
                              QStringLiteral("フォルダ %1 には %2 はありますが %3 がありません。"
                                             "Java の実行環境（JRE）だけで、コンパイルはできません。\n"
                                             "コンパイルするには JDK を選択してください。")
                                  .arg(check.toolFolder, JavaTool(), JavacTool()),
                              kJdkCaption, platform::MsgIcon::Exclamation);
    const QString chosen = check.toolFolder;
    m_jdkFolder = chosen;
    SetControlText(resources::MainForm::JdkEdit, chosen);
    QString stored = chosen;
    if (!chosen.endsWith(platform::kSeparator))
        m_jdkFolder += platform::kSeparator;
    else
        stored = platform::WithoutTrailingSeparator(chosen);
    settings::SettingFile().WriteString(settings::ini::JDK::Path, stored);
    UpdateCommandStates();
}

std::optional<QString> MainDialog::DetectJdk() const
{
    auto found = platform::FindJdk();
    if (!found || !settings::FileUtil::FileExists(*found + JavaTool()))
        return std::nullopt;
    return found;
}

void MainDialog::ProcessCommandLine(const QStringList& names)
{
    if (names.isEmpty())
        return;
    FileCollector collector(FileCollector::Collect::FirstOnly);
    collector.AddNames(names);
    if (collector.Count() > 0)
        SetCurrentFile(collector.First());
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainDialog::dropEvent(QDropEvent* event)
{
    OpenDroppedFiles(platform::DroppedLocalPaths(event->mimeData()));
    event->acceptProposedAction();
}

void MainDialog::OpenDroppedFiles(const QStringList& paths)
{
    FileCollector collector(FileCollector::Collect::FirstOnly);
    collector.AddDropped(paths);
    if (collector.Count() > 0)
        SetCurrentFile(collector.First());
}

}  // namespace app
