#include "platform/gui/QtUserDialogs.h"

#include "platform/Paths.h"
#include "platform/gui/QtTranslations.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

namespace platform {

namespace {

QWidget* AsWidget(QObject* owner) { return qobject_cast<QWidget*>(owner); }

QMessageBox::Icon ToQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QStringList ToQtNameFilters(const QString& classicFilter)
{
    QStringList parts = classicFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
#ifndef Q_OS_WIN
        // "*.*" means every file on Windows; here it would hide names
        // without a dot (programs, Makefile). The description stays.
        for (QString& pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
#endif
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}

void QtUserDialogs::LoadQtTexts()
{
    if (!m_qtTextsTried)
        platform::InstallQtTranslations(m_qtTexts);
    m_qtTextsTried = true;
}

MsgAnswer QtUserDialogs::Message(QObject* owner, const QString& text, const QString& caption, MsgIcon icon,
                                 MsgButtons buttons)
{
    LoadQtTexts();
    QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::NoButton, AsWidget(owner));
    if (buttons != MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == MsgButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

namespace {

// Shows the file dialog for a request; the chosen files, empty when cancelled.
QStringList RunFileDialog(QObject* owner, const FileDialogSpec& request, QFileDialog::FileMode mode)
{
    QFileDialog dialog(AsWidget(owner), request.title, request.initialFolder);
    const bool save = request.mode == FileDialogSpec::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filters = ToQtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(request.selectedFilter, filters.first()));
    }
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    const bool wildcard =
        request.proposedName.contains(QLatin1Char('*')) || request.proposedName.contains(QLatin1Char('?'));
    if (!request.proposedName.isEmpty() && !wildcard)
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

}  // namespace

std::optional<QString> QtUserDialogs::ChooseFile(QObject* owner, const FileDialogSpec& request)
{
    LoadQtTexts();
    const bool save = request.mode == FileDialogSpec::Mode::Save;
    const QStringList chosen =
        RunFileDialog(owner, request, save || !request.mustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (chosen.isEmpty())
        return {};
    return chosen.first();
}

QStringList QtUserDialogs::ChooseFiles(QObject* owner, const FileDialogSpec& request)
{
    LoadQtTexts();
    return RunFileDialog(owner, request, QFileDialog::ExistingFiles);
}

std::optional<QString> QtUserDialogs::ChooseFolder(QObject* owner, const QString& title, const QString& initialFolder)
{
    LoadQtTexts();
    const QString folder =
        QFileDialog::getExistingDirectory(AsWidget(owner), title, initialFolder, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return {};
    return platform::WithoutTrailingSeparator(folder);
}

std::optional<Rgb> QtUserDialogs::ChooseColor(QObject* owner)
{
    LoadQtTexts();
    const QColor color = QColorDialog::getColor(QColor(Qt::black), AsWidget(owner));
    if (!color.isValid())
        return {};
    return Rgb{color.red(), color.green(), color.blue()};
}

}  // namespace platform
