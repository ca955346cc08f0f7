#pragma once
// The form in which the user names a new class source and chooses its
// imports, superclass, interfaces, main method, comments and menu bar.
#include "dialogs/JavaFileChoice.h"
#include "dialogs/MenuTreeEditor.h"
#include "generators/ClassGenerator.h"
#include "resources/FormBuilder.h"

#include <QDialog>

class QButtonGroup;

namespace dialogs {

class ClassDialog : public QDialog {
    Q_OBJECT
public:
    explicit ClassDialog(QWidget* parent = nullptr);

    // True after a successful generation with "生成後開く" ticked.
    bool IsOpenRequested() const { return m_openRequested; }
    QString PathName() const { return m_file.path; }
    // Where 選択(S) starts: the current file's folder, when there is one.
    void SetStartFolder(const QString& folder) { m_startFolder = folder; }

    // The record for the generator, read from the controls.
    gen::ClassChoices Choices() const;
    QWidget* Control(int id) const { return m_form.Control(id); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnChooseFile();
    void OnSwingImport();
    void ApplyEventImport();
    void OnSuperclass(int id);
    void SelectNoSuperclass();
    void RefreshMenu();
    void OnMenuBox();
    void ApplyMenuBox();
    void OnAddMenuEntry();
    void OnDeleteMenuEntry();
    void OnGenerate();
    gen::SuperclassKind Superclass() const;

    resources::Form m_form;
    MenuTreeEditor m_menu;
    QButtonGroup* m_superclass = nullptr;
    ChosenFile m_file;  // empty until a file is chosen
    QString m_startFolder;
    bool m_openRequested = false;
};

}  // namespace dialogs
