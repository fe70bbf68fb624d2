#include "image_canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace kalmora::maker
{

ImageCanvas::ImageCanvas(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
}

void ImageCanvas::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void ImageCanvas::paintEvent(QPaintEvent *event)
{
    // A large photo is only ever painted where the viewport shows it.
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, palette().color(QPalette::Base));
    if (!m_picture.isNull()) {
        const QRect part = exposed.intersected(m_picture.rect());
        if (!part.isEmpty())
            painter.drawImage(part.topLeft(), m_picture, part);
    }
}

} // namespace kalmora::maker
