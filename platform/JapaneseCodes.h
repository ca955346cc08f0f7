#pragma once
// The double-byte codes of Windows' Shift_JIS (windows-31j) and of EUC-JP as
// the JDK's decoders read them: which codes they accept, and the character
// each one stands for. javac reads a source through those decoders, so a
// reading Tarnwick proposes or a conversion it writes has to match them code
// for code, also where other converters map differently (EUC-JP's 〜 ‖ − ¬,
// the lone bytes 0x80-0x9F that ICU's EUC-JP takes for control characters).
#include <QtGlobal>

namespace platform {

// 0 where the JDK's decoder rejects the code.
char16_t ShiftJisCharacter(uchar lead, uchar trail);
// JIS X 0208: two bytes 0xA1-0xFE.
char16_t EucJpCharacter(uchar lead, uchar trail);
// JIS X 0212: the two bytes after 0x8F.
char16_t EucJpSupplementCharacter(uchar lead, uchar trail);

// The same by row and cell of the JIS grid (1-94; Shift_JIS's rows go on to 120).
char16_t ShiftJisCell(int row, int cell);
char16_t EucJpCell(int row, int cell);
char16_t EucJpSupplementCell(int row, int cell);

constexpr bool IsShiftJisLead(uchar b) { return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc); }
// A half-width katakana byte (U+FF61-U+FF9F): alone in Shift_JIS, after 0x8E in EUC-JP.
constexpr bool IsHalfWidthKana(uchar b) { return b >= 0xa1 && b <= 0xdf; }
constexpr char16_t HalfWidthKana(uchar b) { return char16_t(0xff61 + (b - 0xa1)); }

}  // namespace platform
