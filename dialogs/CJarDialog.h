#pragma once
// Packs the files dropped on its list into an executable Java archive named
// after the chosen main class, with the JDK's archive tool.
#include "resources/FormBuilder.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QListWidget;

class CJarDialog : public QDialog {
    Q_OBJECT
public:
    explicit CJarDialog(QWidget* parent = nullptr);

    // The folder of the JDK tools; a missing trailing separator is added.
    void SetJdkFolder(const QString& folder);
    QString JdkFolder() const { return m_jdkFolder; }

    // Replaces both lists by the dropped names and selects the first main entry.
    void OnDropFiles(const QStringList& names);
    // Builds the archive; closes on success, stays open on a failure.
    void OnOK();
    // The archive written by the last successful build; empty before.
    QString BuiltArchive() const { return m_built; }

    QWidget* Control(int id) const { return m_form.Control(id); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList ListedFiles() const;

    CForm m_form;
    QString m_jdkFolder;
    QString m_built;
    QListWidget* m_files = nullptr;
    QComboBox* m_mains = nullptr;
};
