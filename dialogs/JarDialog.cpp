#include "dialogs/JarDialog.h"

#include "java/JarBuild.h"
#include "output/FollowRun.h"
#include "platform/Captions.h"
#include "platform/JdkFeatures.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"
#include "platform/gui/Desktop.h"
#include "resources/FormIds.h"
#include "runner/ToolInvocation.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStylePainter>

namespace dialogs {

namespace {

// An empty list has no current entry to draw the focus on: this mark over
// its viewport draws the style's focus frame instead while the list has the
// keyboard focus.
class EmptyListFocus final : public QWidget {
public:
    explicit EmptyListFocus(QListWidget* list)
        : QWidget(list->viewport())
        , m_list(list)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_list->hasFocus())
            return;
        QStyleOptionFocusRect frame;
        frame.initFrom(this);  // the style shows it only after keyboard use
        frame.rect = rect().adjusted(1, 1, -1, -1);
        frame.backgroundColor = palette().color(QPalette::Base);
        QStylePainter(this).drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }

private:
    QListWidget* m_list;
};

}  // namespace

JarDialog::JarDialog(QWidget* parent)
    : QDialog(parent)
{
    m_form.Build(this, resources::LoadFormTemplate(resources::JarForm::Id));
    setFixedSize(m_form.ClientSize());
    m_files = m_form.Get<QListWidget>(resources::JarForm::FileList);
    m_mains = m_form.Get<QComboBox>(resources::JarForm::MainList);
    m_files->viewport()->setAcceptDrops(true);
    m_files->viewport()->installEventFilter(this);
    m_files->installEventFilter(this);
    m_emptyFocus = new EmptyListFocus(m_files);
    m_files->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The menu comes with the right button here, with the Menu key in the filter.
    m_files->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_files, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowListMenu(at, false); });
    m_add = new QAction(QStringLiteral("ファイルを追加…"), this);
    m_remove = new QAction(QStringLiteral("削除"), this);
    m_remove->setShortcut(QKeySequence::Delete);
    m_remove->setShortcutContext(Qt::WidgetShortcut);
    m_remove->setEnabled(false);
    m_files->addAction(m_remove);
    connect(m_add, &QAction::triggered, this, &JarDialog::OnAddFiles);
    connect(m_remove, &QAction::triggered, this, &JarDialog::OnRemoveFiles);
    connect(m_files, &QListWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_files->selectedItems().isEmpty()); });
    connect(m_mains, &QComboBox::activated, this, [this] { m_mainChosen = true; });
    connect(m_form.Get<QPushButton>(resources::JarForm::Ok), &QPushButton::clicked, this, &JarDialog::MakeArchive);
    connect(m_form.Get<QPushButton>(resources::JarForm::Close), &QPushButton::clicked, this, &QDialog::reject);
}

void JarDialog::SetJdkFolder(const QString& folder)
{
    m_jdkFolder = platform::WithTrailingSeparator(folder);
    m_jdkRelease = platform::JdkFeatureRelease(m_jdkFolder);
}

void JarDialog::SetCurrentFile(const java::CurrentFile& file) { m_current = file; }

QString JarDialog::MainFile() const { return m_mains->currentData().toString(); }

bool JarDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_files && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        m_emptyFocus->update();
    if (watched == m_files->viewport() && event->type() == QEvent::Resize)
        m_emptyFocus->resize(m_files->viewport()->size());
    if (watched == m_files && event->type() == QEvent::ContextMenu
        && static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        const QListWidgetItem* current = m_files->currentItem();
        ShowListMenu(current ? m_files->visualItemRect(current).bottomLeft() : QPoint(), true);
        return true;
    }
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
        AddDroppedFiles(platform::DroppedLocalPaths(drop->mimeData()));
        drop->acceptProposedAction();
        return true;
    }
    default: return QDialog::eventFilter(watched, event);
    }
}

void JarDialog::AddDroppedFiles(const QStringList& names)
{
    m_mainChosen = false;
    SetEntries(java::SortedJarEntries(names));
}

void JarDialog::OnAddFiles()
{
    const QStringList listed = ListedFiles();
    platform::FileDialogSpec request;
    request.title = QStringLiteral("圧縮するファイルを追加");
    request.filter = QStringLiteral("Java クラスファイル(*.class)|*.class|全てのﾌｧｲﾙ(*.*)|*.*||");
    request.initialFolder = listed.isEmpty() ? m_current.folder : QFileInfo(listed.first()).path();
    request.mustExist = true;
    QStringList files = listed;
    for (const QString& chosen : platform::UserDialogs().ChooseFiles(this, request))
        if (!files.contains(chosen))
            files.append(chosen);
    if (files.size() > listed.size())
        SetEntries(java::SortedJarEntries(files));
}

