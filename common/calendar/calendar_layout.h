#pragma once
// The arithmetic of a drawn month, without widgets: for every label of a label set its caption,
// its text colour and its place, and for the viewer the two boxes around today.
//
// A label set is one title label, seven weekday labels (Sunday first) and 42 day labels, cell k
// in row k / 7 and column k % 7. Set 0 is the colour pass, set 1 the shadow pass one pixel right
// and down. Everything here is in twips (1/1440 inch), relative to the labels' container; labels
// size themselves to their caption, so the caller supplies the measured size of a caption.

#include "calendar/calendar_colours.h"
#include "platform/units.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace kalmora::calendar
{

inline constexpr int kWeekdaysPerSet = 7;
inline constexpr int kDaysPerSet = 42;

// The captions of the weekday labels, column 0 (Sunday) to 6 (Saturday).
QString WeekdayHeaders();

// The three fonts of the calendar; each kind is measured in its own font.
enum class LabelKind { Title, Weekday, Day };

struct TwipsSize {
    double width = 0;
    double height = 0;
    bool operator==(const TwipsSize &) const = default;
};

struct TwipsPoint {
    double left = 0;
    double top = 0;
    bool operator==(const TwipsPoint &) const = default;
};

struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const TwipsRect &) const = default;
};

// The size, in twips, that a label of `kind` takes when it holds `caption` in the drawing's font.
using CaptionMeasure = std::function<TwipsSize(LabelKind kind, const QString &caption)>;

// One label after a drawing.
struct DrawnLabel {
    QString caption;
    std::optional<std::uint32_t> colour; // 0x00BBGGRR; empty: the label keeps the colour it has
    TwipsPoint place; // left and top
};

// The viewer's two rounded boxes around today: index 0 the shadow box, index 1 the coloured box.
struct TodayBoxGeometry {
    TwipsRect rect;
    std::uint32_t borderColour = 0;
};
struct TodayBoxesDrawing {
    bool visible = false; // shown only while the current month is drawn
    // New geometry and colours, only when today is in the drawn month; otherwise the boxes stay
    // where they were.
    std::optional<std::array<TodayBoxGeometry, 2>> boxes;
};

struct LabelSetDrawing {
    DrawnLabel title;
    std::array<DrawnLabel, kWeekdaysPerSet> weekdays;
    std::array<DrawnLabel, kDaysPerSet> days;
    std::optional<TodayBoxesDrawing> todayBoxes; // only for a colour pass that updates the boxes
};

struct DrawRequest {
    QString monthKey; // "yyyy/mm"; a key that names no month draws the title and 42 empty cells
    double x = 0; // origin of the grid, twips
    double y = 0;
    CalendarColours colours;
    bool shadow = false; // everything in CBG
    bool todayBoxes = false; // update the viewer's today boxes (ignored for the shadow pass)
    QDate today;
    platform::TwipsPerPixel tpp;
};

// One pass into one label set. Captions: the title "year/month", the headers "日" to "土", the day
// numbers "01" to "31" in the month's cells and "" elsewhere. Colours, with c(X) = CBG in the
// shadow pass and X otherwise: title c(CHE); headers CBG in the shadow pass, otherwise CNI for
// Sunday, CDO for Saturday and unchanged for Monday to Friday; Saturdays c(CDO), Sundays and
// holidays c(CNI), other days c(CHE); empty cells unchanged. Places follow PlaceLabelSet with every
// day cell measured as "00".
LabelSetDrawing DrawCalendar(const DrawRequest &request, const CaptionMeasure &measure);

// Both passes: [0] the colour pass at (x, y), [1] the shadow pass at one pixel right and down.
// `todayBoxes` as in DrawRequest.
std::array<LabelSetDrawing, 2> ShowCalendar(const QString &monthKey, double x, double y, const CalendarColours &colours,
    bool todayBoxes, QDate today, const platform::TwipsPerPixel &tpp, const CaptionMeasure &measure);

// The sizes a label set's labels have, and the height of weekday label 0 of the first set, which
// places the first day row of every set.
struct LabelSetSizes {
    TwipsSize title;
    std::array<TwipsSize, kWeekdaysPerSet> weekdays;
    std::array<TwipsSize, kDaysPerSet> days;
    double firstWeekdayHeight = 0;
};

struct LabelSetPlaces {
    TwipsPoint title;
    std::array<TwipsPoint, kWeekdaysPerSet> weekdays;
    std::array<TwipsPoint, kDaysPerSet> days;
    bool operator==(const LabelSetPlaces &) const = default;
};

// The places of a label set at origin (x, y) for labels of the given sizes: the title at left x,
// its top one and a half of its heights above y; header j at x + j x 1.5 x its width, 10 twips
// below y; cell k at x + (k % 7) x 1.5 x its width, y + (k / 7) x its height + firstWeekdayHeight.
// DrawCalendar uses it with freshly measured sizes, MoveLabelSet with the labels' present sizes.
LabelSetPlaces PlaceLabelSet(const LabelSetSizes &sizes, double x, double y);

// Where MoveLabelSet puts a drawn label set; captions, colours and the today boxes stay as they are.
inline LabelSetPlaces MoveLabelSet(const LabelSetSizes &present, double x, double y)
{
    return PlaceLabelSet(present, x, y);
}

// The text colours RecolourCalendar gives one label set. `titleCaption` is the caption of the
// first title label, the month key of the drawn month. With c(X) = the shadow swatch when `shadow`
// and X otherwise: title c(CHE); headers the shadow swatch when `shadow`, otherwise CNI, CHE for
// Monday to Friday, CDO; the month's days as in DrawCalendar; empty cells keep their colour.
struct LabelSetColours {
    std::uint32_t title = 0;
    std::array<std::uint32_t, kWeekdaysPerSet> weekdays {};
    std::array<std::optional<std::uint32_t>, kDaysPerSet> days {};
};
LabelSetColours RecolourCalendar(const QString &titleCaption, bool shadow, const CalendarColours &swatches);

// The text colour of day `dayText` ("01") of the month `monthKey`: c(CDO) on a Saturday, c(CNI) on a
// Sunday or a holiday (a Saturday holiday too), c(CHE) otherwise.
std::uint32_t DayColour(const QString &monthKey, const QString &dayText, bool shadow, const CalendarColours &colours);

} // namespace kalmora::calendar
