#pragma once
// The month calendar as transparent labels over a picture: a colour pass (label set 0) and a shadow
// pass one pixel right and down (label set 1), and in the viewer two rounded boxes around today.
//
// The labels are created as children of `container` (the viewer's window, the maker's preview box)
// and let mouse presses through to it. Positions are twips relative to the container; the widget
// boundary converts them to pixels with the twips-per-pixel given at construction. The arithmetic
// lives in calendar_layout.h; this class measures, hands numbers to it and applies the result.

#include "calendar/calendar_colours.h"
#include "platform/clock.h"
#include "platform/units.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <cstdint>

class QLabel;
class QWidget;

namespace kalmora::calendar
{

enum class CalendarHost {
    Viewer, // Label3/Label1/Label2 with 3/28/168 elements, "Times New Roman" title, today boxes
    Maker, // L3/L1/L2 with 3/14/84 elements, "ＭＳ ゴシック" title, no today boxes
};

class CalendarLabels : public QObject
{
    Q_OBJECT
public:
    CalendarLabels(QWidget *container, CalendarHost host, const platform::Clock &clock, platform::TwipsPerPixel tpp,
        QObject *parent = nullptr);
    ~CalendarLabels() override;

    // Element 0 of each array (and the viewer's today boxes, hidden) exist from construction on.
    // CreateCalendarLabels creates the other elements, once, before the first drawing: title
    // labels 1 and 2, then the day labels, then the weekday labels, each shown as it is made and
    // stacked above every label made before it. The today boxes stay below all labels.
    void CreateCalendarLabels();

    // Draws the month of `monthKey` at origin (x, y) twips with `fontSize` points (rounded half to
    // even, at least 1) into both label sets, with the colours of setColours() and today from the
    // clock. Any calendar number other than 0 does nothing.
    void ShowCalendar(const QString &monthKey, int calendarNumber, double x, double y, double fontSize);

    // Moves both label sets to a new origin by their present sizes, keeping captions, colours and
    // the today boxes. Any calendar number other than 0 does nothing.
    void MoveCalendar(int calendarNumber, double x, double y);

    // Maker: gives one label set (1, or 0 for any other value) the swatch colours without moving
    // anything; the month is read from the caption of title label 0.
    void RecolourCalendar(int labelSet, bool shadow, const CalendarColours &swatches);

    // The colours ShowCalendar draws with (the viewer's project colours; the maker keeps the default).
    void setColours(const CalendarColours &colours);
    CalendarColours colours() const;

    // Label arrays by element index (nullptr outside the array), and the today boxes (a TodayBox;
    // viewer only, nullptr in the maker): 0 the shadow box, 1 the coloured box, which lies above it.
    QLabel *titleLabel(int index) const;
    QLabel *weekdayLabel(int index) const;
    QLabel *dayLabel(int index) const;
    QWidget *todayBox(int index) const;
    int titleCount() const;
    int weekdayCount() const;
    int dayCount() const;

    CalendarHost host() const;
    platform::TwipsPerPixel twipsPerPixel() const;

private:
    struct Private;
    Private *d;
};

} // namespace kalmora::calendar
