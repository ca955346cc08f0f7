#include "platform/ByteCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {

const char* NameOf(LegacyCodec codec) { return codec == LegacyCodec::Cp932 ? "windows-31j" : "EUC-JP"; }

std::optional<QString> Decode(LegacyCodec codec, QByteArrayView bytes, bool strict)
{
    QStringDecoder decoder(NameOf(codec), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (strict && decoder.hasError())
        return std::nullopt;
    return text;
}

}  // namespace

std::optional<QString> DecodeStrictly(LegacyCodec codec, QByteArrayView bytes) { return Decode(codec, bytes, true); }

std::optional<QString> DecodeLeniently(LegacyCodec codec, QByteArrayView bytes) { return Decode(codec, bytes, false); }

QString DecodeSystemText(QByteArrayView bytes) { return QString::fromLocal8Bit(bytes); }

namespace {

std::optional<QByteArray> Encode(LegacyCodec codec, QStringView text, bool strict)
{
    QStringEncoder encoder(NameOf(codec), QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (strict && encoder.hasError())
        return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<QByteArray> EncodeStrictly(LegacyCodec codec, QStringView text) { return Encode(codec, text, true); }

std::optional<QByteArray> EncodeLeniently(LegacyCodec codec, QStringView text) { return Encode(codec, text, false); }

}  // namespace platform
