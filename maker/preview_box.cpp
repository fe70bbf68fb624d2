#include "preview_box.h"

#include "platform/colour.h"

#include <QPainter>

namespace kalmora::maker
{

PreviewBox::PreviewBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewBox::setBackgroundColour(std::uint32_t bgr)
{
    m_background = bgr & 0xffffff;
    update();
}

void PreviewBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

QImage PreviewBox::drawnImage() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(platform::ToQColor(m_background));
    if (!m_picture.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, m_picture);
    }
    return image;
}

void PreviewBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), platform::ToQColor(m_background));
    if (!m_picture.isNull())
        painter.drawImage(0, 0, m_picture);
}

} // namespace kalmora::maker
