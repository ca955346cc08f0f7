#pragma once
// Decoders of UTF-8, Shift_JIS (windows-31j) and EUC-JP that take bytes in
// pieces of any size and accept exactly what the JDK's decoders of the same
// names accept, with the same characters (platform/JapaneseCodes). Each
// piece's characters go to a sink, which also hears of every byte sequence
// that does not decode.
#include "platform/JapaneseCodes.h"

#include <QByteArrayView>

namespace platform {

// A sink: void Character(char32_t), void Undecodable().
template <typename Sink>
concept CharacterSink = requires(Sink sink, char32_t c)
{
    sink.Character(c);
    sink.Undecodable();
};

// Gives each byte to the reader's Take; at the end a sequence left open is
// undecodable.
template <typename Reader>
class ByteReader {
public:
    template <CharacterSink Sink>
    void Feed(QByteArrayView bytes, Sink& sink)
    {
        for (const char byte : bytes)
            static_cast<Reader*>(this)->Take(uchar(byte), sink);
    }
    template <CharacterSink Sink>
    void Finish(Sink& sink)
    {
        Reader& reader = *static_cast<Reader*>(this);
        if (!reader.Idle())
            sink.Undecodable();
        reader = Reader();
    }
};

class Utf8Reader : public ByteReader<Utf8Reader> {
public:
    bool Idle() const { return m_missing == 0; }
    template <CharacterSink Sink>
    void Take(uchar b, Sink& sink);

private:
    int m_missing = 0;                  // continuation bytes still to come
    char32_t m_code = 0;                // the bits so far
    uchar m_low = 0x80, m_high = 0xbf;  // the range of the next continuation byte
};

class ShiftJisReader : public ByteReader<ShiftJisReader> {
public:
    bool Idle() const { return m_lead == 0; }
    template <CharacterSink Sink>
    void Take(uchar b, Sink& sink);

private:
    uchar m_lead = 0;
};

class EucJpReader : public ByteReader<EucJpReader> {
public:
    bool Idle() const { return m_first == 0; }
    template <CharacterSink Sink>
    void Take(uchar b, Sink& sink);

private:
    uchar m_first = 0;   // 0x8E, 0x8F or the first byte of a JIS X 0208 pair
    uchar m_second = 0;  // after 0x8F: the first byte of the JIS X 0212 pair
};

template <CharacterSink Sink>
void Utf8Reader::Take(uchar b, Sink& sink)
{
    if (m_missing) {
        if (b >= m_low && b <= m_high) {
            m_code = (m_code << 6) | (b & 0x3f);
            m_low = 0x80;
            m_high = 0xbf;
            if (--m_missing == 0)
                sink.Character(m_code);
            return;
        }
        m_missing = 0;
        sink.Undecodable();  // a cut sequence; b begins anew
    }
    if (b < 0x80)
        return sink.Character(b);
    // Neither overlong forms, surrogates nor codes beyond U+10FFFF.
    m_low = b == 0xe0 ? 0xa0 : b == 0xf0 ? 0x90 : 0x80;
    m_high = b == 0xed ? 0x9f : b == 0xf4 ? 0x8f : 0xbf;
    if (b >= 0xc2 && b <= 0xdf)
        m_missing = 1, m_code = b & 0x1f;
    else if (b >= 0xe0 && b <= 0xef)
        m_missing = 2, m_code = b & 0x0f;
    else if (b >= 0xf0 && b <= 0xf4)
        m_missing = 3, m_code = b & 0x07;
    else
        sink.Undecodable();
}

template <CharacterSink Sink>
void ShiftJisReader::Take(uchar b, Sink& sink)
{
    if (m_lead) {
        const uchar lead = std::exchange(m_lead, 0);
        if (const char16_t c = ShiftJisCharacter(lead, b))
            return sink.Character(c);
        sink.Undecodable();
        if (b >= 0x40 && b != 0x7f && b <= 0xfc)
            return;  // a second byte without a character: both go
    }
    if (b < 0x80)
        sink.Character(b);
    else if (IsHalfWidthKana(b))
        sink.Character(HalfWidthKana(b));
    else if (IsShiftJisLead(b))
        m_lead = b;
    else
        sink.Undecodable();
}

template <CharacterSink Sink>
void EucJpReader::Take(uchar b, Sink& sink)
{
    if (m_first) {
        const uchar first = m_first;
        char16_t c = 0;
        if (first == 0x8e)
            c = IsHalfWidthKana(b) ? HalfWidthKana(b) : 0;
        else if (first == 0x8f && !m_second && b >= 0xa1 && b <= 0xfe) {
            m_second = b;
            return;
        } else if (first == 0x8f && m_second)
            c = EucJpSupplementCharacter(m_second, b);
        else
            c = EucJpCharacter(first, b);
        m_first = m_second = 0;
        if (c)
            return sink.Character(c);
        sink.Undecodable();
        if (b >= 0x80)
            return;
    }
    if (b < 0x80)
        sink.Character(b);
    else if (b == 0x8e || b == 0x8f || (b >= 0xa1 && b <= 0xfe))
        m_first = b;
    else
        sink.Undecodable();
}

}  // namespace platform
