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

std::optional<QString> DecodeLeniently(LegacyCodec codec, QByteArrayView bytes) { return Decode(codec, bytes, 0); }

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
