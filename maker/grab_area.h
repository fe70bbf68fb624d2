#pragma once
// `LBox`: the transparent grab area over the selection box, with the four-headed move pointer. It
// draws nothing; its window watches its mouse events.

#include <QColor>
#include <QWidget>

namespace kalmora::maker
{

class GrabArea : public QWidget
{
    Q_OBJECT
public:
    explicit GrabArea(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_NoSystemBackground);
        setCursor(Qt::SizeAllCursor);
        setAcceptDrops(true);
    }
    // The frame colour list sets it along with the outlines; a label without text shows nothing of it.
    void setTextColour(const QColor &colour) { m_textColour = colour; }
    QColor textColour() const { return m_textColour; }

private:
    QColor m_textColour = Qt::black;
};

} // namespace kalmora::maker
