#include "platform/Processes.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

bool IsStartable(const QString& program)
{
    const QFileInfo info(program);
    return info.isFile() && info.isExecutable();
}

bool StartDetached(const ProcessSpec& spec)
{
    QProcess process;
    process.setProgram(spec.program);
    process.setArguments(spec.arguments);
    process.setWorkingDirectory(spec.workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

}  // namespace platform
