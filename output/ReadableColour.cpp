#include "output/ReadableColour.h"

#include <cmath>

namespace output {

namespace {

// WCAG's relative luminance and contrast (from 1 to 21).
double Luminance(const QColor& colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

}  // namespace

QColor ReadableOn(const QColor& base, QColor wanted)
{
    constexpr double kLeast = 4.5;
    const bool darken = Contrast(Qt::black, base) >= Contrast(Qt::white, base);
    float hue = 0, saturation = 0, lightness = 0;
    wanted.getHslF(&hue, &saturation, &lightness);
    while (Contrast(wanted, base) < kLeast && lightness > 0 && lightness < 1) {
        lightness = qBound(0.0F, lightness + (darken ? -0.02F : 0.02F), 1.0F);
        wanted = QColor::fromHslF(hue, saturation, lightness);
    }
    return wanted;
}

}  // namespace output
