#include "platform/Processes.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

bool IsStartable(const QString& program)
{
    const QFileInfo info(program);
    return info.isFile() && info.isExecutable();
}

void Configure(QProcess& process, const ProcessSpec& request)
{
    process.setProgram(request.program);
    process.setArguments(request.arguments);
    process.setWorkingDirectory(request.workingFolder);
}

bool StartDetached(const ProcessSpec& request)
{
    QProcess process;
    process.setProgram(request.program);
    process.setArguments(request.arguments);
    process.setWorkingDirectory(request.workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

}  // namespace platform
