#pragma once
// A text as a file in one of the encodings sources come in, written by the
// system's converters: the bytes an editor saves, byte-order mark included.
#include "platform/ByteCodec.h"
#include "platform/SourceEncoding.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

inline QByteArray EncodedText(platform::SourceEncoding encoding, const QString& text)
{
    using E = platform::SourceEncoding;
    if (encoding == E::ShiftJis || encoding == E::EucJp) {
        const auto codec = encoding == E::ShiftJis ? platform::LegacyCodec::Cp932 : platform::LegacyCodec::EucJp;
        const std::optional<QByteArray> bytes = platform::EncodeStrictly(codec, text);
        EXPECT_TRUE(bytes.has_value()) << (encoding == E::ShiftJis ? "Shift_JIS" : "EUC-JP");
        return bytes.value_or(QByteArray());
    }
    const auto [name, mark] = encoding == E::ShiftJis  ? std::pair("windows-31j", "")
                              : encoding == E::EucJp   ? std::pair("EUC-JP", "")
                              : encoding == E::Utf8Bom ? std::pair("UTF-8", "\xef\xbb\xbf")
                              : encoding == E::Utf16Le ? std::pair("UTF-16LE", "\xff\xfe")
                              : encoding == E::Utf16Be ? std::pair("UTF-16BE", "\xfe\xff")
                                                       : std::pair("UTF-8", "");
    QStringEncoder encoder(name);
    const QByteArray bytes = mark + QByteArray(encoder.encode(text));
    EXPECT_FALSE(encoder.hasError()) << name;
    return bytes;
}

inline constexpr platform::SourceEncoding kSourceEncodings[] = {
    platform::SourceEncoding::ShiftJis, platform::SourceEncoding::EucJp,   platform::SourceEncoding::Utf8,
    platform::SourceEncoding::Utf8Bom,  platform::SourceEncoding::Utf16Le, platform::SourceEncoding::Utf16Be};
