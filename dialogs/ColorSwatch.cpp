#include "dialogs/ColorSwatch.h"

#include <QPalette>
#include <QWidget>

namespace dialogs {

void ColorSwatch::Attach(QWidget* frame)
{
    if (!frame)
        return;
    m_fill = new QWidget(frame);
    m_fill->setGeometry(frame->rect().adjusted(2, 2, -2, -2));
    m_fill->setAutoFillBackground(true);
    m_fill->hide();
}

void ColorSwatch::Fill(const QColor& color)
{
    if (!m_fill)
        return;
    QPalette palette = m_fill->palette();
    palette.setColor(QPalette::Window, color);
    m_fill->setPalette(palette);
    m_fill->show();
}

std::optional<QColor> ColorSwatch::FillColor() const
{
    if (!m_fill || m_fill->isHidden())
        return std::nullopt;
    return m_fill->palette().color(QPalette::Window);
}

}  // namespace dialogs
