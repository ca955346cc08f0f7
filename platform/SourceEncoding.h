#pragma once
// The encoding of a Java source, decided from its bytes alone. A byte-order
// mark decides (UTF-8, UTF-16LE, UTF-16BE), and bytes without a high bit are
// ASCII. Otherwise UTF-8, Shift_JIS (Windows' CP932, windows-31j) and EUC-JP
// are each a candidate when the JDK's decoder of that name, which javac will
// use, reads every byte; of the candidates, the reading that reads most like
// Japanese text wins (platform/JapaneseScore), and Shift_JIS, the encoding
// learners' files most often have, when they read alike. When no encoding
// reads every byte, the one with the fewest undecodable sequences wins, so
// that javac reports the few.
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace platform {

enum class SourceEncoding { Ascii, Utf8, Utf8Bom, Utf16Le, Utf16Be, ShiftJis, EucJp };

// Takes a file in pieces of any size: memory does not grow with the file.
class SourceEncodingDetector {
public:
    SourceEncodingDetector();
    ~SourceEncodingDetector();
    SourceEncodingDetector(const SourceEncodingDetector&) = delete;
    SourceEncodingDetector& operator=(const SourceEncodingDetector&) = delete;

    void Feed(QByteArrayView piece);
    // After the last piece.
    SourceEncoding Result();

private:
    struct Readings;
    QByteArray m_start;  // the first bytes, until a byte-order mark is decided
    std::optional<SourceEncoding> m_marked;
    bool m_high = false;
    int m_asciiFed = 0;  // ASCII bytes read since the last high byte, up to two
    std::unique_ptr<Readings> m_readings;
};

SourceEncoding DetectSourceEncoding(QByteArrayView bytes);
// The file read in pieces; nothing when it is not a readable regular file.
std::optional<SourceEncoding> DetectFileEncoding(const QString& path);

// The name that javac and javadoc take after -encoding ("UTF-16" reads
// either byte order by its mark).
QString JavaCharsetName(SourceEncoding encoding);

// The name shown to the user.
QString EncodingLabel(SourceEncoding encoding);

// The text as javac reads it, without a byte-order mark; nothing when some
// bytes do not decode.
std::optional<QString> DecodeSource(QByteArrayView bytes, SourceEncoding encoding);

}  // namespace platform
