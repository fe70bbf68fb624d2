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
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(m_borderColour, 1));
    painter.setBrush(Qt::NoBrush);
    // The outline lies inside the widget; a pen of one pixel covers right and bottom at -1.
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    const qreal radius = std::min(outline.width(), outline.height()) / 4.0;
    painter.drawRoundedRect(outline, radius, radius);
}

} // namespace kalmora::calendar
