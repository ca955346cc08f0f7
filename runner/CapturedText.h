#pragma once
// The text of a captured run: standard output first, then standard error,
// each line ended by one LF.
#include <QByteArrayView>
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

CapturedText ReadCapturedOutput(const QString& outputPath, const QString& errorPath, qint64 streamLimit = kStreamLimit);

// A window lays out a very long line slowly and all at once, so lines are
// broken after this many bytes (with a notice).
inline constexpr qsizetype kLineLimit = 8192;

// How many bytes from the start of line (the rest of one line, without its
// LF) form the next piece of at most limit bytes: all of them when they fit,
// else limit, less the part of a UTF-8 character that the limit would split
// (at most 3 bytes; bytes that start no character are cut at the limit).
// Needs only the bytes up to limit + 1, so it serves text that arrives in
// pieces as well.
qsizetype LinePieceLength(QByteArrayView line, qsizetype limit);

// The notices that end a text cut after shown of total bytes, or one whose
// lines over limit bytes were broken.
QString ShortenedNotice(qint64 shown, qint64 total);
QString BrokenLinesNotice(qsizetype limit);

// Inserts a line break wherever a line is longer than limit bytes, never
// inside a UTF-8 character; false when no line was that long. Linear in the
// size of bytes.
bool BreakLongLines(QByteArray& bytes, qsizetype limit);

// CR LF and lone LF end a line; a last line without an end gets one LF.
QByteArray NormalizeCapturedLines(QByteArray bytes);

}  // namespace runner
