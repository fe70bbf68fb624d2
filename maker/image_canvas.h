#pragma once
// `Picture1`, the image canvas: shows the input image at the chosen scale, unscaled at its top-left
// corner, over the system's window colour. Its picture is what the preview is composed from.

#include <QImage>
#include <QWidget>

namespace kalmora::maker
{

class ImageCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit ImageCanvas(QWidget *parent = nullptr);

    // The drawn image; a null image removes the picture.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

} // namespace kalmora::maker
