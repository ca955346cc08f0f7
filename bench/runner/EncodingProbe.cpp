// encoding_probe <folder> <name>: examines one source as a compile does and
// prints the process's peak memory before and after (the resident set's high
// mark, in KiB), the encoding found and the time taken.
#include "java/SourceSet.h"
#include "platform/SourceEncoding.h"

#include <QElapsedTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

long PeakKib()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const long before = PeakKib();
    QElapsedTimer timer;
    timer.start();
    const QList<java::SourceFile> sources =
        java::ExamineSources(QString::fromLocal8Bit(argv[1]), {QString::fromLocal8Bit(argv[2])});
    const qint64 ms = timer.elapsed();
    if (sources.isEmpty())
        return 1;
    std::printf("before_kib=%ld after_kib=%ld ms=%lld encoding=%s\n", before, PeakKib(), ms,
                qPrintable(platform::EncodingLabel(sources[0].encoding)));
    return 0;
}
