#pragma once
// The encoding of a Java source, decided from its bytes alone: a byte-order
// mark decides (UTF-8, UTF-16LE, UTF-16BE); else bytes without a high bit are
// ASCII and valid UTF-8 is UTF-8; else EUC-JP when every run of high bytes
// reads as EUC-JP, else Shift_JIS (Windows' CP932). Shift_JIS text is almost
// never valid EUC-JP, while EUC-JP text nearly always reads as Shift_JIS
// half-width katakana, so only EUC-JP needs proving.
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

enum class SourceEncoding { Ascii, Utf8, Utf8Bom, Utf16Le, Utf16Be, ShiftJis, EucJp };

SourceEncoding DetectSourceEncoding(QByteArrayView bytes);

// The name that javac and javadoc take after -encoding ("UTF-16" reads
// either byte order by its mark).
QString JavaCharsetName(SourceEncoding encoding);

// The name shown to the user.
QString EncodingLabel(SourceEncoding encoding);

// The text without a byte-order mark; nothing when some bytes do not decode.
std::optional<QString> DecodeSource(QByteArrayView bytes, SourceEncoding encoding);

}  // namespace platform
