#include "runner/CapturedText.h"

#include "platform/TextCodec.h"

#include <QFile>

namespace runner {

QString ShortenedNotice(qint64 shown, qint64 total)
{
    constexpr double kMiB = 1024.0 * 1024.0;
    return QStringLiteral(
               "【出力が長すぎるため、ここで打ち切りました。全体 %1 MB のうち先頭の %2 MB だけを表示しています。】\n")
        .arg(total / kMiB, 0, 'f', 1)
        .arg(shown / kMiB, 0, 'f', 1);
}

QString BrokenLinesNotice(qsizetype limit)
{
    return QStringLiteral("【%1 バイトを超える行は、途中で改行して表示しています。】\n").arg(limit);
}

namespace {

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
    bytes = NormalizeCapturedLines(std::move(bytes));
    const bool broken = BreakLongLines(bytes, kLineLimit);
    result.text += platform::DecodeToolOutput(bytes);
    if (broken)
        result.text += BrokenLinesNotice(kLineLimit);
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

qsizetype LinePieceLength(QByteArrayView line, qsizetype limit)
{
    if (line.size() <= limit)
        return line.size();
    const auto byte = [&line](qsizetype i) { return static_cast<unsigned char>(line[i]); };
    // Continuation bytes are 10xxxxxx; a character is at most 4 bytes, so its
    // lead byte (11xxxxxx) lies at most 3 bytes back.
    constexpr qsizetype kMaxBack = 3;
    qsizetype cut = limit;
    while (cut > 1 && limit - cut < kMaxBack && (byte(cut) & 0xC0) == 0x80)
        --cut;
    return cut == limit || byte(cut) >= 0xC0 ? cut : limit;
}

bool BreakLongLines(QByteArray& bytes, qsizetype limit)
{
    QByteArray out;
    qsizetype copied = 0;  // bytes of the input already in out
    qsizetype lineStart = 0;
    const qsizetype size = bytes.size();
    while (lineStart < size) {
        qsizetype lineEnd = bytes.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = size;
        while (lineEnd - lineStart > limit) {
            const qsizetype cut =
                lineStart + LinePieceLength(QByteArrayView(bytes).sliced(lineStart, lineEnd - lineStart), limit);
            if (out.isEmpty())
                out.reserve(size + size / limit + 1);
            out.append(bytes.constData() + copied, cut - copied);
            out.append('\n');
            copied = cut;
            lineStart = cut;
        }
        lineStart = lineEnd + 1;
    }
    if (copied == 0)
        return false;
    out.append(bytes.constData() + copied, size - copied);
    bytes = std::move(out);
    return true;
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
