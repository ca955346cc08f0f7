#include "dialogs/CGenerateCommands.h"

// Filled in by the generator dialogs.
void CGenerateCommands::OnMakeHtml() {}
void CGenerateCommands::OnMakeApplet() {}
void CGenerateCommands::OnMakeClass() {}
