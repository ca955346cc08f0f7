#pragma once
// The options dialog: four tab pages over the options model. Every showing
// starts from the settings file; OK saves and closes unless an application
// of the last page is missing; Cancel writes nothing.
#include "resources/FormBuilder.h"
#include "settings/OptionModel.h"

#include <QDialog>

class QTabWidget;

namespace settings {

class OptionDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionDialog(OptionModel& model, QWidget* parent = nullptr);

    QWidget* Control(int id) const { return m_form.Control(id); }
    // Shows the controls of one page and hides the others' (negative: nothing).
    void ShowPage(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Layout();
    void ConnectHandlers();
    void FillControls();
    StoredOptions ReadControls() const;
    void ApplyCaptureRule();
    void Browse(int editId, const QString& title, const QString& filter);
    void SaveAndClose();

    struct PageControl {
        QWidget* control;
        int page;
    };

    OptionModel& m_model;
    resources::Form m_form;
    QTabWidget* m_tab = nullptr;
    QList<PageControl> m_pageControls;
};

}  // namespace settings
