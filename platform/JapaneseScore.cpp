#include "platform/JapaneseScore.h"

#include "platform/CommonKanji.h"
#include "platform/JapaneseCodes.h"

#include <array>

namespace platform {

namespace {

enum Class : uchar {
    Other,
    Hiragana,
    Katakana,
    Punctuation,  // JIS row 1: 、。「」ー and the like
    FullWidthAlnum,
    Symbol,        // rows 2 and 8: ※→■□ and box drawing
    PrimaryKanji,  // taught in primary school
    GeneralKanji,  // the rest of the list for general use
    Kanji1,        // the rest of JIS level 1
    Kanji2,
    NecSymbol,  // Windows' ①Ⅰ㈱
    IbmKanji,
    UserDefined,
    Supplement,  // JIS X 0212, only in EUC-JP
    Letter,      // U+0080-U+07FF: accented Latin, Greek, Cyrillic, ...
    OtherKanji,  // ideographs outside JIS X 0208
    ClassCount
};

// ln(share of Japanese text / characters in the class), in tenths: first
// estimated, then set on a dictionary's entries (platform tests) so that full-width
// text in either encoding is read right; a shorter reading of the same bytes
// has fewer, rarer characters.
constexpr std::array<int, ClassCount> kWeight = {
    /*Other*/ -140,         /*Hiragana*/ -55,    /*Katakana*/ -66,     /*Punctuation*/ -68,
    /*FullWidthAlnum*/ -80, /*Symbol*/ -100,     /*PrimaryKanji*/ -71, /*GeneralKanji*/ -85,
    /*Kanji1*/ -100,        /*Kanji2*/ -115,     /*NecSymbol*/ -106,   /*IbmKanji*/ -158,
    /*UserDefined*/ -200,   /*Supplement*/ -200, /*Letter*/ -142,      /*OtherKanji*/ -180};

// Half-width katakana: the first of a file, each further, and what reads well or
// badly. A sound mark or a long-vowel mark where a katakana word has one is
// rare in the kanji that the same bytes make in EUC-JP.
constexpr int kKanaRunStart = -140;
constexpr int kKanaInRun = -39;
constexpr int kKanaMisplaced = -20;
constexpr int kSoundMark = 54;
constexpr int kLongVowel = 31;
// An ASCII letter or sign right after a Japanese character (not a Latin-1
// one): a reading that leaves Shift_JIS's second bytes (0x40-0x7E) as ASCII
// pays for them.
constexpr int kAsciiAfterJapanese = -45;
// A Latin-1 letter or sign beside an ASCII letter or digit is a word of a
// European language (Café, 50 °C), not a kanji that the bytes also make.
constexpr int kInLatinWord = 80;

bool IsLatin(char32_t c) { return c >= 0xa0 && c <= 0x24f && c != 0xd7 && c != 0xf7; }
bool IsAsciiAlnum(char32_t c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); }

Class ClassOfRow(int row)
{
    switch (row) {
    case 1: return Punctuation;
    case 2:
    case 8: return Symbol;
    case 3: return FullWidthAlnum;
    case 4: return Hiragana;
    case 5: return Katakana;
    case 6:
    case 7: return Letter;
    case 13: return NecSymbol;
    default: break;
    }
    if (row >= 16 && row <= 47)
        return Kanji1;
    if (row >= 48 && row <= 84)
        return Kanji2;
    return row >= 95 && row <= 114 ? UserDefined : IbmKanji;
}

using ClassTable = std::array<Class, 0x10000>;

void SetRange(ClassTable& table, char16_t first, char16_t last, Class c)
{
    for (char32_t u = first; u <= last; ++u)
        table[u] = c;
}

// By JIS row where a character has one, so that every reading, UTF-8's too,
// is judged alike.
ClassTable BuildClasses()
{
    ClassTable table;
    table.fill(Other);
    SetRange(table, 0x3400, 0x4dbf, OtherKanji);
    SetRange(table, 0x4e00, 0x9fff, OtherKanji);
    SetRange(table, 0xf900, 0xfaff, OtherKanji);
    for (int row = 1; row <= 94; ++row) {
        for (int cell = 1; cell <= 94; ++cell) {
            if (const char16_t c = EucJpSupplementCell(row, cell))
                table[c] = Supplement;
        }
    }
    for (int row = 120; row >= 1; --row) {  // JIS X 0208 last: it wins over Windows' duplicates
        for (int cell = 1; cell <= 94; ++cell) {
            for (const char16_t c : {ShiftJisCell(row, cell), row <= 94 ? EucJpCell(row, cell) : char16_t(0)}) {
                if (c)
                    table[c] = ClassOfRow(row);
            }
        }
    }
    for (const auto& [kanji, c] :
         {std::pair(OtherKanjiOfGeneralUse(), GeneralKanji), std::pair(KanjiTaughtInPrimarySchool(), PrimaryKanji)}) {
        for (const char16_t k : kanji)
            table[k] = c;
    }
    for (char32_t u = 0x0080; u <= 0x07ff; ++u) {
        if (table[u] == Other || table[u] == Supplement)
            table[u] = Letter;  // ° ± × § keep their class of JIS X 0208's symbols
    }
    return table;
}

Class ClassOf(char32_t c)
{
    static const ClassTable table = BuildClasses();
    return c <= 0xffff ? table[c] : Other;
}

// The byte values of half-width katakana, as Shift_JIS writes them.
constexpr uchar kVoiced = 0xde, kSemiVoiced = 0xdf, kLong = 0xb0, kSmallTsu = 0xaf, kN = 0xdd, kWo = 0xa6;
bool InRange(uchar b, uchar first, uchar last) { return b >= first && b <= last; }
bool IsKana(uchar b) { return InRange(b, 0xa6, 0xdd); }  // ｦ-ﾝ, the small ones and ｰ included
bool IsSmallVowel(uchar b) { return InRange(b, 0xa7, 0xab); }
bool IsSmallY(uchar b) { return InRange(b, 0xac, 0xae); }
bool TakesVoicedMark(uchar b) { return InRange(b, 0xb6, 0xc4) || InRange(b, 0xca, 0xce) || b == 0xb3; }
bool TakesSemiVoicedMark(uchar b) { return InRange(b, 0xca, 0xce); }
bool IsIRow(uchar b) { return b == 0xb7 || b == 0xbc || b == 0xc1 || b == 0xc6 || b == 0xcb || b == 0xd0 || b == 0xd8; }
bool IsVowelOrN(uchar b) { return InRange(b, 0xb1, 0xb5) || b == kN; }

// Whether kana b may follow prev (0 at the start of a run) in a katakana word.
bool ReadsWell(uchar b, uchar prev, uchar beforePrev)
{
    const bool afterKana = prev && (IsKana(prev) || prev == kVoiced || prev == kSemiVoiced);
    if (b == kVoiced)
        return TakesVoicedMark(prev);
    if (b == kSemiVoiced)
        return TakesSemiVoicedMark(prev);
    if (b == kLong)
        return afterKana && prev != kSmallTsu;
    if (IsSmallVowel(b) || IsSmallY(b)) {
        if (!afterKana || IsSmallVowel(prev) || IsSmallY(prev) || prev == kSmallTsu || prev == kN || prev == kLong)
            return false;
        const uchar base = prev == kVoiced ? beforePrev : prev;
        return !IsSmallY(b) || IsIRow(base) || base == 0xc3 || (prev != kVoiced && (base == 0xcc || base == 0xb3));
    }
    if (b == kSmallTsu)
        return afterKana && prev != kSmallTsu && prev != kN && !IsSmallVowel(prev);
    if (b == kN)
        return prev != 0;
    if (b == kWo)
        return false;
    return prev != kSmallTsu || !IsVowelOrN(b);
}

}  // namespace

