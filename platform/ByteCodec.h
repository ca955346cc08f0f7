#pragma once
// Converting between text and the bytes of a legacy Japanese encoding by the
// system's own tables: ICU's through Qt on Linux, the code pages on Windows.
#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

enum class LegacyCodec { Cp932, EucJp };

// The text, or nothing when the bytes are not valid in codec (or the system
// has no table for it).
std::optional<QString> DecodeStrictly(LegacyCodec codec, QByteArrayView bytes);

// The text, with U+FFFD for what cannot be read; nothing when the system has
// no table for codec.
std::optional<QString> DecodeLeniently(LegacyCodec codec, QByteArrayView bytes);

// Text in the encoding the system's programs write when not told otherwise:
// Windows' ANSI code page (932 on a Japanese system, read as above), the
// locale's encoding elsewhere.
QString DecodeSystemText(QByteArrayView bytes);

// The bytes, or nothing when a character has no code in codec.
std::optional<QByteArray> EncodeStrictly(LegacyCodec codec, QStringView text);

// The bytes, with "?" for a character that has no code in codec; nothing
// when the system has no table for codec.
std::optional<QByteArray> EncodeLeniently(LegacyCodec codec, QStringView text);

}  // namespace platform
