#pragma once
// The main window as a benchmark's commands see it: a file, a JDK folder,
// the options, and an owner window when the benchmark has one.
#include "commands/IMainContext.h"
#include "settings/OptionModel.h"

class BenchContext : public cmd::IMainContext {
public:
    java::CurrentFile file;
    QString jdk;
    settings::OptionModel options;
    QWidget* window = nullptr;
    QWidget* Window() override { return window; }
    const java::CurrentFile& File() const override { return file; }
    QString JdkFolder() const override { return jdk; }
    settings::OptionModel& Options() override { return options; }
    void SetCurrentFile(const QString&) override {}
    void ExecuteCommand(int) override {}
    void RefreshJavaDocumentCommand() override {}
};
