#include "platform/TextCodec.h"

#include "platform/ByteCodec.h"

#include <QStringDecoder>

namespace platform {

namespace {

bool IsCp932LeadByte(uchar b) { return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc); }

// A lead byte with no byte after it: the decoder drops it silently.
bool EndsInLoneLeadByte(const QByteArray& bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        const bool lead = IsCp932LeadByte(uchar(bytes[i]));
        if (lead && i + 1 == bytes.size())
            return true;
        i += lead ? 2 : 1;
    }
    return false;
}

}  // namespace

bool IsValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString DecodeFileText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return FromCp932(bytes);
}

QString DecodeToolOutput(const QByteArray& bytes)
{
#ifdef Q_OS_WIN
    // A JDK on Windows writes into a pipe in the system's code page (932 on
    // a Japanese system) unless told otherwise; a program may write UTF-8.
    // Decided line by line, so that where the bytes arrive cut changes nothing.
    QString text;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', start);
        const qsizetype stop = end < 0 ? bytes.size() : end + 1;
        const QByteArray line = bytes.sliced(start, stop - start);
        text += IsValidUtf8(line) ? QString::fromUtf8(line) : DecodeSystemText(line);
        start = stop;
    }
    return text;
#else
    // The default decoder substitutes U+FFFD for each invalid sequence.
    return QString::fromUtf8(bytes);
#endif
}

QByteArray EncodeFileText(const QString& text) { return text.toUtf8(); }

QByteArray ToCp932(const QString& text) { return EncodeLeniently(LegacyCodec::Cp932, text).value_or(text.toLatin1()); }

QString FromCp932(const QByteArray& bytes)
{
    std::optional<QString> text = DecodeLeniently(LegacyCodec::Cp932, bytes);
    if (!text)
        return QString::fromLatin1(bytes);
    if (EndsInLoneLeadByte(bytes))
        *text += QChar::ReplacementCharacter;
    return *text;
}

bool IsValidCp932(const QByteArray& bytes) { return DecodeStrictly(LegacyCodec::Cp932, bytes).has_value(); }

bool IsCp932Encodable(const QString& text)
{
    const std::optional<QByteArray> bytes = EncodeStrictly(LegacyCodec::Cp932, text);
    return bytes && FromCp932(*bytes) == text;
}

}  // namespace platform
