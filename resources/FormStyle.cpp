#include "resources/FormStyle.h"

#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyleOption>
#include <functional>
#include <qdrawutil.h>

namespace resources {

namespace {

// An icon made when something first asks for its pixels.
class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make)
        : m_make(std::move(make))
    {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& Icon()
    {
        if (m_make)
            m_icon = std::exchange(m_make, nullptr)();
        return m_icon;
    }
    std::function<QIcon()> m_make;
    QIcon m_icon;
};

// Fusion's frame image, as its group boxes draw it; null where the style's
// resources have no such image.
const QPixmap& FusionGroupBoxFrame()
{
    static const QPixmap frame = [] {
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), "png");
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
    }();
    return frame;
}

}  // namespace

FormStyle::FormStyle(const QString& key)
    : QProxyStyle(key)
{}

QIcon FormStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (option || (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton))
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredIconEngine([base = baseStyle(), icon] { return base->standardIcon(icon); }));
}

void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    if (element != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion")
        || FusionGroupBoxFrame().isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion leaves room above the frame for the title (less without one).
    constexpr int kTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top = box && !box->isCheckable() && box->title().isEmpty()
                        ? kTopMargin
                        : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) + kTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), FusionGroupBoxFrame());
}

}  // namespace resources
