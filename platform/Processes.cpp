#include "platform/Processes.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

void Configure(QProcess& process, const ProcessSpec& request)
{
    process.setProgram(request.program);
    process.setArguments(request.arguments);
    process.setWorkingDirectory(request.workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    if (request.utf8Locale)
        process.setProcessEnvironment(WithUtf8Locale(QProcessEnvironment::systemEnvironment()));
#ifdef Q_OS_WIN
    process.setNativeArguments(request.nativeArguments);
#endif
}

bool IsStartable(const QString& program)
{
    const QFileInfo info(program);
    return info.isFile() && info.isExecutable();
}

}  // namespace platform
