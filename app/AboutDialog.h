#pragma once
// The about box: name and version, a notice, and the chosen JDK's version.
#include "resources/FormBuilder.h"

#include <QDialog>

namespace app {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // jdkFolder: the main window's JDK tool folder (empty when none is chosen).
    explicit AboutDialog(const QString& jdkFolder, QWidget* parent = nullptr);
    QWidget* Control(int id) const { return m_form.Control(id); }

    // "JDK Version... " followed by the version of the JDK in that tool
    // folder, or by "Not Installed" when it holds none whose version is known.
    static QString JdkVersionLine(const QString& jdkFolder);

private:
    void OpenHomePage();

    resources::Form m_form;
};

}  // namespace app