void JarDialog::OnRemoveFiles()
{
    QStringList kept;
    for (int i = 0; i < m_files->count(); ++i)
        if (!m_files->item(i)->isSelected())
            kept.append(m_files->item(i)->text());
    if (kept.size() < m_files->count())
        SetEntries(kept);
}

// A class file shows as its qualified name, which a long path would hide;
// every entry's path is its data and its tooltip.
void JarDialog::SetEntries(const QStringList& sorted)
{
    const QString chosen = m_mainChosen ? MainFile() : QString();
    m_classes = java::ReadClassInfos(sorted);
    m_files->clear();
    m_mains->clear();
    m_files->addItems(sorted);
    for (const QString& file : sorted) {
        const auto info = m_classes.constFind(file);
        m_mains->addItem(info != m_classes.cend() ? info->name : file, file);
        m_mains->setItemData(m_mains->count() - 1, file, Qt::ToolTipRole);
    }
    m_mains->view()->setMinimumWidth(m_mains->view()->sizeHintForColumn(0));
    m_mainChosen = sorted.contains(chosen);
    m_mains->setCurrentIndex(sorted.indexOf(
        m_mainChosen ? chosen : java::DefaultMainFile(sorted, m_current.title, m_classes, m_jdkRelease)));
    m_emptyFocus->setVisible(sorted.isEmpty());
}

// From the keyboard the menu opens below the current entry with its first
// item active, so Enter chooses it.
void JarDialog::ShowListMenu(const QPoint& at, bool fromKeyboard)
{
    QMenu menu(this);
    menu.addAction(m_add);
    menu.addAction(m_remove);
    if (fromKeyboard)
        menu.setActiveAction(m_add);
    menu.exec(m_files->viewport()->mapToGlobal(at));
}

QStringList JarDialog::ListedFiles() const
{
    QStringList files;
    for (int i = 0; i < m_files->count(); ++i)
        files.append(m_files->item(i)->text());
    return files;
}

void JarDialog::MakeArchive()
{
    const QStringList files = ListedFiles();
    if (files.isEmpty()) {
        platform::ShowMessage(
            this,
            QStringLiteral("圧縮するファイルがありません。\n"
                           "ファイルをリストにドロップするか、リストのメニュー（右クリックまたはメニューキー）の"
                           "「ファイルを追加…」で追加してください。"),
            platform::kQuestionCaption, platform::MsgIcon::Exclamation);
        return;
    }
    const QString mainFile = MainFile();
    m_classes = java::ReadClassInfos(files);  // as they are now, perhaps compiled again
    const java::JarPlan plan = java::PlanJar(files, mainFile, m_classes);
    if (const QString reason = java::UnrunnableReason(plan, mainFile, m_classes, m_jdkRelease); !reason.isEmpty()) {
        platform::ShowMessage(this, reason, platform::kQuestionCaption, platform::MsgIcon::Exclamation);
        return;
    }
    // The base folder stays the program's working folder after the dialog.
    QDir::setCurrent(plan.baseFolder);
    const QString archive = plan.mainName + QStringLiteral(".jar");
    const java::JarOutcome outcome = java::RunJarBuild(plan, m_jdkFolder, [&](runner::RunningTool& run) {
        const QString program = m_jdkFolder + platform::ToolFileName(QStringLiteral("jar.exe"));
        const QString shown = runner::DisplayCommandLine({program, plan.Arguments(QStringLiteral("MainClass")), {}});
        output::FollowRun(this, run, {QStringLiteral("jar ") + archive, shown, program, plan.baseFolder}, {});
    });
    switch (outcome.status) {
    case java::JarOutcome::Status::Built:
        m_built = plan.baseFolder + archive;
        accept();
        break;
    case java::JarOutcome::Status::ToolFailed: break;  // its window told how
    case java::JarOutcome::Status::NotStarted:
    case java::JarOutcome::Status::NoManifest:
        platform::ShowMessage(this, outcome.messages, platform::kFileErrorCaption, platform::MsgIcon::Error);
        break;
    }
}

}  // namespace dialogs
