#include "calendar/today_box.h"

#include <QPainter>
#include <algorithm>

namespace kalmora::calendar
{

TodayBox::TodayBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TodayBox::setBorderColour(const QColor &colour)
{
    if (colour == m_borderColour)
        return;
    m_borderColour = colour;
    update();
}

void TodayBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Antialiased for smooth corners; the outline runs through pixel centres so the straight
    // edges stay one sharp pixel wide, inside the widget.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(m_borderColour, 1));
    painter.setBrush(Qt::NoBrush);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(outline.width(), outline.height()) / 4.0;
    painter.drawRoundedRect(outline, radius, radius);
}

} // namespace kalmora::calendar
