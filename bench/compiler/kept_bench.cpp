// javac through the kept JVM against the javac command, alternated round by
// round so that both see the same load: Hello.java warm, the first compile
// after the JVM was asked to start, a 20-file rebuild; then the kept JVM's
// resident memory after 100 compiles.
//   kept_bench <tarnwick-tools.jar> <jdk bin folder>... [--rounds N]
#include "compiler/KeptCompiler.h"
#include "runner/RunningTool.h"
#include "runner/ToolInvocation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Milliseconds from the start to the end of one run; false when it failed.
double TimeRun(const platform::ProcessSpec& request, runner::IKeptTools* kept, bool* ranKept = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    runner::RunningTool tool;
    tool.Start(request, false, kept);
    tool.WaitForEnd();
    if (!tool.Outcome().Succeeded())
        std::fprintf(stderr, "run failed: %s\n", qPrintable(request.arguments.join(' ')));
    if (ranKept != nullptr)
        *ranKept = tool.RanKept();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

struct Figures {
    double median;
    double low;
    double high;
};

Figures Summary(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void Report(const char* what, const std::vector<double>& command, const std::vector<double>& kept)
{
    const Figures c = Summary(command);
    const Figures k = Summary(kept);
    std::printf("  %-28s command %7.1f ms (%.1f-%.1f)  kept %7.1f ms (%.1f-%.1f)  ratio %.2f\n", what, c.median, c.low,
                c.high, k.median, k.low, k.high, k.median / c.median);
}

bool WaitReady(compiler::KeptCompiler& kept)
{
    QSignalSpy ready(&kept, &compiler::KeptCompiler::Ready);
    return kept.IsReady() || ready.wait(60000);
}

long ResidentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void Bench(const QString& jar, const QString& jdk, int rounds)
{
    std::printf("%s\n", qPrintable(jdk));
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    Write(folder + "Hello.java", "public class Hello {\n    public static void main(String[] args) {\n"
                                 "        System.out.println(\"Hello\");\n    }\n}\n");
    QTemporaryDir many;
    const QString manyFolder = many.path() + QLatin1Char('/');
    for (int i = 0; i < 20; ++i) {
        Write(manyFolder + QStringLiteral("C%1.java").arg(i),
              QStringLiteral("public class C%1 {\n    int f(int x) { return x * %1 + new C%2().g(x); }\n"
                             "    int g(int x) { StringBuilder b = new StringBuilder(); for (int i = 0; i < x; i++) "
                             "b.append(i); return b.length(); }\n}\n")
                  .arg(i)
                  .arg((i + 1) % 20)
                  .toUtf8());
    }
    const platform::ProcessSpec hello = runner::BuildInvocation(jdk, "javac.exe", "Hello.java", folder);
    const platform::ProcessSpec rebuild = runner::BuildInvocation(jdk, "javac.exe", "*.java", manyFolder);

    std::vector<double> firstCommand;
    std::vector<double> firstKept;
    for (int i = 0; i < std::max(3, rounds / 3); ++i) {
        firstCommand.push_back(TimeRun(hello, nullptr));
        compiler::KeptCompiler kept(jar);
        kept.Prepare(jdk, folder);  // the first Ctrl+C comes at once
        firstKept.push_back(TimeRun(hello, &kept));
    }
    Report("first compile after start", firstCommand, firstKept);

    compiler::KeptCompiler kept(jar);
    kept.Prepare(jdk, folder);
    WaitReady(kept);
    for (int i = 0; i < 10; ++i)
        TimeRun(hello, &kept);
    std::vector<double> command;
    std::vector<double> warm;
    bool ranKept = true;
    for (int i = 0; i < rounds; ++i) {
        command.push_back(TimeRun(hello, nullptr));
        bool thisKept = false;
        warm.push_back(TimeRun(hello, &kept, &thisKept));
        ranKept = ranKept && thisKept;
    }
    Report(ranKept ? "Hello.java warm" : "Hello.java warm (FELL BACK)", command, warm);

    compiler::KeptCompiler keptMany(jar);
    keptMany.Prepare(jdk, manyFolder);
    WaitReady(keptMany);
    for (int i = 0; i < 5; ++i)
        TimeRun(rebuild, &keptMany);
    std::vector<double> rebuildCommand;
    std::vector<double> rebuildKept;
    for (int i = 0; i < rounds; ++i) {
        rebuildCommand.push_back(TimeRun(rebuild, nullptr));
        rebuildKept.push_back(TimeRun(rebuild, &keptMany));
    }
    Report("20-file rebuild", rebuildCommand, rebuildKept);

    for (int i = 0; i < 100 - 10 - rounds; ++i)
        TimeRun(hello, &kept);
    std::printf("  resident memory after 100 compiles: %.1f MB\n", ResidentKb(kept.ProcessId()) / 1024.0);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    int rounds = 15;
    const qsizetype at = args.indexOf(QStringLiteral("--rounds"));
    if (at >= 0 && at + 1 < args.size()) {
        rounds = args[at + 1].toInt();
        args.remove(at, 2);
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: kept_bench <tarnwick-tools.jar> <jdk bin folder>... [--rounds N]\n");
        return 2;
    }
    for (const QString& jdk : args.mid(1))
        Bench(args[0], jdk, rounds);
    return 0;
}
