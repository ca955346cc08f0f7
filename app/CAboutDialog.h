#pragma once
// The about box: name and version, a notice, and the installed JDK's version.
#include "resources/FormBuilder.h"

#include <QDialog>

namespace app {

class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
    QWidget* Control(int id) const { return m_form.Control(id); }

    // "JDK Version... " followed by the version, or by "Not Installed".
    static QString JdkVersionLine();

private:
    void OnUpdate();

    resources::CForm m_form;
};

}  // namespace app
