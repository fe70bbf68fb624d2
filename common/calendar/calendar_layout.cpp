#include "calendar/calendar_layout.h"

#include "calendar/holidays.h"
#include "calendar/month_key.h"
#include "platform/dates.h"
#include "platform/numbers.h"

namespace kalmora::calendar
{

namespace
{

constexpr double kColumnSpacing = 1.5; // columns stand one and a half label widths apart
constexpr double kTitleRise = 1.5; // the title's top, in title heights above the origin
constexpr double kHeaderDrop = 10; // twips from the origin down to the weekday row

std::uint32_t Pass(bool shadow, std::uint32_t colour, const CalendarColours &colours)
{
    return shadow ? colours.CBG : colour;
}

QString DayText(int day)
{
    return platform::FormatNumber(day, QStringLiteral("00"));
}

QString TitleCaption(const QString &monthKey)
{
    const YearMonthText parts = SplitMonthKey(monthKey);
    return parts.year + u'/' + parts.month;
}

} // namespace

QString WeekdayHeaders()
{
    return QStringLiteral("日月火水木金土");
}

std::uint32_t DayColour(const QString &monthKey, const QString &dayText, bool shadow, const CalendarColours &colours)
{
    const YearMonthText parts = SplitMonthKey(monthKey);
    const QString dateText = parts.year + u'/' + parts.month + u'/' + dayText;
    const QString name = WeekdayNameOfText(dateText);
    std::uint32_t colour = colours.CHE;
    if (name == QStringLiteral("土"))
        colour = colours.CDO;
    else if (name == QStringLiteral("日"))
        colour = colours.CNI;
    // Checked after the weekday, so a Saturday holiday shows in the holiday colour.
    const std::optional<QDate> date = platform::ParseDateText(dateText);
    if (date && CheckHoliday(*date, true))
        colour = colours.CNI;
    return Pass(shadow, colour, colours);
}

LabelSetPlaces PlaceLabelSet(const LabelSetSizes &sizes, double x, double y)
{
    LabelSetPlaces places;
    places.title = { x, y - kTitleRise * sizes.title.height };
    for (int j = 0; j < kWeekdaysPerSet; ++j)
        places.weekdays[j] = { x + j * sizes.weekdays[j].width * kColumnSpacing, y + kHeaderDrop };
    for (int k = 0; k < kDaysPerSet; ++k) {
        const TwipsSize &cell = sizes.days[k];
        places.days[k]
            = { x + (k % 7) * cell.width * kColumnSpacing, y + (k / 7) * cell.height + sizes.firstWeekdayHeight };
    }
    return places;
}

LabelSetDrawing DrawCalendar(const DrawRequest &request, const CaptionMeasure &measure)
{
    const bool shadow = request.shadow;
    const CalendarColours &colours = request.colours;
    const QString headers = WeekdayHeaders();
    LabelSetDrawing drawing;

    drawing.title.caption = TitleCaption(request.monthKey);
    drawing.title.colour = Pass(shadow, colours.CHE, colours);

    LabelSetSizes sizes;
    sizes.title = measure(LabelKind::Title, drawing.title.caption);
    for (int j = 0; j < kWeekdaysPerSet; ++j) {
        DrawnLabel &header = drawing.weekdays[j];
        header.caption = headers.mid(j, 1);
        if (shadow)
            header.colour = colours.CBG;
        else if (j == 0)
            header.colour = colours.CNI;
        else if (j == 6)
            header.colour = colours.CDO;
        // Monday to Friday keep the colour they have (white from creation) in the colour pass.
        sizes.weekdays[j] = measure(LabelKind::Weekday, header.caption);
    }
    // Every cell is placed as if it held "00", whatever it ends up holding.
    sizes.days.fill(measure(LabelKind::Day, QStringLiteral("00")));
    // Weekday label 0 of the first set carries the same caption and font as this set's first header.
    sizes.firstWeekdayHeight = sizes.weekdays[0].height;

    const LabelSetPlaces places = PlaceLabelSet(sizes, request.x, request.y);
    drawing.title.place = places.title;
    for (int j = 0; j < kWeekdaysPerSet; ++j)
        drawing.weekdays[j].place = places.weekdays[j];
    for (int k = 0; k < kDaysPerSet; ++k)
        drawing.days[k].place = places.days[k];

    const int start = StartColumn(request.monthKey);
    const int length = DaysInMonth(request.monthKey);
    for (int k = start; k < start + length; ++k) {
        DrawnLabel &cell = drawing.days[k];
        cell.caption = DayText(k - start + 1);
        cell.colour = DayColour(request.monthKey, cell.caption, shadow, colours);
    }

    if (request.todayBoxes && !shadow && length > 0) {
        TodayBoxesDrawing &today = drawing.todayBoxes.emplace();
        today.visible = IsCurrentMonth(request.monthKey, request.today);
        for (int k = start; k < start + length; ++k) {
            if (!IsToday(request.monthKey, drawing.days[k].caption, request.today))
                continue;
            // The box reaches two pixels beyond the number on each side; its shadow repeats it one
            // pixel right and down, like the shadow pass of the text.
            const double px = request.tpp.x;
            const double py = request.tpp.y;
            const TwipsPoint at = drawing.days[k].place;
            const TwipsSize cell = sizes.days[k];
            const double width = cell.width + 4 * px;
            const double height = cell.height + py;
            today.boxes = std::array<TodayBoxGeometry, 2> {
                TodayBoxGeometry { { at.left - px, at.top + py, width, height }, colours.CBG },
                TodayBoxGeometry { { at.left - 2 * px, at.top, width, height }, colours.CNI },
            };
        }
    }
    return drawing;
}

std::array<LabelSetDrawing, 2> ShowCalendar(const QString &monthKey, double x, double y, const CalendarColours &colours,
    bool todayBoxes, QDate today, const platform::TwipsPerPixel &tpp, const CaptionMeasure &measure)
{
    DrawRequest request { monthKey, x, y, colours, false, todayBoxes, today, tpp };
    LabelSetDrawing colourPass = DrawCalendar(request, measure);
    request.x = x + tpp.x;
    request.y = y + tpp.y;
    request.shadow = true;
    return { std::move(colourPass), DrawCalendar(request, measure) };
}

LabelSetColours RecolourCalendar(const QString &titleCaption, bool shadow, const CalendarColours &swatches)
{
    LabelSetColours result;
    result.title = Pass(shadow, swatches.CHE, swatches);
    for (int j = 0; j < kWeekdaysPerSet; ++j) {
        // Unlike a drawing, the Monday to Friday headers do take the weekday colour here.
        const std::uint32_t colour = j == 0 ? swatches.CNI : j == 6 ? swatches.CDO : swatches.CHE;
        result.weekdays[j] = Pass(shadow, colour, swatches);
    }
    const int start = StartColumn(titleCaption);
    const int length = DaysInMonth(titleCaption);
    for (int k = start; k < start + length; ++k)
        result.days[k] = DayColour(titleCaption, DayText(k - start + 1), shadow, swatches);
    return result;
}

} // namespace kalmora::calendar
