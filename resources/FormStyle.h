#pragma once
// The platform's style, with two of its images read so that the first window
// shows without loading every image plugin: reading a PNG by its file name
// asks each plugin whether it reads PNG, which loads them all.
#include <QProxyStyle>

namespace resources {

class FormStyle final : public QProxyStyle {
public:
    // key: the style to draw as ("fusion").
    explicit FormStyle(const QString& key);

    // The menu bar's overflow arrow loads when it is first drawn.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
    // Fusion's group box frame, read by the built-in PNG reader.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

}  // namespace resources
