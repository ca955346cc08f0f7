#pragma once
// A main window stand-in and a command object whose output window, program
// starts and document opens are recorded instead of shown.
#include "app/IMainContext.h"
#include "runner/CToolCommands.h"
#include "settings/COptionModel.h"

#include "tests/runner/RunnerTestSupport.h"

#include <QWidget>
#include <memory>
#include <vector>

class FakeMainContext : public IMainContext {
public:
    QWidget window;
    CurrentFile file;
    QString jdk;
    std::unique_ptr<COptionModel> options = std::make_unique<COptionModel>();
    std::vector<int> executed;

    // path: the current file's full path.
    void SetFile(const QString& path);

    QWidget* Window() override { return &window; }
    const CurrentFile& File() const override { return file; }
    QString JdkFolder() const override { return jdk; }
    COptionModel& Options() override { return *options; }
    void SetCurrentFile(const QString& path) override { SetFile(path); }
    void ExecuteCommand(int id) override { executed.push_back(id); }
    void RefreshJavaDocumentCommand() override {}
};

class RecordingCommands : public CToolCommands {
public:
    using CToolCommands::CToolCommands;

    QStringList shown;
    std::vector<platform::ProcessSpec> started;
    QStringList opened;
    bool startSucceeds = true;
    bool openSucceeds = true;
    platform::DesktopEnvironment env;  // no terminal, no editors

protected:
    void ShowOutputWindow(QString text) override { shown.push_back(std::move(text)); }
    bool StartProgram(const platform::ProcessSpec& spec) override
    {
        started.push_back(spec);
        return startSucceeds;
    }
    bool OpenDocument(const QString& path) override
    {
        opened.push_back(path);
        return openSucceeds;
    }
    platform::DesktopEnvironment Environment() const override { return env; }
};
