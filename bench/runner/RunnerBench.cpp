// The cost of the runner: a captured compile through the compile command
// against the same javac run directly; deciding the encoding of a 100 KiB
// source (the test corpus, repeated) in each of the encodings that take
// longest, and the memory and time for a 400 MB one; reading a capture file of a million
// lines, of 64 MiB of bytes that start no character (0x80) and of 64 MiB of
// random bytes; and the output window with each of them (the million lines
// also against a plain QPlainTextEdit), each shown in a process of its own,
// see OutputWindowProbe.cpp.
#include "bench/BenchContext.h"
#include "commands/ToolCommands.h"
#include "platform/JdkLocator.h"
#include "platform/SourceEncoding.h"
#include "runner/CapturedText.h"
#include "runner/RunningTool.h"
#include "settings/OptionModel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace cmd;
using namespace output;
using namespace platform;
using namespace settings;

namespace {

// The compile command, with its output kept instead of shown.
class QuietCommands : public ToolCommands {
public:
    using ToolCommands::ToolCommands;
    QString shown;

protected:
    void WatchRun(runner::RunningTool& run, const RunView&) override { run.WaitForEnd(); }
};

double Seconds(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e9; }

void BM_CapturedCompileVsDirect(benchmark::State& state)
{
    const std::optional<QString> jdk = platform::FindJdk();
    QTemporaryDir work;
    if (!jdk || !work.isValid()) {
        state.SkipWithError("no JDK installed");
        return;
    }
    const QString folder = work.path() + QLatin1Char('/');
    QFile source(folder + QStringLiteral("Hello.java"));
    source.open(QIODevice::WriteOnly);
    source.write("public class Hello { public static void main(String[] a) { System.out.println(\"hi\"); } }\n");
    source.close();
    QWidget owner;
    BenchContext main;
    main.window = &owner;
    main.jdk = *jdk;
    main.file = {QStringLiteral("Hello.java"), QStringLiteral("Hello"), folder, QStringLiteral("java")};
    QuietCommands commands(main);
    double captured = 0;
    double direct = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        commands.OnCompile();
        captured += Seconds(timer);

        timer.restart();
        QProcess javac;
        javac.setWorkingDirectory(folder);
        javac.setProcessChannelMode(QProcess::ForwardedChannels);
        javac.start(*jdk + QStringLiteral("javac"),
                    {QStringLiteral("-classpath"), QStringLiteral("."), QStringLiteral("Hello.java")});
        javac.waitForFinished(-1);
        direct += Seconds(timer);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["captured_s"] = captured / n;
    state.counters["direct_s"] = direct / n;
    state.counters["ratio"] = captured / direct;
}
BENCHMARK(BM_CapturedCompileVsDirect)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_DetectEncoding(benchmark::State& state)
{
    const char* const names[] = {"windows-31j", "EUC-JP", "UTF-8"};
    const char* name = names[state.range(0)];
    state.SetLabel(name);
    const QDir corpus(QStringLiteral(TW_CORPUS));
    QString text;
    for (const QString& file : corpus.entryList({QStringLiteral("*.java")}, QDir::Files, QDir::Name)) {
        QFile source(corpus.filePath(file));
        source.open(QIODevice::ReadOnly);
        text += QString::fromUtf8(source.readAll());
    }
    QStringEncoder encoder(name);
    QByteArray bytes;
    while (bytes.size() < 100 * 1024)
        bytes += encoder.encode(text);
    bytes.truncate(bytes.lastIndexOf('\n', 100 * 1024) + 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::DetectSourceEncoding(bytes));
    state.counters["KiB"] = bytes.size() / 1024.0;
}
BENCHMARK(BM_DetectEncoding)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A 400 MB Shift_JIS source examined as a compile examines it, in a process
// of its own: its peak memory above what the process held before.
void BM_DetectEncodingOfAHugeSource(benchmark::State& state)
{
    QTemporaryDir work;
    const QByteArray line =
        QStringEncoder("windows-31j")
            .encode(
                QStringLiteral("        System.out.println(\"ﾃﾞｰﾀ を 表示 します、テスト １２３\"); // コメント\n"));
    QFile source(work.filePath(QStringLiteral("Huge.java")));
    source.open(QIODevice::WriteOnly);
    QByteArray block;
    while (block.size() < 1024 * 1024)
        block += line;
    for (int i = 0; i < 400; ++i)
        source.write(block);
    source.close();
    for (auto _ : state) {
        QProcess probe;
        probe.start(QStringLiteral(TW_ENCODING_PROBE), {work.path() + QLatin1Char('/'), QStringLiteral("Huge.java")});
        probe.waitForFinished(-1);
        const QString out = QString::fromUtf8(probe.readAllStandardOutput());
        state.SetLabel(out.trimmed().section(QLatin1Char(' '), -1).toStdString());
        double before = 0, after = 0, ms = 0;
        for (const QString& field : out.trimmed().split(QLatin1Char(' '))) {
            const QString value = field.section(QLatin1Char('='), 1);
            if (field.startsWith(QLatin1String("before_kib=")))
                before = value.toDouble();
            else if (field.startsWith(QLatin1String("after_kib=")))
                after = value.toDouble();
            else if (field.startsWith(QLatin1String("ms=")))
                ms = value.toDouble();
        }
        state.counters["MB"] = double(source.size()) / 1e6;
        state.counters["peak_above_MiB"] = (after - before) / 1024;
        state.counters["detect_ms"] = ms;
    }
}
BENCHMARK(BM_DetectEncodingOfAHugeSource)->Iterations(1)->Unit(benchmark::kMillisecond);

struct ProbeResult {
    double firstMs = 0;
    double allMs = 0;
    double peakMib = 0;
    double delayP99Ms = 0;
    double delayMaxMs = 0;
};

ProbeResult RunProbe(const char* mode, const QString& capture)
{
    QProcess probe;
    probe.start(QStringLiteral(TW_OUTPUT_WINDOW_PROBE), {QString::fromLatin1(mode), capture});
    probe.waitForFinished(-1);
    ProbeResult result;
    for (const QByteArray& field : probe.readAllStandardOutput().trimmed().split(' ')) {
        const QList<QByteArray> pair = field.split('=');
        if (pair.size() != 2)
            continue;
        if (pair[0] == "first_ms")
            result.firstMs = pair[1].toDouble();
        else if (pair[0] == "all_ms")
            result.allMs = pair[1].toDouble();
        else if (pair[0] == "peak_kib")
            result.peakMib = pair[1].toDouble() / 1024;
        else if (pair[0] == "delay_p99_ms")
            result.delayP99Ms = pair[1].toDouble();
        else if (pair[0] == "delay_max_ms")
            result.delayMaxMs = pair[1].toDouble();
    }
    return result;
}

enum CaptureKind { kMillionLines, kStrayBytes, kRandomBytes };

// Writes a capture file of the given kind; returns its size in bytes.
qint64 WriteCapture(const QString& path, int kind)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    constexpr qsizetype kBinarySize = qsizetype(64) << 20;
    if (kind == kMillionLines) {
        for (int i = 0; i < 1000000; ++i)
            file.write("Hello.java:" + QByteArray::number(i) + ": warning: [deprecation] old API used\n");
    } else if (kind == kStrayBytes) {
        file.write(QByteArray(kBinarySize, '\x80'));
    } else {
        QByteArray bytes(kBinarySize, Qt::Uninitialized);
        std::mt19937 random(1);
        for (char& byte : bytes)
            byte = static_cast<char>(random());
        file.write(bytes);
    }
    return file.size();
}

