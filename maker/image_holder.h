#pragma once
// `bPic`: the hidden holder of the loaded image at 100 %, the source of every redraw of the canvas
// at another scale. The image is decoded once; the holder and the canvas share its pixels.

#include <QImage>
#include <QWidget>

namespace kalmora::maker
{

class ImageHolder : public QWidget
{
    Q_OBJECT
public:
    explicit ImageHolder(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        hide();
    }
    void setPicture(const QImage &picture) { m_picture = picture; }
    const QImage &picture() const { return m_picture; }

private:
    QImage m_picture;
};

} // namespace kalmora::maker
