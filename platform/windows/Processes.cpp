// Windows: programs that end with Tarnwick are kept in job objects that the
// system kills when Tarnwick's handle to them closes, however it ends.
#include "platform/Processes.h"

#include <QFileDevice>
#include <QHash>
#include <QMutex>
#include <QProcess>

#include <io.h>
#include <memory>
#include <windows.h>

namespace platform {

namespace {

HANDLE NewKillOnCloseJob()
{
    HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr)
        return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

// Held until the program ends: closing it ends every process in it.
HANDLE ProgramJob()
{
    static const HANDLE job = NewKillOnCloseJob();
    return job;
}

struct GroupJobs {
    QMutex mutex;
    QHash<qint64, HANDLE> byProcess;
};

GroupJobs& Groups()
{
    static GroupJobs groups;
    return groups;
}

// The process starts suspended and runs once it is in job, so that nothing
// it starts can escape the job.
void StartInJob(QProcess& process, const std::function<HANDLE(qint64)>& jobFor)
{
    auto info = std::make_shared<PROCESS_INFORMATION*>(nullptr);
    process.setCreateProcessArgumentsModifier([info](QProcess::CreateProcessArguments* args) {
        args->flags |= CREATE_SUSPENDED;
        *info = args->processInformation;
    });
    QObject::connect(&process, &QProcess::stateChanged, &process,
                     [info, jobFor, &process](QProcess::ProcessState state) {
                         if (state != QProcess::Running || *info == nullptr)
                             return;
                         if (HANDLE job = jobFor(process.processId()))
                             ::AssignProcessToJobObject(job, (*info)->hProcess);
                         ::ResumeThread((*info)->hThread);
                         *info = nullptr;
                     });
}

}  // namespace

void WriteOutputTo(QProcess& process, const QFileDevice& output, const QFileDevice& error)
{
    const auto outputHandle = reinterpret_cast<HANDLE>(::_get_osfhandle(output.handle()));
    const auto errorHandle = reinterpret_cast<HANDLE>(::_get_osfhandle(error.handle()));
    process.setCreateProcessArgumentsModifier([outputHandle, errorHandle](QProcess::CreateProcessArguments* args) {
        ::SetHandleInformation(outputHandle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        ::SetHandleInformation(errorHandle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        args->startupInfo->dwFlags |= STARTF_USESTDHANDLES;
        args->startupInfo->hStdOutput = outputHandle;
        args->startupInfo->hStdError = errorHandle;
        args->inheritHandles = true;
    });
}

void EndWithThisProgram(QProcess& process)
{
    StartInJob(process, [](qint64) { return ProgramJob(); });
}

void EndWithThisProgramInGroup(QProcess& process)
{
    StartInJob(process, [](qint64 pid) {
        HANDLE job = NewKillOnCloseJob();
        const QMutexLocker lock(&Groups().mutex);
        Groups().byProcess.insert(pid, job);
        return job;
    });
}

void EndProcessGroup(qint64 pid)
{
    HANDLE job = nullptr;
    {
        const QMutexLocker lock(&Groups().mutex);
        job = Groups().byProcess.take(pid);
    }
    if (job == nullptr)
        return;
    ::TerminateJobObject(job, 1);
    ::CloseHandle(job);
}

// Windows does not tell how far another process has read a file.
std::optional<qint64> StandardInputPosition(qint64) { return std::nullopt; }

// The JDK's tools on Windows take their encodings from the system, not from
// a locale in the environment.
QProcessEnvironment WithUtf8Locale(QProcessEnvironment env) { return env; }

// A console program (cmd.exe) gets a console window of its own, with its own
// input; a window program is not affected.
bool StartDetached(const ProcessSpec& request)
{
    QProcess process;
    Configure(process, request);
    process.setStandardInputFile(QString());
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->flags = (args->flags & ~DWORD(CREATE_NO_WINDOW)) | CREATE_NEW_CONSOLE;
        args->startupInfo->dwFlags &= ~DWORD(STARTF_USESTDHANDLES);
    });
    return process.startDetached();
}

}  // namespace platform
