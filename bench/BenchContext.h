#pragma once
// The main window as a benchmark's commands see it: a file, a JDK folder,
// the options, and an owner window when the benchmark has one.
#include "commands/IMainContext.h"
#include "settings/COptionModel.h"

class BenchContext : public IMainContext {
public:
    CurrentFile file;
    QString jdk;
    COptionModel options;
    QWidget* window = nullptr;
    QWidget* Window() override { return window; }
    const CurrentFile& File() const override { return file; }
    QString JdkFolder() const override { return jdk; }
    COptionModel& Options() override { return options; }
    void SetCurrentFile(const QString&) override {}
    void ExecuteCommand(int) override {}
    void RefreshJavaDocumentCommand() override {}
};
