// The headless judge against what a learner would type without it: 20 cases
// of a Scanner program that sums its input, judged by `tarnwick --judge`
// (compile included) and by a shell loop that compiles with javac and runs
// java once per case with diff; the two alternate, round by round, so that
// both see the same load. Then the time limit's accuracy: an endless loop
// on cases with a 1 s limit, each case's time as the judge reports it.
//   judge_bench <tarnwick> [rounds] [jdk bin folder]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const kSum = "import java.util.Scanner;\n"
                         "public class Sum { public static void main(String[] a) {\n"
                         "  Scanner in = new Scanner(System.in); long sum = 0;\n"
                         "  while (in.hasNextLong()) sum += in.nextLong();\n"
                         "  System.out.println(sum); } }\n";
const char* const kSpin = "public class Spin { public static void main(String[] a) { while (true) { } } }\n";

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Cases sample-1 … sample-count: a few hundred numbers and their sum.
void WriteCases(const QString& folder, int count)
{
    QRandomGenerator random(22);
    for (int i = 1; i <= count; ++i) {
        QByteArray input;
        qint64 sum = 0;
        for (int n = 0; n < 300; ++n) {
            const int value = random.bounded(-1000000, 1000000);
            sum += value;
            input += QByteArray::number(value) + (n % 10 == 9 ? "\n" : " ");
        }
        Write(QStringLiteral("%1/sample-%2.in").arg(folder).arg(i), input);
        Write(QStringLiteral("%1/sample-%2.out").arg(folder).arg(i), QByteArray::number(sum) + "\n");
    }
}

struct Run {
    double ms = 0;
    int exitCode = -1;
    QByteArray out;
};

Run Time(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    return {timer.nsecsElapsed() / 1e6, process.exitCode(), process.readAllStandardOutput()};
}

double Quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const double at = q * (values.size() - 1);
    const size_t low = static_cast<size_t>(at);
    const size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (at - low);
}

void Report(const char* name, const std::vector<double>& values, const char* unit)
{
    if (values.empty()) {
        std::printf("%-28s no values\n", name);
        return;
    }
    std::printf("%-28s median %8.2f %s  quartiles %8.2f – %8.2f  range %8.2f – %8.2f\n", name, Quantile(values, 0.5),
                unit, Quantile(values, 0.25), Quantile(values, 0.75), Quantile(values, 0), Quantile(values, 1));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: judge_bench <tarnwick> [rounds] [jdk bin folder]\n");
        return 2;
    }
    const QString tarnwick = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
    const QString jdk =
        argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("/usr/lib/jvm/java-17-openjdk-amd64/bin/");
    QTemporaryDir root;
    const QString sums = root.filePath(QStringLiteral("sum"));
    const QString spins = root.filePath(QStringLiteral("spin"));
    QDir().mkpath(sums);
    QDir().mkpath(spins);
    Write(sums + QStringLiteral("/Sum.java"), kSum);
    WriteCases(sums, 20);
    Write(spins + QStringLiteral("/Spin.java"), kSpin);
    WriteCases(spins, 6);
    Write(root.filePath(QStringLiteral("Setting.ini")), "[JDK]\nPath=" + jdk.toUtf8() + "\n");
    qputenv("TARNWICK_SETTINGS_DIR", QFile::encodeName(root.path()));
    qputenv("LANG", "C");
    const QString loop = QStringLiteral("'%1javac' Sum.java || exit 2; fail=0\n"
                                        "for f in sample-*.in; do '%1java' -cp . Sum < \"$f\" > out.txt; "
                                        "diff -q out.txt \"${f%.in}.out\" > /dev/null || fail=1; done; exit $fail")
                             .arg(jdk);

    std::vector<double> judged, looped, ratios;
    for (int round = 0; round < rounds; ++round) {
        const Run a = Time(tarnwick, {QStringLiteral("--judge"), QStringLiteral("Sum.java")}, sums);
        const Run b = Time(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), loop}, sums);
        if (a.exitCode != 0 || b.exitCode != 0)
            std::fprintf(stderr, "round %d: judge exit %d, loop exit %d\n%s", round, a.exitCode, b.exitCode,
                         a.out.constData());
        judged.push_back(a.ms);
        looped.push_back(b.ms);
        ratios.push_back(a.ms / b.ms);
    }
    std::printf("20 cases, %d rounds alternated, JDK %s\n", rounds, qPrintable(jdk));
    Report("tarnwick --judge", judged, "ms");
    Report("javac + java per case + diff", looped, "ms");
    Report("ratio judge / loop", ratios, "× ");

    // Each case's time as the judge prints it ("sample-1  Time limit exceeded  1.03 s"), less the limit.
    std::vector<double> over;
    const QRegularExpression line(QStringLiteral("Time limit exceeded  ([0-9.]+) s"));
    for (int round = 0; round < rounds; ++round) {
        const Run spin = Time(tarnwick,
                              {QStringLiteral("--judge"), QStringLiteral("Spin.java"), QStringLiteral("--time-limit"),
                               QStringLiteral("1")},
                              spins);
        auto matches = line.globalMatch(QString::fromUtf8(spin.out));
        while (matches.hasNext())
            over.push_back(matches.next().captured(1).toDouble() * 1000 - 1000);
    }
    std::printf("%zu time-limit cases of 1 s\n", over.size());
    Report("declared after the limit", over, "ms");
    return 0;
}
