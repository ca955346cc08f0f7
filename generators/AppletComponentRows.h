#pragma once
// The lines that one component of the applet generator writes, as data.
#include "generators/AppletGenerator.h"

#include <span>

namespace gen {

enum class AppletSection : unsigned char { Fields, Init, ActionChain, ItemChain };

// When a row is written: in which event style(s), and whether only with comments.
enum RowWhen : unsigned char {
    kListener = 1,
    kAdapter = 2,
    kBothStyles = kListener | kAdapter,
    kCommentsOnly = 4,
};

struct ComponentRow {
    AppletSection section;
    unsigned char when;
    const char16_t* text;                 // the template; a chain head's first form
    const char16_t* laterText = nullptr;  // a chain head's later form (" else if")
    // The row naming java.awt.List in full, for when java.util.* is imported
    // too and a plain "List" would be ambiguous.
    const char16_t* qualifiedText = nullptr;
};

std::span<const ComponentRow> ComponentRows(ComponentKind kind);

}  // namespace gen
