#pragma once
// The word that each byte of a menu label contributes to its identifier.
#include <array>

namespace gen {

// 256 entries indexed by byte value; every byte without a word maps to "".
const std::array<const char*, 256>& MenuWordTable();

}  // namespace gen