const char* KindName(int kind)
{
    static const char* const kNames[] = {"million_lines", "64MiB_0x80", "64MiB_random"};
    return kNames[kind];
}

void BM_CaptureReading(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    state.SetLabel(KindName(kind));
    QTemporaryDir dir;
    const QString capture = dir.path() + QStringLiteral("/Out.tmp");
    const qint64 size = WriteCapture(capture, kind);
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(runner::ReadCapturedOutput(capture, {}).text.size());
        seconds += Seconds(timer);
    }
    state.counters["ns_per_byte"] = seconds * 1e9 / static_cast<double>(state.iterations()) / size;
    state.counters["MiB"] = size / 1048576.0;
}
BENCHMARK(BM_CaptureReading)->DenseRange(kMillionLines, kRandomBytes)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_OutputWindow(benchmark::State& state)
{
    const int kind = static_cast<int>(state.range(0));
    state.SetLabel(KindName(kind));
    QTemporaryDir dir;
    const QString capture = dir.path() + QStringLiteral("/Out.tmp");
    const qint64 size = WriteCapture(capture, kind);
    // A plain edit given megabytes without a line break would never finish.
    const bool comparePlain = kind == kMillionLines;
    ProbeResult window;
    ProbeResult plain;
    for (auto _ : state) {
        window = RunProbe("window", capture);
        if (comparePlain)
            plain = RunProbe("plain", capture);
    }
    state.counters["window_first_ms"] = window.firstMs;
    state.counters["window_all_ms"] = window.allMs;
    state.counters["window_ns_per_byte"] = window.allMs * 1e6 / size;
    state.counters["window_peak_MiB"] = window.peakMib;
    if (!comparePlain)
        return;
    state.counters["plain_ms"] = plain.allMs;
    state.counters["plain_peak_MiB"] = plain.peakMib;
    state.counters["time_ratio"] = window.allMs / plain.allMs;
    state.counters["memory_ratio"] = window.peakMib / plain.peakMib;
}
BENCHMARK(BM_OutputWindow)->DenseRange(kMillionLines, kRandomBytes)->Iterations(1)->Unit(benchmark::kMillisecond);

