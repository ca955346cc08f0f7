#include "runner/CToolCommands.h"

// Filled in by the tool runner.
void CToolCommands::OnCompile() {}
void CToolCommands::OnRebuild() {}
void CToolCommands::OnRunJava() {}
void CToolCommands::OnRunAppletViewer() {}
void CToolCommands::OnRunBrowser() {}
void CToolCommands::OnMakeDocument() {}
void CToolCommands::OnMakeAllDocuments() {}
void CToolCommands::OnJavah() {}
void CToolCommands::OnRmic() {}
void CToolCommands::OnEditSource() {}
void CToolCommands::OnEditSourceWith() {}
void CToolCommands::OnEditHtml() {}
void CToolCommands::OnHelp() {}
void CToolCommands::OnJavaDocument() {}
void CToolCommands::DeleteCaptureFiles() {}
