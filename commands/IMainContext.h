#pragma once
// What the command handlers outside the main window may see and do: the
// current Java file, the JDK folder, the options, and a few operations.
#include "java/CurrentFile.h"

#include <QString>

namespace settings {
class OptionModel;
}
class QWidget;

namespace cmd {

class IMainContext {
public:
    virtual ~IMainContext() = default;
    virtual QWidget* Window() = 0;
    virtual const java::CurrentFile& File() const = 0;
    // Ends in the separator, or empty.
    virtual QString JdkFolder() const = 0;
    virtual settings::OptionModel& Options() = 0;
    virtual void SetCurrentFile(const QString& path) = 0;
    // Carries out a command of the menu by its id (e.g. edit the source).
    virtual void ExecuteCommand(int id) = 0;
    virtual void RefreshJavaDocumentCommand() = 0;
    // A short note that goes away by itself (no box to close).
    virtual void ShowNotice(const QString& text) { Q_UNUSED(text); }
};

}  // namespace cmd
