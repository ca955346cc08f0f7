// output_window_probe window|plain <capture file>
// output_window_probe capture|live|live-unhinted <tool>
// window/plain: reads the capture file and shows it, in the output window or
// in a plain QPlainTextEdit. capture: runs the tool into capture files, then
// reads and shows them (the way before the live window). live: runs the tool
// with the live output window; live-unhinted: the same without hint rules. Prints the times to the first paint of text
// and to the whole text, the event loop's delays (99th percentile and
// maximum, from a 5 ms timer), the process's peak memory and the number of
// line breaks shown.
#include "output/OutputDialog.h"
#include "platform/TextCodec.h"
#include "runner/CaptureFiles.h"
#include "runner/CapturedText.h"
#include "runner/RunningTool.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace output;
using namespace platform;
using namespace runner;

namespace {

// Notes the time of the first paint of the edit's text area with text in it.
class FirstPaint : public QObject {
public:
    FirstPaint(const QElapsedTimer& timer, const QPlainTextEdit* edit)
        : m_timer(timer)
        , m_edit(edit)
    {}
    qint64 ms = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && ms < 0 && !m_edit->document()->isEmpty())
            ms = m_timer.elapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_timer;
    const QPlainTextEdit* m_edit;
};

// How late a 5 ms timer fires while the event loop is busy.
class LoopDelay {
public:
    LoopDelay()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            if (m_last > 0)
                m_delays.push_back(std::max<qint64>(0, now - m_last - kPeriodNs));
            m_last = now;
        });
        m_clock.start();
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.start(kPeriodNs / 1000000);
    }
    double PercentileMs(double p)
    {
        if (m_delays.empty())
            return 0;
        std::sort(m_delays.begin(), m_delays.end());
        return m_delays[static_cast<size_t>(p * (m_delays.size() - 1))] / 1e6;
    }

private:
    static constexpr qint64 kPeriodNs = 5000000;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    std::vector<qint64> m_delays;
};

long PeakKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

void WaitUntil(const std::function<bool()>& done)
{
    while (!done())
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QByteArray mode = argv[1];
    const QString path = QString::fromLocal8Bit(argv[2]);
    QElapsedTimer timer;
    LoopDelay delay;
    qint64 lines = 0;  // line breaks in the text shown
    qint64 allMs = -1;
    long peakKib = -1;
    qint64 firstMs = -1;
    timer.start();
    if (mode == "plain") {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        QPlainTextEdit edit;
        FirstPaint firstPaint(timer, &edit);
        edit.viewport()->installEventFilter(&firstPaint);
        edit.resize(600, 400);
        edit.setPlainText(platform::DecodeToolOutput(file.readAll()));
        edit.show();
        QApplication::processEvents();
        allMs = timer.elapsed();
        peakKib = PeakKib();  // before counting, which copies the text
        lines = edit.toPlainText().count(QLatin1Char('\n'));
        firstMs = firstPaint.ms;
    } else if (mode == "window") {
        OutputDialog dialog;
        FirstPaint firstPaint(timer, dialog.Edit());
        dialog.Edit()->viewport()->installEventFilter(&firstPaint);
        dialog.SetText(runner::ReadCapturedOutput(path, {}).text);
        dialog.show();
        WaitUntil([&] { return !dialog.IsLoading(); });
        allMs = timer.elapsed();
        peakKib = PeakKib();  // before counting, which copies the text
        lines = dialog.Text().count(QLatin1Char('\n'));
        firstMs = firstPaint.ms;
    } else if (mode == "live" || mode == "live-unhinted") {
        OutputDialog dialog;
        FirstPaint firstPaint(timer, dialog.Edit());
        dialog.Edit()->viewport()->installEventFilter(&firstPaint);
        runner::RunningTool run;
        QObject::connect(&run, &runner::RunningTool::TextArrived, &dialog, &OutputDialog::AppendText);
        QObject::connect(&run, &runner::RunningTool::Finished, &dialog,
                         [&](const runner::ToolOutcome& outcome) { dialog.EndRun(outcome); });
        if (!run.Start({path, {}, {}}, false))
            return 1;
        dialog.BeginRun(QStringLiteral("tool"), path, false, QStringLiteral("/nonexistent/"));
        if (mode == "live-unhinted") {
            output::HintContext context;
            context.folder = QStringLiteral("/nonexistent/");
            dialog.Edit()->BeginMarkup(context, {});
        }
        dialog.show();
        WaitUntil([&] { return !dialog.IsRunning() && !dialog.HasUnshownText(); });
        allMs = timer.elapsed();
        peakKib = PeakKib();  // before counting, which copies the text
        lines = dialog.Text().count(QLatin1Char('\n'));
        firstMs = firstPaint.ms;
    } else {
        CaptureFiles capture;
        if (!capture.Prepare())
            return 1;
        QProcess process;
        process.setProgram(path);
        capture.Attach(process);
        process.start();
        WaitUntil([&] { return process.state() == QProcess::NotRunning; });
        OutputDialog dialog;
        FirstPaint firstPaint(timer, dialog.Edit());
        dialog.Edit()->viewport()->installEventFilter(&firstPaint);
        dialog.SetText(runner::ReadCapturedOutput(capture.OutputPath(), capture.ErrorPath()).text);
        dialog.show();
        WaitUntil([&] { return !dialog.IsLoading(); });
        allMs = timer.elapsed();
        peakKib = PeakKib();  // before counting, which copies the text
        lines = dialog.Text().count(QLatin1Char('\n'));
        firstMs = firstPaint.ms;
    }
    std::printf("first_ms=%lld all_ms=%lld delay_p99_ms=%.1f delay_max_ms=%.1f peak_kib=%ld lines=%lld\n",
                static_cast<long long>(firstMs), static_cast<long long>(allMs), delay.PercentileMs(0.99),
                delay.PercentileMs(1.0), peakKib, static_cast<long long>(lines));
    return 0;
}
