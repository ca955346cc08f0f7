#include "runner/CaptureFiles.h"

#include "platform/Paths.h"
#include "platform/Processes.h"

#include <QProcess>

namespace runner {

namespace {

std::unique_ptr<QTemporaryFile> CreateExclusive(const QString& prefix)
{
    auto file = std::make_unique<QTemporaryFile>(platform::TemporaryFolder() + QLatin1Char('/') + prefix
                                                 + QStringLiteral("XXXXXX.tmp"));
    file->setAutoRemove(false);
    if (!file->open())
        return nullptr;
    return file;
}

void Remove(std::unique_ptr<QTemporaryFile>& file)
{
    if (!file)
        return;
    file->remove();
    file.reset();
}

}  // namespace

CaptureFiles::~CaptureFiles() { Delete(); }

bool CaptureFiles::Prepare()
{
    Delete();
    m_error = CreateExclusive(QStringLiteral("Err"));
    m_output = CreateExclusive(QStringLiteral("Out"));
    m_errorPath = m_error ? m_error->fileName() : QString();
    m_outputPath = m_output ? m_output->fileName() : QString();
    if (IsReady())
        return true;
    Delete();
    return false;
}

void CaptureFiles::Delete()
{
    Remove(m_error);
    Remove(m_output);
}

void CaptureFiles::Attach(QProcess& process) const
{
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    if (!IsReady())
        return;
    platform::WriteOutputTo(process, *m_output, *m_error);
}

}  // namespace runner
