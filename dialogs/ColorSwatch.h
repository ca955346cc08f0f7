#pragma once
// A framed static that shows a colour: the fill covers the frame's area less
// 2 pixels on every side, so the frame stays visible. It is painted only
// when Fill is called.
#include <QColor>
#include <optional>

class QWidget;

namespace dialogs {

class ColorSwatch {
public:
    void Attach(QWidget* frame);
    void Fill(const QColor& color);
    // The colour last filled, nothing before the first fill.
    std::optional<QColor> FillColor() const;

private:
    QWidget* m_fill = nullptr;
};

}  // namespace dialogs
