#include "runner/CToolCommands.h"

// The options and JAR commands: filled in with their dialogs.
void CToolCommands::OnOptions() {}
void CToolCommands::OnMakeJar() {}
