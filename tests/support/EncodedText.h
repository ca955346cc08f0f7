#pragma once
// A text as a file in one of the encodings sources come in, written by ICU's
// converters (Qt's): the bytes an editor saves, byte-order mark included.
#include "platform/SourceEncoding.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

inline QByteArray EncodedText(platform::SourceEncoding encoding, const QString& text)
{
    using platform::SourceEncoding;
    const auto with = [&](const char* name, const QByteArray& mark = {}) {
        QStringEncoder encoder(name);
        QByteArray bytes = mark + QByteArray(encoder.encode(text));
        EXPECT_FALSE(encoder.hasError()) << name;
        return bytes;
    };
    switch (encoding) {
    case SourceEncoding::ShiftJis: return with("windows-31j");
    case SourceEncoding::EucJp: return with("EUC-JP");
    case SourceEncoding::Utf8Bom: return with("UTF-8", "\xef\xbb\xbf");
    case SourceEncoding::Utf16Le: return with("UTF-16LE", "\xff\xfe");
    case SourceEncoding::Utf16Be: return with("UTF-16BE", "\xfe\xff");
    default: return with("UTF-8");
    }
}

inline constexpr platform::SourceEncoding kSourceEncodings[] = {
    platform::SourceEncoding::ShiftJis, platform::SourceEncoding::EucJp,   platform::SourceEncoding::Utf8,
    platform::SourceEncoding::Utf8Bom,  platform::SourceEncoding::Utf16Le, platform::SourceEncoding::Utf16Be};
