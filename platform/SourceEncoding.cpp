#include "platform/SourceEncoding.h"

#include "platform/FileContent.h"
#include "platform/JapaneseScore.h"
#include "platform/TextReaders.h"

namespace platform {

namespace {

constexpr QByteArrayView kUtf8Bom("\xef\xbb\xbf");
constexpr QByteArrayView kUtf16LeBom("\xff\xfe");
constexpr QByteArrayView kUtf16BeBom("\xfe\xff");

// EUC-JP writes each half-width katakana behind an escape byte; files rarely do.
constexpr int kEucJpHalfWidthCost = -10;
// Most sources written today are UTF-8: it wins a close call against the others.
constexpr int kUtf8Lead = 10;

std::optional<SourceEncoding> MarkOf(QByteArrayView start)
{
    if (start.startsWith(kUtf8Bom))
        return SourceEncoding::Utf8Bom;
    if (start.startsWith(kUtf16LeBom))
        return SourceEncoding::Utf16Le;
    if (start.startsWith(kUtf16BeBom))
        return SourceEncoding::Utf16Be;
    return std::nullopt;
}

// What one reading of the bytes came to.
struct Tally {
    explicit Tally(int halfWidthCost = 0)
        : score(halfWidthCost)
    {}
    void Character(char32_t c) { score.Add(c); }
    void Undecodable() { ++undecodable; }
    JapaneseScore score;
    qint64 undecodable = 0;
};

struct Text {
    void Character(char32_t c) { text.append(QChar::fromUcs4(c)); }
    void Undecodable() { failed = true; }
    QString text;
    bool failed = false;
};

template <typename Reader>
std::optional<QString> Decoded(QByteArrayView bytes)
{
    Reader reader;
    Text sink;
    reader.Feed(bytes, sink);
    reader.Finish(sink);
    return sink.failed ? std::nullopt : std::optional<QString>(sink.text);
}

// UTF-16 as the JDK reads it: surrogates only in pairs, no odd byte at the end.
std::optional<QString> DecodedUtf16(QByteArrayView bytes, bool littleEndian)
{
    if (bytes.size() % 2)
        return std::nullopt;
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto a = uchar(bytes[2 * i]), b = uchar(bytes[2 * i + 1]);
        text[i] = QChar(littleEndian ? char16_t(a | b << 8) : char16_t(b | a << 8));
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return std::nullopt;
    }
    return text;
}

}  // namespace

struct SourceEncodingDetector::Readings {
    Utf8Reader utf8;
    ShiftJisReader shiftJis;
    EucJpReader eucJp;
    Tally utf8Tally, shiftJisTally, eucJpTally{kEucJpHalfWidthCost};

    void Feed(QByteArrayView bytes)
    {
        utf8.Feed(bytes, utf8Tally);
        shiftJis.Feed(bytes, shiftJisTally);
        eucJp.Feed(bytes, eucJpTally);
    }
};

SourceEncodingDetector::SourceEncodingDetector()
    : m_readings(std::make_unique<Readings>())
{}

SourceEncodingDetector::~SourceEncodingDetector() = default;

// ASCII reads alike in all three, so a run of it goes by at the speed of a
// scan: only its first two bytes may finish a character or follow one, and
// only its last may stand beside the next one.
void SourceEncodingDetector::Feed(QByteArrayView piece)
{
    if (!m_marked && m_start.size() < 3) {
        m_start += piece.first(std::min<qsizetype>(piece.size(), 3 - m_start.size()));
        m_marked = MarkOf(m_start);
    }
    if (m_marked)
        return;
    for (qsizetype i = 0; i < piece.size();) {
        const bool high = uchar(piece[i]) >= 0x80;
        qsizetype end = i + 1;
        while (end < piece.size() && (uchar(piece[end]) >= 0x80) == high)
            ++end;
        if (high) {
            m_high = true;
            m_asciiFed = 0;
            m_readings->Feed(piece.sliced(i, end - i));
        } else {
            const qsizetype fed = std::min<qsizetype>(end - i, 2 - m_asciiFed);
            m_readings->Feed(piece.sliced(i, fed));
            if (i + fed < end)
                m_readings->Feed(piece.sliced(end - 1, 1));
            m_asciiFed += int(fed);
        }
        i = end;
    }
}

SourceEncoding SourceEncodingDetector::Result()
{
    if (m_marked)
        return *m_marked;
    if (!m_high)
        return SourceEncoding::Ascii;
    Readings& r = *m_readings;
    r.utf8.Finish(r.utf8Tally);
    r.shiftJis.Finish(r.shiftJisTally);
    r.eucJp.Finish(r.eucJpTally);
    // Fewest undecodable sequences, then the higher score; Shift_JIS, then
    // UTF-8, when they tie.
    const struct {
        SourceEncoding encoding;
        const Tally& tally;
        int lead;
    } candidates[] = {{SourceEncoding::ShiftJis, r.shiftJisTally, 0},
                      {SourceEncoding::Utf8, r.utf8Tally, kUtf8Lead},
                      {SourceEncoding::EucJp, r.eucJpTally, 0}};
    const auto* best = &candidates[0];
    for (const auto& c : candidates) {
        if (std::pair(-c.tally.undecodable, c.tally.score.Total() + c.lead)
            > std::pair(-best->tally.undecodable, best->tally.score.Total() + best->lead))
            best = &c;
    }
    return best->encoding;
}

SourceEncoding DetectSourceEncoding(QByteArrayView bytes)
{
    SourceEncodingDetector detector;
    detector.Feed(bytes);
    return detector.Result();
}

std::optional<SourceEncoding> DetectFileEncoding(const QString& path)
{
    SourceEncodingDetector detector;
    if (!ReadFileInPieces(path, [&detector](QByteArrayView piece) { detector.Feed(piece); }))
        return std::nullopt;
    return detector.Result();
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
    switch (encoding) {
    case SourceEncoding::ShiftJis: return Decoded<ShiftJisReader>(bytes);
    case SourceEncoding::EucJp: return Decoded<EucJpReader>(bytes);
    case SourceEncoding::Utf16Le: return DecodedUtf16(bytes.sliced(kUtf16LeBom.size()), true);
    case SourceEncoding::Utf16Be: return DecodedUtf16(bytes.sliced(kUtf16BeBom.size()), false);
    case SourceEncoding::Utf8Bom: return Decoded<Utf8Reader>(bytes.sliced(kUtf8Bom.size()));
    default: return Decoded<Utf8Reader>(bytes);
    }
}

}  // namespace platform
