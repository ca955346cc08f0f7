#pragma once
// The form in which the user names a new applet source and chooses its
// imports, listeners, components, event style and painting; 生成 writes it.
#include "dialogs/ColorSwatch.h"
#include "dialogs/JavaFileChoice.h"
#include "generators/AppletGenerator.h"
#include "resources/FormBuilder.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QListWidget;

namespace dialogs {

class AppletDialog : public QDialog {
    Q_OBJECT
public:
    explicit AppletDialog(QWidget* parent = nullptr);

    // True after a successful generation with "生成後開く" ticked.
    bool IsOpenRequested() const { return m_openRequested; }
    QString PathName() const { return m_file.path; }
    // Where 選択(S) starts: the current file's folder, when there is one.
    void SetStartFolder(const QString& folder) { m_startFolder = folder; }

    // The record for the generator, read from the controls.
    gen::AppletChoices Choices() const;
    platform::Rgb BackgroundColor() const { return m_backgroundColor; }
    std::optional<QColor> SwatchColor() const { return m_swatch.FillColor(); }
    QWidget* Control(int id) const { return m_form.Control(id); }

private:
    void OnChooseFile();
    void OnEventImport();
    void OnListenerBox();
    void RefillComponentKinds();
    void OnAddComponent();
    void OnDeleteComponent();
    void OnBackground();
    void OnChooseColor();
    void OnGenerate();
    QComboBox* KindCombo() const;
    QListWidget* ComponentList() const;

    resources::Form m_form;
    ColorSwatch m_swatch;
    QButtonGroup* m_style = nullptr;
    ChosenFile m_file;  // empty until a file is chosen
    QString m_startFolder;
    platform::Rgb m_backgroundColor;
    bool m_openRequested = false;
};

}  // namespace dialogs
