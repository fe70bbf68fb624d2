#pragma once
// A colour swatch of the settings dialog: a bordered label whose background is the chosen colour.

#include <QLabel>
#include <cstdint>

namespace kalmora::maker
{

class ColourSwatch : public QLabel
{
    Q_OBJECT
public:
    explicit ColourSwatch(std::uint32_t bgr, QWidget *parent = nullptr);
    // 0x00BBGGRR
    void setColour(std::uint32_t bgr);
    std::uint32_t colour() const { return m_colour; }

private:
    std::uint32_t m_colour = 0;
};

} // namespace kalmora::maker
