#pragma once
// The kanji of everyday Japanese writing, as the official lists give them:
// the 1,026 that the six years of primary school teach, and the rest of the
// list for general use (常用漢字表). Nearly every kanji of ordinary text is
// one of them, so a reading that gives others is less likely Japanese.
#include <string_view>

namespace platform {

std::u16string_view KanjiTaughtInPrimarySchool();
std::u16string_view OtherKanjiOfGeneralUse();

}  // namespace platform
