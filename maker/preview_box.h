#pragma once
// `Picture2`, the finished preview: the background colour, the composed picture over it, and the
// calendar labels (children, not part of the drawn image) on top. Its mask is the chosen shape.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>

namespace kalmora::maker
{

class PreviewBox : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewBox(QWidget *parent = nullptr);

    // 0x00BBGGRR
    void setBackgroundColour(std::uint32_t bgr);
    std::uint32_t backgroundColour() const { return m_background; }

    // The composed picture, painted at the top-left corner; a null image removes it.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    // What a project saves: the box's whole area with background and picture, without the calendar.
    QImage drawnImage() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::uint32_t m_background = 0xffffff;
    QImage m_picture;
};

} // namespace kalmora::maker
