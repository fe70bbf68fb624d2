#pragma once
// `Box`: an outline of the selection box, an unfilled rectangle with a dotted one-pixel border
// inside its bounds. It takes no mouse input: presses go to what lies below it.

#include <QColor>
#include <QWidget>

namespace kalmora::maker
{

class SelectionOutline : public QWidget
{
    Q_OBJECT
public:
    explicit SelectionOutline(QWidget *parent = nullptr);
    void setBorderColour(const QColor &colour);
    QColor borderColour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour = Qt::black;
};

} // namespace kalmora::maker
