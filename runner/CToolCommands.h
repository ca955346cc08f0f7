#pragma once
// The main window's commands that run JDK tools or hand files to other
// programs, and the options and JAR commands.
#include "app/IMainContext.h"

class CToolCommands {
public:
    explicit CToolCommands(IMainContext& main) : m_main(main) {}
    virtual ~CToolCommands() = default;

    void OnCompile();
    void OnRebuild();
    void OnRunJava();
    void OnRunAppletViewer();
    void OnRunBrowser();
    void OnMakeDocument();
    void OnMakeAllDocuments();
    void OnJavah();
    void OnRmic();

    void OnEditSource();
    void OnEditSourceWith();
    void OnEditHtml();
    void OnHelp();
    void OnJavaDocument();

    void OnOptions();
    void OnMakeJar();

    // Removes capture files left by a run (also when the window closes).
    void DeleteCaptureFiles();

private:
    IMainContext& m_main;
};
