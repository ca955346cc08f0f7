#include "commands/ToolCommands.h"

#include "settings/OptionDialog.h"

namespace cmd {

void ToolCommands::OnOptions()
{
    settings::OptionDialog dialog(m_main.Options(), m_main.Window());
    if (dialog.exec() == QDialog::Accepted)
        m_main.RefreshJavaDocumentCommand();
}

}  // namespace cmd
