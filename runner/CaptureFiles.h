#pragma once
// The two files that receive a captured tool's standard output and standard
// error. Each is created exclusively in the temporary folder with owner-only
// permissions and handed to the tool as an open file, so no name is ever
// created twice; the names stay known after the files are deleted. Tools
// run through pipes now (RunningTool): the files remain the benchmarks'
// baseline of capturing first and showing afterwards.
#include <QString>
#include <QTemporaryFile>
#include <memory>

class QProcess;

namespace runner {

class CaptureFiles {
public:
    CaptureFiles() = default;
    ~CaptureFiles();
    CaptureFiles(const CaptureFiles&) = delete;
    CaptureFiles& operator=(const CaptureFiles&) = delete;

    // Deletes earlier files, then creates two fresh empty ones ("Err..." and
    // "Out..."). False when the temporary folder refuses them.
    bool Prepare();
    // Deletes both files when they exist; the names stay.
    void Delete();

    bool IsReady() const { return m_output && m_error; }
    QString OutputPath() const { return m_outputPath; }
    QString ErrorPath() const { return m_errorPath; }

    // Sets process up to write its standard output and standard error into
    // the files and read its standard input from the null device.
    void Attach(QProcess& process) const;

private:
    std::unique_ptr<QTemporaryFile> m_output;
    std::unique_ptr<QTemporaryFile> m_error;
    QString m_outputPath;
    QString m_errorPath;
};

}  // namespace runner
