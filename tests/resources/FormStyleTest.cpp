// The form style draws exactly what the style it stands for draws.
#include "resources/FormStyle.h"

#include <QGroupBox>
#include <QImage>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>

namespace {

QImage Render(QWidget& widget, QStyle* style)
{
    widget.setStyle(style);
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

TEST(FormStyle, DrawsGroupBoxesAndTheOverflowArrowAsFusion)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    resources::FormStyle form(QStringLiteral("fusion"));
    QGroupBox titled(QStringLiteral("ショートカットボタン")), untitled, checkable(QStringLiteral("Java"));
    checkable.setCheckable(true);
    for (QGroupBox* box : {&titled, &untitled, &checkable}) {
        box->resize(120, 60);
        EXPECT_EQ(Render(*box, &form), Render(*box, fusion.get())) << box->title().toStdString();
    }
    for (const auto arrow : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon icon = static_cast<QStyle&>(form).standardIcon(arrow);
        EXPECT_FALSE(icon.isNull());
        EXPECT_EQ(icon.pixmap(16).toImage(), fusion->standardIcon(arrow).pixmap(16).toImage());
    }
}

}  // namespace
