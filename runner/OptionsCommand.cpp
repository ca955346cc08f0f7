#include "runner/CToolCommands.h"

#include "settings/COptionDialog.h"

void CToolCommands::OnOptions()
{
    COptionDialog dialog(m_main.Options(), m_main.Window());
    if (dialog.exec() == QDialog::Accepted)
        m_main.RefreshJavaDocumentCommand();
}
