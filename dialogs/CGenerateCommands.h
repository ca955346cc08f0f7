#pragma once
// The main window's commands that open the generator dialogs and the JAR
// dialog.
#include "commands/CommandRow.h"
#include "commands/IMainContext.h"

namespace dialogs {

class CGenerateCommands {
public:
    explicit CGenerateCommands(cmd::IMainContext& main)
        : m_main(main)
    {}
    virtual ~CGenerateCommands() = default;

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
inline constexpr cmd::CommandRow<CGenerateCommands> kGenerateCommandRows[] = {
    {cmd::MakeHtml, cmd::CommandRule::NeedsFile, &CGenerateCommands::OnMakeHtml},
    {cmd::MakeApplet, cmd::CommandRule::Free, &CGenerateCommands::OnMakeApplet},
    {cmd::MakeClass, cmd::CommandRule::Free, &CGenerateCommands::OnMakeClass},
    {cmd::MakeJar, cmd::CommandRule::Free, &CGenerateCommands::OnMakeJar},
};

}  // namespace dialogs
