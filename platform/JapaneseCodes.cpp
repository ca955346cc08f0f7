#include "platform/JapaneseCodes.h"

#include "platform/ByteCodec.h"

#include <array>
#include <span>
#include <vector>

namespace platform {

namespace {

// Cells first..last of a row of the 94 x 94 JIS grid that a decoder accepts.
struct CellRange {
    int row, first, last;
};

// JIS X 0208 as both decoders accept it.
constexpr CellRange kJisX0208[] = {
    {1, 1, 94},  {2, 1, 14},  {2, 26, 33}, {2, 42, 48}, {2, 60, 74}, {2, 82, 89}, {2, 94, 94}, {3, 16, 25}, {3, 33, 58},
    {3, 65, 90}, {4, 1, 83},  {5, 1, 86},  {6, 1, 24},  {6, 33, 56}, {7, 1, 33},  {7, 49, 81}, {8, 1, 32},  {16, 1, 94},
    {17, 1, 94}, {18, 1, 94}, {19, 1, 94}, {20, 1, 94}, {21, 1, 94}, {22, 1, 94}, {23, 1, 94}, {24, 1, 94}, {25, 1, 94},
    {26, 1, 94}, {27, 1, 94}, {28, 1, 94}, {29, 1, 94}, {30, 1, 94}, {31, 1, 94}, {32, 1, 94}, {33, 1, 94}, {34, 1, 94},
    {35, 1, 94}, {36, 1, 94}, {37, 1, 94}, {38, 1, 94}, {39, 1, 94}, {40, 1, 94}, {41, 1, 94}, {42, 1, 94}, {43, 1, 94},
    {44, 1, 94}, {45, 1, 94}, {46, 1, 94}, {47, 1, 51}, {48, 1, 94}, {49, 1, 94}, {50, 1, 94}, {51, 1, 94}, {52, 1, 94},
    {53, 1, 94}, {54, 1, 94}, {55, 1, 94}, {56, 1, 94}, {57, 1, 94}, {58, 1, 94}, {59, 1, 94}, {60, 1, 94}, {61, 1, 94},
    {62, 1, 94}, {63, 1, 94}, {64, 1, 94}, {65, 1, 94}, {66, 1, 94}, {67, 1, 94}, {68, 1, 94}, {69, 1, 94}, {70, 1, 94},
    {71, 1, 94}, {72, 1, 94}, {73, 1, 94}, {74, 1, 94}, {75, 1, 94}, {76, 1, 94}, {77, 1, 94}, {78, 1, 94}, {79, 1, 94},
    {80, 1, 94}, {81, 1, 94}, {82, 1, 94}, {83, 1, 94}, {84, 1, 6}};

// Windows' additions, in rows beyond 94 where Shift_JIS reaches them (lead
// bytes 0xF0-0xFC): NEC's symbols (row 13), NEC's selection of IBM's kanji
// (rows 89-92), the user-defined area (rows 95-114) and IBM's kanji.
constexpr CellRange kWindowsRows[] = {
    {13, 1, 30},  {13, 32, 54}, {13, 63, 92}, {89, 1, 94},  {90, 1, 94},  {91, 1, 94},  {92, 1, 78},
    {92, 81, 94}, {95, 1, 94},  {96, 1, 94},  {97, 1, 94},  {98, 1, 94},  {99, 1, 94},  {100, 1, 94},
    {101, 1, 94}, {102, 1, 94}, {103, 1, 94}, {104, 1, 94}, {105, 1, 94}, {106, 1, 94}, {107, 1, 94},
    {108, 1, 94}, {109, 1, 94}, {110, 1, 94}, {111, 1, 94}, {112, 1, 94}, {113, 1, 94}, {114, 1, 94},
    {115, 1, 94}, {116, 1, 94}, {117, 1, 94}, {118, 1, 94}, {119, 1, 12}};

// JIS X 0212, after EUC-JP's 0x8F.
constexpr CellRange kJisX0212[] = {
    {2, 15, 25}, {2, 34, 36}, {2, 75, 81},  {6, 65, 69}, {6, 71, 71},  {6, 73, 74},  {6, 76, 76}, {6, 81, 92},
    {7, 34, 46}, {7, 82, 94}, {9, 1, 2},    {9, 4, 4},   {9, 6, 6},    {9, 8, 9},    {9, 11, 13}, {9, 15, 16},
    {9, 33, 48}, {10, 1, 24}, {10, 26, 87}, {11, 1, 27}, {11, 29, 35}, {11, 37, 87}, {16, 1, 94}, {17, 1, 94},
    {18, 1, 94}, {19, 1, 94}, {20, 1, 94},  {21, 1, 94}, {22, 1, 94},  {23, 1, 94},  {24, 1, 94}, {25, 1, 94},
    {26, 1, 94}, {27, 1, 94}, {28, 1, 94},  {29, 1, 94}, {30, 1, 94},  {31, 1, 94},  {32, 1, 94}, {33, 1, 94},
    {34, 1, 94}, {35, 1, 94}, {36, 1, 94},  {37, 1, 94}, {38, 1, 94},  {39, 1, 94},  {40, 1, 94}, {41, 1, 94},
    {42, 1, 94}, {43, 1, 94}, {44, 1, 94},  {45, 1, 94}, {46, 1, 94},  {47, 1, 94},  {48, 1, 94}, {49, 1, 94},
    {50, 1, 94}, {51, 1, 94}, {52, 1, 94},  {53, 1, 94}, {54, 1, 94},  {55, 1, 94},  {56, 1, 94}, {57, 1, 94},
    {58, 1, 94}, {59, 1, 94}, {60, 1, 94},  {61, 1, 94}, {62, 1, 94},  {63, 1, 94},  {64, 1, 94}, {65, 1, 94},
    {66, 1, 94}, {67, 1, 94}, {68, 1, 94},  {69, 1, 94}, {70, 1, 94},  {71, 1, 94},  {72, 1, 94}, {73, 1, 94},
    {74, 1, 94}, {75, 1, 94}, {76, 1, 94},  {77, 1, 67}};

// Where the JDK's EUC-JP maps a JIS X 0208 cell to another character than ICU's.
struct Override {
    int row, cell;
    char16_t character;
};
constexpr Override kEucJpOverrides[] = {{1, 29, 0x2014}, {1, 33, 0x301c}, {1, 34, 0x2016}, {1, 61, 0x2212},
                                        {1, 81, 0x00a2}, {1, 82, 0x00a3}, {2, 44, 0x00ac}};

constexpr int kCells = 94;

// Row and cell of a Shift_JIS pair: each lead byte covers two rows.
std::pair<int, int> RowAndCell(uchar lead, uchar trail)
{
    const int rowPair = lead <= 0x9f ? lead - 0x81 : lead - 0xc1;
    if (trail >= 0x9f)
        return {2 * rowPair + 2, trail - 0x9e};
    return {2 * rowPair + 1, trail - (trail >= 0x80 ? 0x40 : 0x3f)};
}

std::array<uchar, 2> ShiftJisBytes(int row, int cell)
{
    const int rowPair = (row - 1) / 2;
    const auto lead = uchar(rowPair <= 30 ? 0x81 + rowPair : 0xc1 + rowPair);
    if (row % 2 == 0)
        return {lead, uchar(cell + 0x9e)};
    return {lead, uchar(cell + (cell >= 64 ? 0x40 : 0x3f))};
}

// One grid of rows x 94 cells, filled by the system's converter for the accepted cells
// (one character each) in one call.
template <int Rows>
class Grid {
public:
    template <typename Bytes>
    Grid(LegacyCodec codec, std::span<const CellRange> ranges, Bytes bytesOf)
    {
        QByteArray all;
        for (const CellRange& range : ranges) {
            for (int cell = range.first; cell <= range.last; ++cell) {
                for (const uchar b : bytesOf(range.row, cell))
                    all += char(b);
            }
        }
        const std::optional<QString> decoded = DecodeStrictly(codec, all);
        if (!decoded)
            return;  // a system without the table: no code is accepted
        const QString& text = *decoded;
        qsizetype next = 0;
        for (const CellRange& range : ranges) {
            for (int cell = range.first; cell <= range.last && next < text.size(); ++cell)
                Set(range.row, cell, text[next++].unicode());
        }
    }
    char16_t At(int row, int cell) const
    {
        return row >= 1 && row <= Rows && cell >= 1 && cell <= kCells ? m_cells[Index(row, cell)] : 0;
    }
    void Set(int row, int cell, char16_t c) { m_cells[Index(row, cell)] = c; }

private:
    static std::size_t Index(int row, int cell) { return std::size_t(row - 1) * kCells + std::size_t(cell - 1); }
    std::array<char16_t, std::size_t(Rows) * kCells> m_cells{};
};

template <typename... Lists>
std::vector<CellRange> Joined(const Lists&... lists)
{
    std::vector<CellRange> all;
    (all.insert(all.end(), std::begin(lists), std::end(lists)), ...);
    return all;
}

std::array<uchar, 2> EucBytes(int row, int cell) { return {uchar(row + 0xa0), uchar(cell + 0xa0)}; }

const Grid<120>& ShiftJisGrid()
{
    static const Grid<120> grid(LegacyCodec::Cp932, Joined(kJisX0208, kWindowsRows), ShiftJisBytes);
    return grid;
}

const Grid<94>& EucJpGrid()
{
    static const Grid<94> grid = [] {
        Grid<94> jis(LegacyCodec::EucJp, kJisX0208, EucBytes);
        for (const Override& o : kEucJpOverrides)
            jis.Set(o.row, o.cell, o.character);
        return jis;
    }();
    return grid;
}

const Grid<94>& EucJpSupplementGrid()
{
    static const Grid<94> grid(LegacyCodec::EucJp, kJisX0212, [](int row, int cell) {
        return std::array<uchar, 3>{0x8f, uchar(row + 0xa0), uchar(cell + 0xa0)};
    });
    return grid;
}

bool IsEucByte(uchar b) { return b >= 0xa1 && b <= 0xfe; }

}  // namespace

char16_t ShiftJisCharacter(uchar lead, uchar trail)
{
    if (!IsShiftJisLead(lead) || trail < 0x40 || trail == 0x7f || trail > 0xfc)
        return 0;
    const auto [row, cell] = RowAndCell(lead, trail);
    return ShiftJisGrid().At(row, cell);
}

char16_t EucJpCharacter(uchar lead, uchar trail)
{
    return IsEucByte(lead) && IsEucByte(trail) ? EucJpGrid().At(lead - 0xa0, trail - 0xa0) : 0;
}

char16_t EucJpSupplementCharacter(uchar lead, uchar trail)
{
    return IsEucByte(lead) && IsEucByte(trail) ? EucJpSupplementGrid().At(lead - 0xa0, trail - 0xa0) : 0;
}

char16_t ShiftJisCell(int row, int cell) { return ShiftJisGrid().At(row, cell); }
char16_t EucJpCell(int row, int cell) { return EucJpGrid().At(row, cell); }
char16_t EucJpSupplementCell(int row, int cell) { return EucJpSupplementGrid().At(row, cell); }

}  // namespace platform