void JapaneseScore::Add(char32_t c)
{
    if (c >= 0xff61 && c <= 0xff9f)
        return AddHalfWidth(uchar(c - 0xff61 + 0xa1));
    m_kana = m_kanaBefore = 0;
    const bool latinAlone = std::exchange(m_latinAlone, false);
    if (c < 0x80) {
        if (m_afterJapanese && !m_afterLatin && c >= 0x40 && c <= 0x7e)
            m_total += kAsciiAfterJapanese;
        if (latinAlone && IsAsciiAlnum(c))
            m_total += kInLatinWord;
        m_afterJapanese = m_afterLatin = false;
        m_afterAlnum = IsAsciiAlnum(c);
        return;
    }
    m_total += kWeight[ClassOf(c)];
    m_afterLatin = IsLatin(c);
    if (m_afterLatin) {
        if (m_afterAlnum)
            m_total += kInLatinWord;
        m_latinAlone = !m_afterAlnum;
    }
    m_afterJapanese = true;
    m_afterAlnum = false;
}

void JapaneseScore::AddHalfWidth(uchar b)
{
    // Only a file's first run pays for half-width katakana appearing at all.
    m_total += (m_kana || m_kanaSeen ? kKanaInRun : kKanaRunStart) + m_halfWidthCost;
    m_kanaSeen = true;
    if (!ReadsWell(b, m_kana, m_kanaBefore))
        m_total += kKanaMisplaced;
    else if ((b == kVoiced || b == kSemiVoiced) && m_kana)
        m_total += kSoundMark;
    else if (b == kLong && m_kana)
        m_total += kLongVowel;
    m_kanaBefore = m_kana;
    m_kana = b;
    m_afterJapanese = true;
    m_afterAlnum = m_latinAlone = m_afterLatin = false;
}

}  // namespace platform
