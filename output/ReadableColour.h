#pragma once
// Colours that keep a contrast of 4.5:1 (WCAG's level for text) against the
// background, in a light theme and a dark one alike.
#include <QColor>

namespace output {

// The wanted colour, made lighter or darker (towards the side that differs
// more from base) until it can be read on base.
QColor ReadableOn(const QColor& base, QColor wanted);

}  // namespace output
