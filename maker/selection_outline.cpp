#include "selection_outline.h"

#include <QPainter>

namespace kalmora::maker
{

SelectionOutline::SelectionOutline(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SelectionOutline::setBorderColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void SelectionOutline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Every other pixel: a dotted line that stays visible on any photo.
    QPen pen(m_colour, 0);
    pen.setDashPattern({ 1.0, 1.0 });
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (width() <= 1 || height() <= 1) {
        painter.fillRect(rect(), m_colour);
        return;
    }
    painter.drawRect(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0));
}

} // namespace kalmora::maker
