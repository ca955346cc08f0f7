#include "dialogs/CJarDialog.h"

#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "platform/gui/Desktop.h"
#include "runner/FollowRun.h"
#include "runner/JarBuild.h"
#include "runner/ToolInvocation.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>

namespace {

constexpr int kTemplate = 132;
constexpr int kFileList = 1050;
constexpr int kMainList = 1051;
constexpr int kOk = 1;
constexpr int kClose = 2;

}  // namespace

CJarDialog::CJarDialog(QWidget* parent)
    : QDialog(parent)
{
    m_form.Build(this, LoadFormTemplate(kTemplate));
    setFixedSize(m_form.ClientSize());
    m_files = m_form.Get<QListWidget>(kFileList);
    m_mains = m_form.Get<QComboBox>(kMainList);
    m_files->viewport()->setAcceptDrops(true);
    m_files->viewport()->installEventFilter(this);
    connect(m_form.Get<QPushButton>(kOk), &QPushButton::clicked, this, &CJarDialog::OnOK);
    connect(m_form.Get<QPushButton>(kClose), &QPushButton::clicked, this, &QDialog::reject);
}

void CJarDialog::SetJdkFolder(const QString& folder) { m_jdkFolder = platform::WithTrailingSeparator(folder); }

bool CJarDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_files->viewport())
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasUrls())
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        OnDropFiles(platform::DroppedLocalPaths(drop->mimeData()));
        drop->acceptProposedAction();
        return true;
    }
    default: return QDialog::eventFilter(watched, event);
    }
}

void CJarDialog::OnDropFiles(const QStringList& names)
{
    const QStringList sorted = SortedJarEntries(names);
    m_files->clear();
    m_mains->clear();
    m_files->addItems(sorted);
    m_mains->addItems(sorted);
    if (!sorted.isEmpty())
        m_mains->setCurrentIndex(0);
}

QStringList CJarDialog::ListedFiles() const
{
    QStringList files;
    for (int i = 0; i < m_files->count(); ++i)
        files.append(m_files->item(i)->text());
    return files;
}

void CJarDialog::OnOK()
{
    const QStringList files = ListedFiles();
    if (files.isEmpty()) {
        reject();
        return;
    }
    const JarPlan plan = PlanJar(files, m_mains->currentText());
    // The base folder stays the program's working folder after the dialog.
    QDir::setCurrent(plan.baseFolder);
    const QString archive = plan.mainName + QStringLiteral(".jar");
    const JarOutcome outcome = RunJarBuild(plan, m_jdkFolder, [&](runner::RunningTool& run) {
        const QString program = m_jdkFolder + platform::ToolFileName(QStringLiteral("jar.exe"));
        const QString shown = runner::DisplayCommandLine({program, plan.Arguments(QStringLiteral("MainClass")), {}});
        runner::FollowRun(this, run, {QStringLiteral("jar ") + archive, shown, program, plan.baseFolder}, {});
    });
    switch (outcome.status) {
    case JarOutcome::Status::Built:
        m_built = plan.baseFolder + archive;
        accept();
        break;
    case JarOutcome::Status::ToolFailed: break;  // its window told how
    case JarOutcome::Status::NotStarted:
    case JarOutcome::Status::NoManifest:
        ShowMessage(this, outcome.messages, QStringLiteral("ファイルエラー"), MsgIcon::Error);
        break;
    }
}
