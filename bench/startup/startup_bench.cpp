// Time from starting a program to its first painted window, and its peak
// memory, for Tarnwick and a minimal Qt Widgets program, alternating.
//   startup_bench <tarnwick> <minimal> [rounds]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    long peakKiB = 0;
};

Sample RunOnce(const char* program)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Sample sample;
    sample.milliseconds = timer.nsecsElapsed() / 1e6;
    sample.peakKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "%s ended with status %d\n", program, status);
    return sample;
}

template <class T>
T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <tarnwick> <minimal> [rounds]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 20;
    // A second start: the settings already name the JDK.
    QTemporaryDir settings;
    QFile ini(settings.filePath(QStringLiteral("Setting.ini")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[JDK]\r\nPath=/usr/lib/jvm/default-java/bin\r\n[Option]\r\nExtend=true\r\n");
    ini.close();
    qputenv("TARNWICK_SETTINGS_DIR", QFile::encodeName(settings.path()));
    qputenv("TARNWICK_EXIT_AFTER_FIRST_PAINT", "1");
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    std::vector<double> tTime, mTime;
    std::vector<long> tMem, mMem;
    RunOnce(argv[1]);  // warm the file cache for both
    RunOnce(argv[2]);
    for (int i = 0; i < rounds; ++i) {
        const Sample m = RunOnce(argv[2]);
        const Sample t = RunOnce(argv[1]);
        mTime.push_back(m.milliseconds);
        mMem.push_back(m.peakKiB);
        tTime.push_back(t.milliseconds);
        tMem.push_back(t.peakKiB);
    }
    const double tt = Median(tTime), mt = Median(mTime);
    const long tm = Median(tMem), mm = Median(mMem);
    std::printf("platform: %s, rounds: %d (medians)\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "display" : qgetenv("QT_QPA_PLATFORM").constData(), rounds);
    std::printf("minimal  : %8.1f ms %8ld KiB\n", mt, mm);
    std::printf("tarnwick : %8.1f ms %8ld KiB\n", tt, tm);
    std::printf("ratio    : %8.2f x  %8.2f x   (targets: 1.30 x time, 1.20 x memory)\n", tt / mt, double(tm) / mm);
    return 0;
}
