#include "commands/CToolCommands.h"

#include "settings/COptionDialog.h"

namespace cmd {

void CToolCommands::OnOptions()
{
    settings::COptionDialog dialog(m_main.Options(), m_main.Window());
    if (dialog.exec() == QDialog::Accepted)
        m_main.RefreshJavaDocumentCommand();
}

}  // namespace cmd
