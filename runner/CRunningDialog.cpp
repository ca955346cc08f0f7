#include "runner/CRunningDialog.h"

#include "resources/FormBuilder.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Very long command lines (many source files) are cut for display only.
constexpr qsizetype kShownCommandLength = 600;

}  // namespace

CRunningDialog::CRunningDialog(const QString& commandLine, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("実行中"));
    setFont(DialogFont());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    QString shown = commandLine;
    if (shown.size() > kShownCommandLength)
        shown = shown.left(kShownCommandLength) + QStringLiteral(" …");
    auto* label = new QLabel(shown, this);
    label->setObjectName(QStringLiteral("commandLine"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(360);
    layout->addWidget(label);
    m_abort = new QPushButton(QStringLiteral("中止"), this);
    m_abort->setObjectName(QStringLiteral("abortButton"));
    m_abort->setDefault(true);
    layout->addWidget(m_abort, 0, Qt::AlignHCenter);
    connect(m_abort, &QPushButton::clicked, this, &CRunningDialog::reject);
}

// Escape, the close box and the button all end the tool; the caller closes
// the window once the tool has ended.
void CRunningDialog::reject()
{
    m_abort->setEnabled(false);
    emit Aborted();
}
