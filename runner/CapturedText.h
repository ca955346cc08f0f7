#pragma once
// The text of a captured run: standard output first, then standard error,
// each line ended by one LF.
#include <QString>

namespace runner {

struct CapturedText {
    QString text;
    bool hasOutput = false;  // either file held at least one byte
    bool shortened = false;  // a stream was longer than the limit
};

// Each stream contributes at most this many bytes; the rest is replaced by a
// notice line.
inline constexpr qint64 kStreamLimit = qint64(64) << 20;

CapturedText ReadCapturedOutput(const QString& outputPath, const QString& errorPath,
                                qint64 streamLimit = kStreamLimit);

// CR LF and lone LF end a line; a last line without an end gets one LF.
QByteArray NormalizeCapturedLines(QByteArray bytes);

}  // namespace runner
