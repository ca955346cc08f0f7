// output_window_probe window|plain <capture file>
// Reads the capture file and shows it, in the output window or in a plain
// QPlainTextEdit, then prints the times to the first paint of the text and
// to the whole text, and the process's peak memory.
#include "platform/TextCodec.h"
#include "runner/COutputDialog.h"
#include "runner/CapturedText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Notes the time of the first paint of the edit's text area.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& timer)
        : m_timer(timer)
    {}
    qint64 ms = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && ms < 0)
            ms = m_timer.elapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_timer;
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

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const bool plain = qstrcmp(argv[1], "plain") == 0;
    const QString path = QString::fromLocal8Bit(argv[2]);
    QElapsedTimer timer;
    timer.start();
    FirstPaint firstPaint(timer);
    qint64 lines = 0;
    if (plain) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        QPlainTextEdit edit;
        edit.viewport()->installEventFilter(&firstPaint);
        edit.resize(600, 400);
        edit.setPlainText(platform::DecodeToolOutput(file.readAll()));
        edit.show();
        QApplication::processEvents();
        lines = edit.document()->blockCount();
    } else {
        COutputDialog dialog;
        dialog.Edit()->viewport()->installEventFilter(&firstPaint);
        dialog.SetText(runner::ReadCapturedOutput(path, {}).text);
        dialog.show();
        while (dialog.IsLoading())
            QApplication::processEvents();
        lines = dialog.Edit()->document()->blockCount();
    }
    std::printf("first_ms=%lld all_ms=%lld peak_kib=%ld lines=%lld\n", static_cast<long long>(firstPaint.ms),
                static_cast<long long>(timer.elapsed()), PeakKib(), static_cast<long long>(lines));
    return 0;
}
