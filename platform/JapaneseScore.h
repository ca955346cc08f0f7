#pragma once
// How much a reading of a file's bytes reads as Japanese: a log-likelihood,
// in tenths, of the characters one reading gives, by classes of characters
// and how often Japanese text uses them (hiragana, katakana, punctuation,
// kanji of JIS levels 1 and 2, symbols, and what Japanese text hardly holds:
// the user-defined area, JIS X 0212, letters of other scripts). Half-width
// katakana are scored as words: a sound mark after a kana that takes it or a
// long-vowel mark after a kana reads well, a mark without one does not.
// The same bytes read in another encoding give other characters, so the
// reading with the higher score is the likelier one.
#include <QtGlobal>

namespace platform {

class JapaneseScore {
public:
    // halfWidthCost: what each half-width katakana costs besides (EUC-JP
    // needs an escape byte for each, so files rarely hold them).
    explicit JapaneseScore(int halfWidthCost = 0)
        : m_halfWidthCost(halfWidthCost)
    {}

    void Add(char32_t c);
    qint64 Total() const { return m_total; }

private:
    void AddHalfWidth(uchar b);
    void AddOther(char32_t c);

    int m_halfWidthCost;
    qint64 m_total = 0;
    bool m_afterJapanese = false;  // the last character was not ASCII
    bool m_kanaSeen = false;
    bool m_afterAlnum = false;  // the last character was an ASCII letter or digit
    bool m_latinAlone = false;  // the last was a Latin-1 letter with none before it
    bool m_afterLatin = false;  // the last was a Latin-1 letter
    uchar m_kana = 0;           // the last half-width katakana of a run, as its Shift_JIS byte
    uchar m_kanaBefore = 0;     // and the one before it
};

}  // namespace platform
