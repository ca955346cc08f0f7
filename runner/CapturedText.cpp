#include "runner/CapturedText.h"

#include "platform/TextCodec.h"

#include <QFile>

namespace runner {

namespace {

QString ShortenedNotice(qint64 shown, qint64 total)
{
    constexpr double kMiB = 1024.0 * 1024.0;
    return QStringLiteral("【出力が長すぎるため、ここで打ち切りました。全体 %1 MB のうち先頭の %2 MB だけを表示しています。】\n")
        .arg(total / kMiB, 0, 'f', 1)
        .arg(shown / kMiB, 0, 'f', 1);
}

// Appends one stream; true when it held anything.
bool AppendStream(const QString& path, qint64 limit, CapturedText& result)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    const qint64 total = file.size();
    QByteArray bytes = file.read(limit);
    if (bytes.isEmpty())
        return false;
    const bool cut = bytes.size() < total || !file.atEnd();
    if (cut) {
        // Keep whole lines (and so whole characters) when there is a line end.
        const qsizetype lastEnd = bytes.lastIndexOf('\n');
        if (lastEnd >= 0)
            bytes.truncate(lastEnd + 1);
    }
    const qint64 shown = bytes.size();
    result.text += platform::DecodeToolOutput(NormalizeCapturedLines(std::move(bytes)));
    if (cut) {
        result.text += ShortenedNotice(shown, qMax(total, shown));
        result.shortened = true;
    }
    return true;
}

}  // namespace

QByteArray NormalizeCapturedLines(QByteArray bytes)
{
    if (bytes.contains("\r\n"))
        bytes.replace("\r\n", "\n");
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes.append('\n');
    return bytes;
}

CapturedText ReadCapturedOutput(const QString& outputPath, const QString& errorPath, qint64 streamLimit)
{
    CapturedText result;
    const bool output = AppendStream(outputPath, streamLimit, result);
    const bool error = AppendStream(errorPath, streamLimit, result);
    result.hasOutput = output || error;
    return result;
}

}  // namespace runner
