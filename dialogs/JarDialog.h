#pragma once
// Packs the files dropped on its list (or added from its context menu) into
// an executable Java archive named after the chosen main class, with the
// JDK's archive tool.
#include "commands/IMainContext.h"
#include "java/JarBuild.h"
#include "resources/FormBuilder.h"

#include <QDialog>
#include <QStringList>

class QAction;
class QComboBox;
class QListWidget;

namespace dialogs {

class JarDialog : public QDialog {
    Q_OBJECT
public:
    explicit JarDialog(QWidget* parent = nullptr);

    // The folder of the JDK tools; a missing trailing separator is added.
    void SetJdkFolder(const QString& folder);
    QString JdkFolder() const { return m_jdkFolder; }
    // The main window's file: the class named like it is the preferred main
    // class, and adding files starts in its folder.
    void SetCurrentFile(const java::CurrentFile& file);

    // Replaces both lists by the dropped names and selects the default main entry.
    void AddDroppedFiles(const QStringList& names);
    // Asks for files and adds those not listed yet.
    void OnAddFiles();
    // Removes the selected entries from both lists.
    void OnRemoveFiles();
    // Builds the archive; closes on success, stays open on a failure.
    void MakeArchive();
    // The archive written by the last successful build; empty before.
    QString BuiltArchive() const { return m_built; }
    // The listed file chosen as the main class.
    QString MainFile() const;

    QWidget* Control(int id) const { return m_form.Control(id); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList ListedFiles() const;
    // Fills both lists (in list order); the main entry stays where the user
    // chose one that is still listed, else it is the default.
    void SetEntries(const QStringList& sorted);
    void ShowListMenu(const QPoint& at, bool fromKeyboard);

    resources::Form m_form;
    QString m_jdkFolder;
    int m_jdkRelease = 0;  // the JDK's feature release: which main methods its java starts
    QString m_built;
    java::ClassInfos m_classes;
    java::CurrentFile m_current;
    bool m_mainChosen = false;
    QListWidget* m_files = nullptr;
    QComboBox* m_mains = nullptr;
    QAction* m_add = nullptr;
    QAction* m_remove = nullptr;
    QWidget* m_emptyFocus = nullptr;  // the focus mark of the empty list
};

}  // namespace dialogs
