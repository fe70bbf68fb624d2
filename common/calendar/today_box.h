#pragma once

#include <QColor>
#include <QWidget>

namespace kalmora::calendar
{

// A rounded rectangle outline one pixel wide with a transparent inside, the viewer's frame around
// today's number. It lets mouse presses through to the window below it.
class TodayBox : public QWidget
{
    Q_OBJECT
public:
    explicit TodayBox(QWidget *parent = nullptr);

    QColor borderColour() const { return m_borderColour; }
    void setBorderColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_borderColour = Qt::black;
};

} // namespace kalmora::calendar
