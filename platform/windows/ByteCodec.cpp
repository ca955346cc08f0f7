// Windows: code page 932 (Shift_JIS with Microsoft's extensions) and 20932
// (EUC-JP with JIS X 0208 and 0212), through the system's converters.
#include "platform/ByteCodec.h"

#include <windows.h>

namespace platform {

namespace {

UINT CodePageOf(LegacyCodec codec) { return codec == LegacyCodec::Cp932 ? 932 : 20932; }

std::optional<QString> Decode(LegacyCodec codec, QByteArrayView bytes, DWORD flags)
{
    if (bytes.isEmpty())
        return QString();
    const auto size = int(bytes.size());
    const int length = ::MultiByteToWideChar(CodePageOf(codec), flags, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    ::MultiByteToWideChar(CodePageOf(codec), flags, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()),
                          length);
    return text;
}

}  // namespace

std::optional<QString> DecodeStrictly(LegacyCodec codec, QByteArrayView bytes)
{
    return Decode(codec, bytes, MB_ERR_INVALID_CHARS);
}

namespace {

// The bytes of the character that starts with lead, by the encoding's rules.
qsizetype CharacterLength(LegacyCodec codec, uchar lead)
{
    if (codec == LegacyCodec::Cp932)
        return (lead >= 0x81 && lead <= 0x9f) || (lead >= 0xe0 && lead <= 0xfc) ? 2 : 1;
    return lead == 0x8f ? 3 : lead == 0x8e || lead >= 0xa1 ? 2 : 1;
}

}  // namespace

// Character by character when the whole is not valid, so that what cannot be
// read becomes U+FFFD (the code pages' own default is U+30FB) and an
// unfinished character at the end is dropped, as on Linux.
std::optional<QString> DecodeLeniently(LegacyCodec codec, QByteArrayView bytes)
{
    if (std::optional<QString> text = DecodeStrictly(codec, bytes))
        return text;
    QString text;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = CharacterLength(codec, uchar(bytes[at]));
        if (at + length > bytes.size())
            break;
        if (const std::optional<QString> character = Decode(codec, bytes.sliced(at, length), MB_ERR_INVALID_CHARS)) {
            text += *character;
            at += length;
        } else {
            text += QChar::ReplacementCharacter;
            ++at;
        }
    }
    return text;
}

// A JDK writes into a pipe in native.encoding, which is the ANSI code page.
QString DecodeSystemText(QByteArrayView bytes)
{
    if (::GetACP() == 932)
        return DecodeLeniently(LegacyCodec::Cp932, bytes).value_or(QString());
    return QString::fromLocal8Bit(bytes);
}

namespace {

// Strictly: a character that takes the default "?" is an error.
std::optional<QByteArray> Encode(LegacyCodec codec, QStringView text, bool strict)
{
    if (text.isEmpty())
        return QByteArray();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const auto size = int(text.size());
    BOOL defaulted = FALSE;
    const int length = ::WideCharToMultiByte(CodePageOf(codec), 0, wide, size, nullptr, 0, nullptr, &defaulted);
    if (length <= 0 || (strict && defaulted))
        return std::nullopt;
    QByteArray bytes(length, Qt::Uninitialized);
    ::WideCharToMultiByte(CodePageOf(codec), 0, wide, size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

}  // namespace

std::optional<QByteArray> EncodeStrictly(LegacyCodec codec, QStringView text) { return Encode(codec, text, true); }

std::optional<QByteArray> EncodeLeniently(LegacyCodec codec, QStringView text) { return Encode(codec, text, false); }

}  // namespace platform
