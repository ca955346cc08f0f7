// Start-up of Tarnwick against the smallest window of Japanese text: the time
// from starting a program to its first painted window, the processor time it
// used and its peak memory, alternating the programs so that all see the same
// load; or, with --instructions, the instructions each executes up to its
// first paint, counted by callgrind. Tarnwick starts in two forms: fresh (no
// Setting.ini yet: it looks for the JDK and stores it) and extended (a second
// start whose settings name the JDK and ask for the extended form).
//   startup_bench [--instructions] <tarnwick> <minimal> [rounds]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
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

// One way of starting a program: which, and the settings folder it gets.
struct Start {
    const char* name;
    const char* program;
    QString settingsDir;  // emptied before every start when fresh
    bool fresh = false;
};

double Ms(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

void Prepare(const Start& start)
{
    if (start.fresh)
        QFile::remove(start.settingsDir + QStringLiteral("/Setting.ini"));
    qputenv("TARNWICK_SETTINGS_DIR", QFile::encodeName(start.settingsDir));
}

Sample RunOnce(const Start& start)
{
    Prepare(start);
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(start.program, start.program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const Sample sample{timer.nsecsElapsed() / 1e6, Ms(usage.ru_utime) + Ms(usage.ru_stime),
                        static_cast<double>(usage.ru_maxrss)};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "%s ended with status %d\n", start.program, status);
    return sample;
}

// The instructions of one start to its first paint (the program ends there),
// or 0 when callgrind did not report them.
double InstructionsOf(const Start& start)
{
    Prepare(start);
    QProcess valgrind;
    valgrind.start(QStringLiteral("valgrind"),
                   {QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=/dev/null"),
                    QString::fromLocal8Bit(start.program)});
    valgrind.waitForFinished(-1);
    static const QRegularExpression collected(QStringLiteral("Collected : (\\d+)"));
    const auto match = collected.match(QString::fromLocal8Bit(valgrind.readAllStandardError()));
    if (!match.hasMatch())
        std::fprintf(stderr, "callgrind counted nothing for %s\n", start.program);
    return match.hasMatch() ? match.captured(1).toDouble() : 0;
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
    std::printf("  %-32s %9.2f %-3s (quartiles %.2f-%.2f)\n", name, s.median, unit, s.low, s.high);
}

void MeasureInstructions(const std::vector<Start>& starts)
{
    std::printf("instructions to the first paint (callgrind)\n");
    std::vector<double> counts;
    for (const Start& start : starts)
        counts.push_back(InstructionsOf(start));
    for (size_t s = 0; s < starts.size(); ++s)
        std::printf("  %-10s %8.1f M  %.3f x\n", starts[s].name, counts[s] / 1e6,
                    counts[0] > 0 ? counts[s] / counts[0] : 0);
}

void MeasureRounds(const std::vector<Start>& starts, int rounds)
{
    std::vector<std::vector<Sample>> samples(starts.size());
    for (int i = 0; i < rounds; ++i) {
        for (size_t s = 0; s < starts.size(); ++s)
            samples[s].push_back(RunOnce(starts[s]));
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
        std::printf("%s\n", m.name);
        std::vector<double> yardstick;
        for (const Sample& sample : samples[0])
            yardstick.push_back(sample.*m.value);
        PrintRow(starts[0].name, yardstick, m.unit);
        for (size_t s = 1; s < starts.size(); ++s) {
            std::vector<double> values, ratios;
            for (int i = 0; i < rounds; ++i) {
                values.push_back(samples[s][i].*m.value);
                ratios.push_back(yardstick[i] > 0 ? values.back() / yardstick[i] : 0);
            }
            PrintRow(starts[s].name, values, m.unit);
            PrintRow(qPrintable(QStringLiteral("%1 ratio (round by round)").arg(starts[s].name)), ratios, "x");
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool instructions = args.removeAll(QStringLiteral("--instructions")) > 0;
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: startup_bench [--instructions] <tarnwick> <minimal> [rounds]\n");
        return 2;
    }
    const QByteArray tarnwick = QFile::encodeName(args[0]);
    const QByteArray minimal = QFile::encodeName(args[1]);
    const int rounds = args.size() > 2 ? args[2].toInt() : 20;
    QTemporaryDir fresh, extended, unused;
    QFile ini(extended.filePath(QStringLiteral("Setting.ini")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[Option]\r\nExtend=true\r\n");
    ini.close();
    qputenv("TARNWICK_EXIT_AFTER_FIRST_PAINT", "1");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(unused.path()));
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    const std::vector<Start> starts = {{"minimal", minimal.constData(), unused.path()},
                                       {"fresh", tarnwick.constData(), fresh.path(), true},
                                       {"extended", tarnwick.constData(), extended.path()}};
    for (const Start& start : starts)
        RunOnce(start);  // warms the file cache and stores the JDK for the extended form
    if (instructions)
        MeasureInstructions(starts);
    else
        MeasureRounds(starts, rounds);
    std::printf("targets: 1.15 x the minimal program's instructions and peak memory, in both forms\n");
    return 0;
}
