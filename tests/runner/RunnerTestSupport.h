#pragma once
// Helpers of the runner tests: executable scripts, and a temporary folder
// that stands in for the system's one.
#include "tests/support/TempFolder.h"

#include <QStringList>

// Writes an executable shell script (the text after "#!/bin/sh\n").
QString WriteScript(const TempFolder& folder, const QString& relative, const QByteArray& body);

// The build folder: $TW_BINARY_DIR, else the one this test was built in.
QString BinaryDir();

// Points TMPDIR at a fresh folder for its lifetime.
class TempDirSandbox {
public:
    TempDirSandbox();
    ~TempDirSandbox();
    QString Path() const { return m_folder.Path(); }
    // Files whose names begin with "Out" or "Err".
    QStringList CaptureLeftovers() const;

private:
    TempFolder m_folder;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

#include "platform/Processes.h"

#include <ostream>

namespace platform {
inline void PrintTo(const ProcessSpec& spec, std::ostream* out)
{
    *out << '"' << spec.program.toStdString() << "\" {";
    for (const QString& a : spec.arguments)
        *out << '"' << a.toStdString() << "\" ";
    *out << "} in \"" << spec.workingFolder.toStdString() << '"';
}
}  // namespace platform
