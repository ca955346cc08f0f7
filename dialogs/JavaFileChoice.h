#pragma once
// The save-as question with which the Applet and class dialogs name the Java
// source that they are to create.
#include "platform/UserDialogs.h"

#include <QString>
#include <optional>

struct ChosenFile {
    QString path;       // full path
    QString fileName;   // Foo.java
    QString title;      // Foo
    QString extension;  // java
};

FileDialogSpec NewJavaFileSpec();
// Nothing when the user cancels.
std::optional<ChosenFile> ChooseNewJavaFile(QObject* owner);
