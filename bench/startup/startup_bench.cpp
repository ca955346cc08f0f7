// Time from starting a program to its first painted window, the processor
// time it used and its peak memory, for Tarnwick and a minimal Qt Widgets
// program, alternating so that both see the same load.
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
    double wallMs = 0;
    double cpuMs = 0;  // user and system time
    double peakKiB = 0;
};

double Ms(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

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
    const Sample sample{timer.nsecsElapsed() / 1e6, Ms(usage.ru_utime) + Ms(usage.ru_stime),
                        static_cast<double>(usage.ru_maxrss)};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "%s ended with status %d\n", program, status);
    return sample;
}

// The median and the quartiles around it.
struct Spread {
    double low, median, high;
};

Spread SpreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) { return values[static_cast<size_t>(q * double(values.size() - 1) + 0.5)]; };
    return {at(0.25), at(0.5), at(0.75)};
}

void PrintRow(const char* name, const std::vector<double>& values, const char* unit)
{
    const Spread s = SpreadOf(values);
    std::printf("  %-22s %9.2f %-3s (quartiles %.2f-%.2f)\n", name, s.median, unit, s.low, s.high);
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
    // The warm-up start below finds the JDK and stores it: every measured
    // start is a second start, with the settings naming the JDK.
    QTemporaryDir settings;
    QFile ini(settings.filePath(QStringLiteral("Setting.ini")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[JDK]\r\nPath=/usr/lib/jvm/default-java/bin\r\n[Option]\r\nExtend=true\r\n");
    ini.close();
    qputenv("TARNWICK_SETTINGS_DIR", QFile::encodeName(settings.path()));
    qputenv("TARNWICK_EXIT_AFTER_FIRST_PAINT", "1");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(settings.path()));
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    RunOnce(argv[1]);  // warm the file cache for both
    RunOnce(argv[2]);
    std::vector<Sample> tarnwick, minimal;
    for (int i = 0; i < rounds; ++i) {
        minimal.push_back(RunOnce(argv[2]));
        tarnwick.push_back(RunOnce(argv[1]));
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    std::printf("platform: %s, rounds: %d; medians and quartiles\n",
                platform.isEmpty() ? "display" : platform.constData(), rounds);
    const struct {
        const char* name;
        double Sample::*value;
        const char* unit;
    } measures[] = {
        {"wall", &Sample::wallMs, "ms"}, {"cpu", &Sample::cpuMs, "ms"}, {"peak memory", &Sample::peakKiB, "KiB"}};
    for (const auto& m : measures) {
        std::vector<double> t, n, ratio;
        for (int i = 0; i < rounds; ++i) {
            t.push_back(tarnwick[i].*m.value);
            n.push_back(minimal[i].*m.value);
            ratio.push_back(n.back() > 0 ? t.back() / n.back() : 0);
        }
        std::printf("%s\n", m.name);
        PrintRow("minimal", n, m.unit);
        PrintRow("tarnwick", t, m.unit);
        PrintRow("ratio (round by round)", ratio, "x");
    }
    std::printf("targets: 1.15 x wall time, 1.15 x peak memory\n");
    return 0;
}
