#pragma once
// The colours of a dark desktop theme, for checking that text reads on it.
#include <QPalette>

inline QPalette DarkPalette()
{
    QPalette dark;
    const QColor text(0xef, 0xf0, 0xf1);
    const QColor window(0x31, 0x36, 0x3b);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, text);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
    dark.setColor(QPalette::Link, QColor(0x29, 0x80, 0xb9));
    return dark;
}
