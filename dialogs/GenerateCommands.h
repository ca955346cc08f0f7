#pragma once
// The main window's commands that open the generator dialogs and the JAR
// dialog.
#include "commands/CommandRow.h"
#include "commands/IMainContext.h"

namespace dialogs {

class GenerateCommands {
public:
    explicit GenerateCommands(cmd::IMainContext& main)
        : m_main(main)
    {}
    virtual ~GenerateCommands() = default;

    void OnMakeHtml();
    void OnMakeApplet();
    void OnMakeClass();
    void OnMakeJar();

private:
    // Makes a generated file current and opens it in the source editor.
    void OpenGenerated(bool requested, const QString& path);

    cmd::IMainContext& m_main;
};

// The menu commands this class answers.
inline constexpr cmd::CommandRow<GenerateCommands> kGenerateCommandRows[] = {
    {cmd::MakeHtml, cmd::CommandRule::NeedsFile, &GenerateCommands::OnMakeHtml},
    {cmd::MakeApplet, cmd::CommandRule::Free, &GenerateCommands::OnMakeApplet},
    {cmd::MakeClass, cmd::CommandRule::Free, &GenerateCommands::OnMakeClass},
    {cmd::MakeJar, cmd::CommandRule::Free, &GenerateCommands::OnMakeJar},
};

}  // namespace dialogs
