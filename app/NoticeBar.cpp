#include "app/NoticeBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace app {

namespace {

constexpr int kShownMs = 10000;
constexpr int kPadding = 3;
// Paths have no word breaks: wrap between words where there are some,
// anywhere else.
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere;

}  // namespace

NoticeBar::NoticeBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("notice"));
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void NoticeBar::Show(const QString& text, const QRect& strip)
{
    m_text = text;
    setToolTip(text);
    const QRect room(0, 0, strip.width() - 2 * kPadding, QWIDGETSIZE_MAX);
    const int textHeight = fontMetrics().boundingRect(room, kTextFlags, text).height();
    const int height = std::max(strip.height(), textHeight + 2 * kPadding);
    setGeometry(strip.left(), strip.bottom() + 1 - height, strip.width(), height);
    raise();
    show();
    update();
    m_timer.start(kShownMs);
}

QRect NoticeBar::TextRect() const
{
    return fontMetrics().boundingRect(rect().adjusted(kPadding, kPadding, -kPadding, -kPadding), kTextFlags, m_text);
}

void NoticeBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelTipLabel, &frame, &painter, this);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(rect().adjusted(kPadding, kPadding, -kPadding, -kPadding), kTextFlags, m_text);
}

void NoticeBar::mousePressEvent(QMouseEvent*) { hide(); }

}  // namespace app
