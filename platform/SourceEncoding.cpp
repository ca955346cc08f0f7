#include "platform/SourceEncoding.h"

#include <QStringDecoder>

namespace platform {

namespace {

constexpr QByteArrayView kUtf8Bom("\xef\xbb\xbf");
constexpr QByteArrayView kUtf16LeBom("\xff\xfe");
constexpr QByteArrayView kUtf16BeBom("\xfe\xff");

bool HasHighBytes(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; });
}

// Text read without a complaint: Qt's converters (ICU's for the Japanese
// legacy encodings) report a cut character and a code that maps to nothing.
std::optional<QString> Decoded(QStringDecoder& decoder, QByteArrayView bytes)
{
    QString text = decoder.decode(bytes);
    if (!decoder.isValid() || decoder.hasError())
        return std::nullopt;
    return text;
}

// Every EUC-JP character is made of high bytes only, so the runs of high
// bytes are decoded together (a line feed between runs keeps them apart):
// the ASCII rest of a source costs nothing.
bool IsEucJp(QByteArrayView bytes)
{
    QByteArray runs;
    runs.reserve(bytes.size() / 2);
    bool inRun = false;
    for (const char c : bytes) {
        const bool high = uchar(c) >= 0x80;
        if (high)
            runs += c;
        else if (inRun)
            runs += '\n';
        inRun = high;
    }
    QStringDecoder decoder("EUC-JP", QStringDecoder::Flag::Stateless);
    return Decoded(decoder, runs).has_value();
}

const char* IcuName(SourceEncoding encoding)
{
    switch (encoding) {
    case SourceEncoding::ShiftJis: return "windows-31j";
    case SourceEncoding::EucJp: return "EUC-JP";
    case SourceEncoding::Utf16Le: return "UTF-16LE";
    case SourceEncoding::Utf16Be: return "UTF-16BE";
    default: return "UTF-8";
    }
}

}  // namespace

SourceEncoding DetectSourceEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return SourceEncoding::Utf8Bom;
    if (bytes.startsWith(kUtf16LeBom))
        return SourceEncoding::Utf16Le;
    if (bytes.startsWith(kUtf16BeBom))
        return SourceEncoding::Utf16Be;
    if (!HasHighBytes(bytes))
        return SourceEncoding::Ascii;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    if (Decoded(utf8, bytes))
        return SourceEncoding::Utf8;
    return IsEucJp(bytes) ? SourceEncoding::EucJp : SourceEncoding::ShiftJis;
}

QString JavaCharsetName(SourceEncoding encoding)
{
    switch (encoding) {
    case SourceEncoding::ShiftJis: return QStringLiteral("windows-31j");
    case SourceEncoding::EucJp: return QStringLiteral("EUC-JP");
    case SourceEncoding::Utf16Le:
    case SourceEncoding::Utf16Be: return QStringLiteral("UTF-16");
    default: return QStringLiteral("UTF-8");
    }
}

QString EncodingLabel(SourceEncoding encoding)
{
    switch (encoding) {
    case SourceEncoding::ShiftJis: return QStringLiteral("Shift_JIS");
    case SourceEncoding::Utf8Bom: return QStringLiteral("UTF-8（BOM付き）");
    case SourceEncoding::Ascii: return QStringLiteral("ASCII");
    default: return JavaCharsetName(encoding);
    }
}

std::optional<QString> DecodeSource(QByteArrayView bytes, SourceEncoding encoding)
{
    const QByteArrayView mark = encoding == SourceEncoding::Utf8Bom   ? kUtf8Bom
                                : encoding == SourceEncoding::Utf16Le ? kUtf16LeBom
                                : encoding == SourceEncoding::Utf16Be ? kUtf16BeBom
                                                                      : QByteArrayView();
    QStringDecoder decoder(IcuName(encoding), QStringDecoder::Flag::Stateless);
    return Decoded(decoder, bytes.sliced(mark.size()));
}

}  // namespace platform