// A tool writes a million lines: the live window against capturing into
// files and showing them afterwards, in the same run.
void BM_StreamedVsCapturedMillionLines(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString tool = dir.path() + QStringLiteral("/million");
    {
        QFile file(tool);
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\nexec awk 'BEGIN { for (i = 0; i < 1000000; i++) "
                   "print \"Hello.java:\" i \": warning: [deprecation] old API used\" }'\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ProbeResult live;
    ProbeResult captured;
    for (auto _ : state) {
        live = RunProbe("live", tool);
        captured = RunProbe("capture", tool);
    }
    state.counters["live_first_ms"] = live.firstMs;
    state.counters["live_all_ms"] = live.allMs;
    state.counters["live_delay_p99_ms"] = live.delayP99Ms;
    state.counters["live_delay_max_ms"] = live.delayMaxMs;
    state.counters["live_peak_MiB"] = live.peakMib;
    state.counters["captured_first_ms"] = captured.firstMs;
    state.counters["captured_all_ms"] = captured.allMs;
    state.counters["captured_delay_p99_ms"] = captured.delayP99Ms;
    state.counters["captured_peak_MiB"] = captured.peakMib;
    state.counters["time_ratio"] = live.allMs / captured.allMs;
}
BENCHMARK(BM_StreamedVsCapturedMillionLines)->Iterations(1)->Unit(benchmark::kMillisecond);

// A tool writes a million lines, javac's warnings or a program's plain
// lines: the live window with the hint table against the same without it,
// run alternately; medians and the spread (largest less smallest).
void BM_HintTableOnMillionLines(benchmark::State& state)
{
    const bool warnings = state.range(0) == 0;
    state.SetLabel(warnings ? "javac_warnings" : "program_lines");
    QTemporaryDir dir;
    const QString tool = dir.path() + QStringLiteral("/million");
    {
        QFile file(tool);
        file.open(QIODevice::WriteOnly);
        file.write(warnings ? "#!/bin/sh\nexec awk 'BEGIN { for (i = 0; i < 1000000; i++) "
                              "print \"Hello.java:\" i \": warning: [deprecation] old API used\" }'\n"
                            : "#!/bin/sh\nexec awk 'BEGIN { for (i = 0; i < 1000000; i++) "
                              "print \"line \" i \" of what the program printed\" }'\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    constexpr int kRounds = 7;
    std::vector<double> hinted;
    std::vector<double> unhinted;
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            hinted.push_back(RunProbe("live", tool).allMs);
            unhinted.push_back(RunProbe("live-unhinted", tool).allMs);
        }
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    const auto spread = [](const std::vector<double>& values) {
        const auto [least, most] = std::minmax_element(values.begin(), values.end());
        return *most - *least;
    };
    state.counters["hinted_median_ms"] = median(hinted);
    state.counters["hinted_spread_ms"] = spread(hinted);
    state.counters["unhinted_median_ms"] = median(unhinted);
    state.counters["unhinted_spread_ms"] = spread(unhinted);
    state.counters["time_ratio"] = median(hinted) / median(unhinted);
}
BENCHMARK(BM_HintTableOnMillionLines)->DenseRange(0, 1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
