#include "settings/IniText.h"

#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace settings {

namespace {

const QByteArray kUtf8Bom("\xef\xbb\xbf");
const QByteArray kUtf16LeBom("\xff\xfe");
const QByteArray kUtf16BeBom("\xfe\xff");

bool IsUtf16(IniEncoding encoding) { return encoding == IniEncoding::Utf16Le || encoding == IniEncoding::Utf16Be; }

IniEncoding DetectEncoding(const QByteArray& bytes, QByteArray* bom)
{
    for (const auto& [mark, encoding] :
         {std::pair{kUtf8Bom, IniEncoding::Utf8}, std::pair{kUtf16LeBom, IniEncoding::Utf16Le},
          std::pair{kUtf16BeBom, IniEncoding::Utf16Be}}) {
        if (bytes.startsWith(mark)) {
            *bom = mark;
            return encoding;
        }
    }
    bom->clear();
    return platform::IsValidUtf8(bytes) ? IniEncoding::Utf8 : IniEncoding::Cp932;
}

char16_t UnitAt(IniEncoding encoding, const QByteArray& bytes, qsizetype i)
{
    const auto byte = [&](qsizetype at) { return char16_t(uchar(bytes[at])); };
    switch (encoding) {
    case IniEncoding::Utf16Le: return char16_t(byte(i) | byte(i + 1) << 8);
    case IniEncoding::Utf16Be: return char16_t(byte(i) << 8 | byte(i + 1));
    default: return byte(i);
    }
}

// Qt passes lone surrogates through; they read as U+FFFD like other damage.
QString ReplaceLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QStringConverter::Encoding QtEncoding(IniEncoding encoding)
{
    return encoding == IniEncoding::Utf16Le   ? QStringConverter::Utf16LE
           : encoding == IniEncoding::Utf16Be ? QStringConverter::Utf16BE
                                              : QStringConverter::Utf8;
}

}  // namespace

IniText SplitIniText(const QByteArray& bytes)
{
    IniText text;
    text.encoding = DetectEncoding(bytes, &text.bom);
    const qsizetype width = IsUtf16(text.encoding) ? 2 : 1;
    const qsizetype n = bytes.size() - (bytes.size() - text.bom.size()) % width;  // whole units only
    qsizetype start = text.bom.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && UnitAt(text.encoding, bytes, end) != u'\n' && UnitAt(text.encoding, bytes, end) != u'\r')
            end += width;
        qsizetype next = end;
        if (end < n) {
            const bool crlf = UnitAt(text.encoding, bytes, end) == u'\r' && end + width < n
                              && UnitAt(text.encoding, bytes, end + width) == u'\n';
            next = end + (crlf ? 2 * width : width);
        }
        text.lines.append({bytes.mid(start, end - start), bytes.mid(end, next - end)});
        start = next;
    }
    if (n < bytes.size()) {  // half a UTF-16 unit at the end
        if (text.lines.isEmpty() || !text.lines.last().ending.isEmpty())
            text.lines.append(IniLine{});
        text.lines.last().bytes += bytes.mid(n);
    }
    return text;
}

QByteArray JoinIniText(const IniText& text)
{
    QByteArray out = text.bom;
    for (const IniLine& line : text.lines) {
        out += line.bytes;
        out += line.ending;
    }
    return out;
}

QString DecodeIniLine(IniEncoding encoding, const QByteArray& bytes)
{
    if (encoding == IniEncoding::Cp932)
        return platform::FromCp932(bytes);
    // A mark at the start of a line is text here: the file's own mark is gone.
    QStringDecoder decoder(QtEncoding(encoding),
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    return IsUtf16(encoding) ? ReplaceLoneSurrogates(text) : text;
}

QByteArray EncodeIniLine(IniEncoding encoding, const QString& text)
{
    if (encoding == IniEncoding::Cp932)
        return platform::ToCp932(text);
    QStringEncoder encoder(QtEncoding(encoding));
    return encoder.encode(text);
}

void EndIniLine(IniEncoding encoding, IniLine& line)
{
    if (!line.ending.isEmpty())
        return;
    // Half a UTF-16 unit is completed as a lone high surrogate: it still reads
    // as U+FFFD, keeps its byte, and the line end after it stays aligned.
    if (IsUtf16(encoding) && line.bytes.size() % 2 != 0)
        line.bytes.insert(encoding == IniEncoding::Utf16Le ? line.bytes.size() : line.bytes.size() - 1, '\xd8');
    line.ending = EncodeIniLine(encoding, QStringLiteral("\r\n"));
}

void MoveIniTextToUtf8(IniText& text)
{
    bool keptBytes = false;
    for (IniLine& line : text.lines) {
        if (platform::IsValidCp932(line.bytes))
            line.bytes = platform::FromCp932(line.bytes).toUtf8();
        else
            keptBytes = true;
    }
    text.encoding = IniEncoding::Utf8;
    if (keptBytes)
        text.bom = kUtf8Bom;
}

}  // namespace settings
