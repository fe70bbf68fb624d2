#include "calendar/calendar_labels.h"

#include "calendar/calendar_layout.h"
#include "calendar/today_box.h"
#include "platform/numbers.h"

#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QWidget>
#include <array>

namespace kalmora::calendar
{

namespace
{

struct ArrayShape {
    const char *name;
    int count;
};

struct HostShape {
    ArrayShape titles;
    ArrayShape weekdays;
    ArrayShape days;
    const char *titleFamily;
};

HostShape ShapeOf(CalendarHost host)
{
    if (host == CalendarHost::Viewer)
        return { { "Label3", 3 }, { "Label1", 28 }, { "Label2", 168 }, "Times New Roman" };
    return { { "L3", 3 }, { "L1", 14 }, { "L2", 84 }, "ＭＳ ゴシック" };
}

QFont CalendarFont(const QString &family, bool bold)
{
    QFont font(family);
    font.setBold(bold);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    return font;
}

// Sets the text colour only when it changes: a palette change repolishes the label.
void SetTextColour(QLabel *label, std::uint32_t bgr)
{
    const QColor colour = platform::ToQColor(bgr);
    if (label->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// Measures captions in one font; a drawing asks for the same few captions many times.
class FontMeasure
{
public:
    explicit FontMeasure(const QFont &font)
        : m_metrics(font)
    {
    }
    QSize size(const QString &caption)
    {
        auto it = m_cache.constFind(caption);
        if (it != m_cache.cend())
            return *it;
        // An auto-sized label is as wide as its text's advance and one line high.
        const QSize size(m_metrics.horizontalAdvance(caption), m_metrics.height());
        m_cache.insert(caption, size);
        return size;
    }

private:
    QFontMetrics m_metrics;
    QHash<QString, QSize> m_cache;
};

} // namespace

struct CalendarLabels::Private {
    QWidget *container = nullptr;
    CalendarHost host = CalendarHost::Viewer;
    const platform::Clock &clock;
    platform::TwipsPerPixel tpp;
    HostShape shape;
    CalendarColours colours;
    QFont titleFont;
    QFont weekdayFont;
    QFont dayFont;
    QVector<QLabel *> titles;
    QVector<QLabel *> weekdays;
    QVector<QLabel *> days;
    std::array<TodayBox *, 2> boxes {};
    bool created = false;

    Private(QWidget *container, CalendarHost host, const platform::Clock &clock, platform::TwipsPerPixel tpp)
        : container(container)
        , host(host)
        , clock(clock)
        , tpp(tpp)
        , shape(ShapeOf(host))
        , titleFont(CalendarFont(QString::fromUtf8(shape.titleFamily), false))
        , weekdayFont(CalendarFont(QStringLiteral("ＭＳ ゴシック"), false))
        , dayFont(CalendarFont(QStringLiteral("Times New Roman"), true))
    {
    }

    QLabel *makeLabel(
        QVector<QLabel *> &array, const ArrayShape &arrayShape, const QFont &font, Qt::Alignment alignment)
    {
        auto *label = new QLabel(container);
        label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(arrayShape.name)).arg(array.size()));
        label->setFont(font);
        label->setAlignment(alignment | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(false);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        SetTextColour(label, platform::Bgr(255, 255, 255));
        label->resize(0, 0);
        label->show();
        array.append(label);
        return label;
    }

    QLabel *makeTitle() { return makeLabel(titles, shape.titles, titleFont, Qt::AlignLeft); }
    QLabel *makeWeekday() { return makeLabel(weekdays, shape.weekdays, weekdayFont, Qt::AlignHCenter); }
    QLabel *makeDay() { return makeLabel(days, shape.days, dayFont, Qt::AlignHCenter); }

    QPoint pixels(const TwipsPoint &place) const
    {
        return { platform::PixelsX(place.left, tpp), platform::PixelsY(place.top, tpp) };
    }

    TwipsSize twips(const QSize &size) const { return { double(size.width() * tpp.x), double(size.height() * tpp.y) }; }

    void applyLabel(QLabel *label, const DrawnLabel &drawn, const QFont &font, FontMeasure &measure)
    {
        if (label->font() != font)
            label->setFont(font);
        label->setText(drawn.caption);
        if (drawn.colour)
            SetTextColour(label, *drawn.colour);
        label->setGeometry(QRect(pixels(drawn.place), measure.size(drawn.caption)));
    }

    void applySet(int set, const LabelSetDrawing &drawing, FontMeasure &title, FontMeasure &weekday, FontMeasure &day)
    {
        applyLabel(titles[set], drawing.title, titleFont, title);
        for (int j = 0; j < kWeekdaysPerSet; ++j)
            applyLabel(weekdays[kWeekdaysPerSet * set + j], drawing.weekdays[j], weekdayFont, weekday);
        for (int k = 0; k < kDaysPerSet; ++k)
            applyLabel(days[kDaysPerSet * set + k], drawing.days[k], dayFont, day);
        if (drawing.todayBoxes)
            applyTodayBoxes(*drawing.todayBoxes);
    }

    void applyTodayBoxes(const TodayBoxesDrawing &drawing)
    {
        for (int i = 0; i < 2; ++i) {
            TodayBox *box = boxes[i];
            if (box == nullptr)
                continue;
            if (drawing.boxes) {
                const TodayBoxGeometry &wanted = (*drawing.boxes)[i];
                box->setGeometry(platform::PixelsX(wanted.rect.left, tpp), platform::PixelsY(wanted.rect.top, tpp),
                    platform::PixelsX(wanted.rect.width, tpp), platform::PixelsY(wanted.rect.height, tpp));
                box->setBorderColour(platform::ToQColor(wanted.borderColour));
            }
            box->setVisible(drawing.visible);
        }
    }

    LabelSetSizes presentSizes(int set) const
    {
        LabelSetSizes sizes;
        sizes.title = twips(titles[set]->size());
        for (int j = 0; j < kWeekdaysPerSet; ++j)
            sizes.weekdays[j] = twips(weekdays[kWeekdaysPerSet * set + j]->size());
        for (int k = 0; k < kDaysPerSet; ++k)
            sizes.days[k] = twips(days[kDaysPerSet * set + k]->size());
        sizes.firstWeekdayHeight = weekdays[0]->height() * double(tpp.y);
        return sizes;
    }

    void moveSet(int set, double x, double y)
    {
        const LabelSetPlaces places = MoveLabelSet(presentSizes(set), x, y);
        titles[set]->move(pixels(places.title));
        for (int j = 0; j < kWeekdaysPerSet; ++j)
            weekdays[kWeekdaysPerSet * set + j]->move(pixels(places.weekdays[j]));
        for (int k = 0; k < kDaysPerSet; ++k)
            days[kDaysPerSet * set + k]->move(pixels(places.days[k]));
    }

    bool hasTwoSets() const
    {
        return titles.size() >= 2 && weekdays.size() >= 2 * kWeekdaysPerSet && days.size() >= 2 * kDaysPerSet;
    }
};

CalendarLabels::CalendarLabels(
    QWidget *container, CalendarHost host, const platform::Clock &clock, platform::TwipsPerPixel tpp, QObject *parent)
    : QObject(parent)
    , d(new Private(container, host, clock, tpp))
{
    if (host == CalendarHost::Viewer) {
        // Made before any label, so every label lies above them; the coloured box above its shadow.
        for (int i = 0; i < 2; ++i) {
            auto *box = new TodayBox(container);
            box->setObjectName(QStringLiteral("Shape1_%1").arg(i));
            box->setBorderColour(platform::ToQColor(i == 0 ? d->colours.CBG : d->colours.CNI));
            box->hide();
            d->boxes[i] = box;
        }
    }
    d->makeTitle();
    d->makeWeekday();
    d->makeDay();
}

CalendarLabels::~CalendarLabels()
{
    delete d;
}

void CalendarLabels::CreateCalendarLabels()
{
    if (d->created)
        return;
    d->created = true;
    while (d->titles.size() < d->shape.titles.count)
        d->makeTitle();
    while (d->days.size() < d->shape.days.count)
        d->makeDay();
    while (d->weekdays.size() < d->shape.weekdays.count)
        d->makeWeekday();
    // Keep the boxes below every label even if the container had children stacked above them.
    if (d->boxes[1] != nullptr) {
        d->boxes[1]->stackUnder(d->titles[0]);
        d->boxes[0]->stackUnder(d->boxes[1]);
    }
}

void CalendarLabels::ShowCalendar(const QString &monthKey, int calendarNumber, double x, double y, double fontSize)
{
    if (calendarNumber != 0 || !d->hasTwoSets())
        return;
    const int points = std::max(1, platform::ToInt32(platform::RoundHalfEven(fontSize)));
    d->titleFont.setPointSize(points);
    d->weekdayFont.setPointSize(points);
    d->dayFont.setPointSize(points);

    FontMeasure title(d->titleFont);
    FontMeasure weekday(d->weekdayFont);
    FontMeasure day(d->dayFont);
    const CaptionMeasure measure = [&](LabelKind kind, const QString &caption) {
        FontMeasure &m = kind == LabelKind::Title ? title : kind == LabelKind::Weekday ? weekday : day;
        return d->twips(m.size(caption));
    };

    const auto passes = calendar::ShowCalendar(
        monthKey, x, y, d->colours, d->host == CalendarHost::Viewer, d->clock.today(), d->tpp, measure);
    d->applySet(0, passes[0], title, weekday, day);
    d->applySet(1, passes[1], title, weekday, day);
}

void CalendarLabels::MoveCalendar(int calendarNumber, double x, double y)
{
    if (calendarNumber != 0 || !d->hasTwoSets())
        return;
    d->moveSet(0, x, y);
    d->moveSet(1, x + d->tpp.x, y + d->tpp.y);
}

void CalendarLabels::RecolourCalendar(int labelSet, bool shadow, const CalendarColours &swatches)
{
    if (!d->hasTwoSets())
        return;
    const int set = labelSet == 1 ? 1 : 0;
    const LabelSetColours colours = calendar::RecolourCalendar(d->titles[0]->text(), shadow, swatches);
    SetTextColour(d->titles[set], colours.title);
    for (int j = 0; j < kWeekdaysPerSet; ++j)
        SetTextColour(d->weekdays[kWeekdaysPerSet * set + j], colours.weekdays[j]);
    for (int k = 0; k < kDaysPerSet; ++k) {
        if (colours.days[k])
            SetTextColour(d->days[kDaysPerSet * set + k], *colours.days[k]);
    }
}

void CalendarLabels::setColours(const CalendarColours &colours)
{
    d->colours = colours;
}

CalendarColours CalendarLabels::colours() const
{
    return d->colours;
}

QLabel *CalendarLabels::titleLabel(int index) const
{
    return d->titles.value(index);
}
QLabel *CalendarLabels::weekdayLabel(int index) const
{
    return d->weekdays.value(index);
}
QLabel *CalendarLabels::dayLabel(int index) const
{
    return d->days.value(index);
}
QWidget *CalendarLabels::todayBox(int index) const
{
    return index >= 0 && index < 2 ? d->boxes[std::size_t(index)] : nullptr;
}
int CalendarLabels::titleCount() const
{
    return int(d->titles.size());
}
int CalendarLabels::weekdayCount() const
{
    return int(d->weekdays.size());
}
int CalendarLabels::dayCount() const
{
    return int(d->days.size());
}
CalendarHost CalendarLabels::host() const
{
    return d->host;
}
platform::TwipsPerPixel CalendarLabels::twipsPerPixel() const
{
    return d->tpp;
}

} // namespace kalmora::calendar
