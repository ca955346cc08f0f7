#include "generators/MenuWordTable.h"

namespace gen {

namespace {

struct Word {
    unsigned char byte;
    const char* word;
};

constexpr Word kSymbols[] = {
    {'_', "_"},       {' ', "_"},     {'\t', "_"},          {'+', "Plus"},     {'-', "Minus"},
    {'*', "Multi"},   {'/', "Div"},   {'!', "Exclamation"}, {'#', "Sharp"},    {'$', "Dollar"},
    {'%', "Parcent"}, {'=', "Equal"}, {'@', "AtMark"},      {'?', "Question"},
};

std::array<const char*, 256> BuildTable()
{
    // Digits and letters stand for themselves.
    static char self[256][2] = {};
    std::array<const char*, 256> table;
    table.fill("");
    for (int b = 0; b < 256; ++b) {
        const bool digit = b >= '0' && b <= '9';
        const bool letter = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
        if (digit || letter) {
            self[b][0] = static_cast<char>(b);
            table[b] = self[b];
        }
    }
    for (const Word& symbol : kSymbols)
        table[symbol.byte] = symbol.word;
    return table;
}

}  // namespace

const std::array<const char*, 256>& MenuWordTable()
{
    static const std::array<const char*, 256> table = BuildTable();
    return table;
}

}  // namespace gen
