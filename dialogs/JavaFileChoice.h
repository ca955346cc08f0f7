#pragma once
// The save-as question with which the Applet and class dialogs name the Java
// source that they are to create.
#include "platform/UserDialogs.h"

#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QLineEdit;

namespace dialogs {

struct ChosenFile {
    QString path;       // full path
    QString fileName;   // Foo.java
    QString title;      // Foo
    QString extension;  // java
};

// 選択(S) of the Applet and class dialogs: asks for the new source, starting
// in folder (the current file's) when there is one, and shows the chosen
// path in pathEdit. False, with nothing changed, when the user cancels or
// names a file whose title is no Java class name (after saying why).
bool ChooseNewJavaFile(QDialog* owner, const QString& folder, QLineEdit* pathEdit, ChosenFile& file);

// The generate command of the Applet and class dialogs: without a chosen file
// the dialog closes as with 閉じる; otherwise the source is written (after the
// overwrite question) and the dialog closes with OK, noting whether the file
// is to be opened. A declined or failed write leaves the dialog open.
void GenerateJavaSource(QDialog& dialog, const QString& path, const std::function<QString()>& generate, bool openAfter,
                        bool& openRequested);

}  // namespace dialogs
