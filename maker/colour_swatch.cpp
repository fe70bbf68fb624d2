#include "colour_swatch.h"

#include "platform/colour.h"

namespace kalmora::maker
{

ColourSwatch::ColourSwatch(std::uint32_t bgr, QWidget *parent)
    : QLabel(parent)
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    setColour(bgr);
}

void ColourSwatch::setColour(std::uint32_t bgr)
{
    m_colour = bgr & 0xffffff;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::ToQColor(m_colour));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

} // namespace kalmora::maker
