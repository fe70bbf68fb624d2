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
    // The background only where the picture does not cover: the selection box moving over the
    // picture repaints its old and new place on every mouse move.
    QPainter painter(this);
    const QRect exposed = event->rect();
    const QRect part = exposed.intersected(m_picture.rect());
    for (const QRect &uncovered : QRegion(exposed).subtracted(part))
        painter.fillRect(uncovered, palette().color(QPalette::Base));
    if (!part.isEmpty())
        painter.drawImage(part.topLeft(), m_picture, part);
}

} // namespace kalmora::maker
