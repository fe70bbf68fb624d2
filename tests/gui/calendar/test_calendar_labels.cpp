// The calendar drawn as real labels (offscreen): captions, colours, places, stacking, today's boxes,
// moving and recolouring, checked against the drawing rules with the labels' real font metrics.

#include "calendar/calendar_labels.h"
#include "calendar/today_box.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <memory>

using namespace kalmora::calendar;
using kalmora::platform::Bgr;
using kalmora::platform::FixedClock;
using kalmora::platform::ToQColor;

namespace
{

constexpr int kTpp = 15;
const QColor kWhite(255, 255, 255);

// Colours with CHE not white, so the untouched Monday-to-Friday headers show.
const CalendarColours kProject { Bgr(255, 255, 0), Bgr(0, 0, 255), Bgr(255, 0, 0), Bgr(0, 64, 0) };

// Twips to pixels the way the screen does it: nearest pixel, halves to even.
int Px(double twips)
{
    return int(std::nearbyint(twips / kTpp));
}

class Container : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

struct Calendar {
    std::unique_ptr<Container> container;
    std::unique_ptr<FixedClock> clock;
    std::unique_ptr<CalendarLabels> labels;
};

Calendar MakeCalendar(CalendarHost host, QDate today)
{
    Calendar c;
    c.container = std::make_unique<Container>();
    c.container->resize(400, 320);
    c.clock = std::make_unique<FixedClock>(QDateTime(today, QTime(12, 0)));
    c.labels = std::make_unique<CalendarLabels>(c.container.get(), host, *c.clock, kalmora::platform::TwipsPerPixel {});
    c.labels->CreateCalendarLabels();
    return c;
}

QColor TextColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

// Everything a label shows, for comparing two drawings.
struct LabelLook {
    QString caption;
    QColor colour;
    QRect geometry;
    bool operator==(const LabelLook &) const = default;
};
LabelLook Look(const QLabel *label)
{
    return { label->text(), TextColour(label), label->geometry() };
}

QList<QLabel *> SetLabels(const CalendarLabels &labels, int set)
{
    QList<QLabel *> all { labels.titleLabel(set) };
    for (int j = 0; j < 7; ++j)
        all << labels.weekdayLabel(7 * set + j);
    for (int k = 0; k < 42; ++k)
        all << labels.dayLabel(42 * set + k);
    return all;
}

QList<LabelLook> Looks(const CalendarLabels &labels)
{
    QList<LabelLook> looks;
    for (int set = 0; set < 2; ++set) {
        for (QLabel *label : SetLabels(labels, set))
            looks << Look(label);
    }
    return looks;
}

} // namespace

class CalendarLabelsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { kalmora::platform::InstallFontSubstitutions(); }

    void arraysAndStacking_data()
    {
        QTest::addColumn<CalendarHost>("host");
        QTest::addColumn<QString>("titleName");
        QTest::addColumn<QString>("weekdayName");
        QTest::addColumn<QString>("dayName");
        QTest::addColumn<int>("weekdays");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("titleFamily");
        QTest::newRow("viewer") << CalendarHost::Viewer << "Label3"
                                << "Label1"
                                << "Label2" << 28 << 168 << "Liberation Serif";
        QTest::newRow("maker") << CalendarHost::Maker << "L3"
                               << "L1"
                               << "L2" << 14 << 84 << "IPAGothic";
    }

    void arraysAndStacking()
    {
        QFETCH(CalendarHost, host);
        QFETCH(QString, titleName);
        QFETCH(QString, weekdayName);
        QFETCH(QString, dayName);
        QFETCH(int, weekdays);
        QFETCH(int, days);
        QFETCH(QString, titleFamily);
        Calendar c = MakeCalendar(host, QDate(2004, 7, 9));
        const CalendarLabels &labels = *c.labels;
        QCOMPARE(labels.titleCount(), 3);
        QCOMPARE(labels.weekdayCount(), weekdays);
        QCOMPARE(labels.dayCount(), days);
        QCOMPARE(labels.titleLabel(2)->objectName(), titleName + "_2");
        QCOMPARE(labels.weekdayLabel(weekdays - 1)->objectName(), weekdayName + "_" + QString::number(weekdays - 1));
        QCOMPARE(labels.dayLabel(5)->objectName(), dayName + "_5");

        // The resolved fonts: titles by program, headers in the Gothic, day numbers in bold serif.
        QCOMPARE(QFontInfo(labels.titleLabel(0)->font()).family(), titleFamily);
        QCOMPARE(QFontInfo(labels.weekdayLabel(3)->font()).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(QFontInfo(labels.dayLabel(60)->font()).family(), QStringLiteral("Liberation Serif"));
        QVERIFY(labels.dayLabel(60)->font().bold());
        QVERIFY(!labels.weekdayLabel(3)->font().bold());

        // Creation order decides stacking: titles 1 and 2, then the day labels, then the weekday
        // labels; the shadow set above the colour set; today's boxes below every label.
        const QObjectList order = c.container->children();
        auto z = [&](const QWidget *w) { return order.indexOf(w); };
        QVERIFY(z(labels.titleLabel(1)) < z(labels.titleLabel(2)));
        QVERIFY(z(labels.titleLabel(2)) < z(labels.dayLabel(1)));
        QVERIFY(z(labels.dayLabel(0)) < z(labels.dayLabel(42)));
        QVERIFY(z(labels.dayLabel(days - 1)) < z(labels.weekdayLabel(1)));
        QVERIFY(z(labels.weekdayLabel(0)) < z(labels.weekdayLabel(7)));
        QVERIFY(z(labels.titleLabel(0)) < z(labels.titleLabel(1)));
        if (host == CalendarHost::Viewer) {
            QVERIFY(labels.todayBox(0) && labels.todayBox(1));
            QCOMPARE(labels.todayBox(0)->objectName(), QStringLiteral("Shape1_0"));
            for (QObject *child : order) {
                if (qobject_cast<QLabel *>(child))
                    QVERIFY(z(labels.todayBox(1)) < order.indexOf(child));
            }
            QVERIFY(z(labels.todayBox(0)) < z(labels.todayBox(1)));
        } else {
            QVERIFY(!labels.todayBox(0) && !labels.todayBox(1));
        }
    }

    // The month as drawn into both sets. `classes`: one character per cell, "." empty, "W" weekday
    // colour, "S" Saturday colour, "H" Sunday and holiday colour.
    void drawnMonth_data()
    {
        QTest::addColumn<CalendarHost>("host");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("classes");
        const QDate july9(2004, 7, 9);
        const QDate march31(2004, 3, 31);
        struct Month {
            const char *key;
            QDate today;
            const char *classes;
        };
        // 2004 calendars; 11 Feb, 3-5 May (4 May between two holidays), 20 Mar (Saturday equinox)
        // and 19 Jul (third Monday) are holidays.
        const Month months[] = {
            { "2004/02", july9,
                "HWWWWWS"
                "HWWHWWS"
                "HWWWWWS"
                "HWWWWWS"
                "H......"
                "......." },
            { "2004/05", july9,
                "......S"
                "HHHHWWS"
                "HWWWWWS"
                "HWWWWWS"
                "HWWWWWS"
                "HW....." },
            { "2004/07", july9,
                "....WWS"
                "HWWWWWS"
                "HWWWWWS"
                "HHWWWWS"
                "HWWWWWS"
                "......." },
            { "2004/03", march31,
                ".WWWWWS"
                "HWWWWWS"
                "HWWWWWH"
                "HWWWWWS"
                "HWWW..."
                "......." },
        };
        for (const Month &m : months) {
            QTest::addRow("viewer %s", m.key) << CalendarHost::Viewer << m.key << m.today << m.classes;
            QTest::addRow("maker %s", m.key) << CalendarHost::Maker << m.key << m.today << m.classes;
        }
    }

    void drawnMonth()
    {
        QFETCH(CalendarHost, host);
        QFETCH(QString, key);
        QFETCH(QDate, today);
        QFETCH(QString, classes);
        Calendar c = MakeCalendar(host, today);
        const bool viewer = host == CalendarHost::Viewer;
        const CalendarColours colours = viewer ? kProject : CalendarColours {};
        c.labels->setColours(colours);
        const double x = 1200;
        const double y = 900;
        c.labels->ShowCalendar(key, 0, x, y, 7);
        const CalendarLabels &labels = *c.labels;

        for (int set = 0; set < 2; ++set) {
            const bool shadow = set == 1;
            const double ox = x + set * kTpp;
            const double oy = y + set * kTpp;
            auto expected = [&](std::uint32_t colour) { return ToQColor(shadow ? colours.CBG : colour); };

            // Title: "yyyy/mm", CHE, sized to its text, its top 1.5 of its heights above the origin.
            const QLabel *title = labels.titleLabel(set);
            QCOMPARE(title->text(), key);
            QCOMPARE(TextColour(title), expected(colours.CHE));
            const QFontMetrics titleMetrics(title->font());
            QCOMPARE(title->size(), QSize(titleMetrics.horizontalAdvance(key), titleMetrics.height()));
            QCOMPARE(title->pos(), QPoint(Px(ox), Px(oy - 1.5 * title->height() * kTpp)));

            // Headers: 10 twips below the origin, 1.5 of their own widths apart.
            for (int j = 0; j < 7; ++j) {
                const QLabel *header = labels.weekdayLabel(7 * set + j);
                QCOMPARE(header->text(), QString(QStringLiteral("日月火水木金土")[j]));
                QCOMPARE(header->pos(), QPoint(Px(ox + j * header->width() * kTpp * 1.5), Px(oy + 10)));
                const QColor colour = TextColour(header);
                if (shadow)
                    QCOMPARE(colour, ToQColor(colours.CBG));
                else if (j == 0)
                    QCOMPARE(colour, ToQColor(colours.CNI));
                else if (j == 6)
                    QCOMPARE(colour, ToQColor(colours.CDO));
                else
                    QCOMPARE(colour, kWhite); // whatever CHE is
            }

            // Days: every cell placed like "00", rows one day height apart below the header row.
            const QFontMetrics dayMetrics(labels.dayLabel(0)->font());
            const int cellWidth = dayMetrics.horizontalAdvance(QStringLiteral("00"));
            const int cellHeight = dayMetrics.height();
            const int headerHeight = labels.weekdayLabel(0)->height();
            int day = 0;
            for (int k = 0; k < 42; ++k) {
                const QLabel *cell = labels.dayLabel(42 * set + k);
                const QChar cls = classes[k];
                const QString caption = cls == u'.' ? QString() : QStringLiteral("%1").arg(++day, 2, 10, QChar(u'0'));
                QCOMPARE(cell->text(), caption);
                QCOMPARE(cell->pos(),
                    QPoint(Px(ox + (k % 7) * cellWidth * kTpp * 1.5),
                        Px(oy + (k / 7) * cellHeight * kTpp + headerHeight * kTpp)));
                if (cls == u'.')
                    continue;
                QCOMPARE(cell->size(), QSize(cellWidth, cellHeight));
                const std::uint32_t role = cls == u'S' ? colours.CDO : cls == u'H' ? colours.CNI : colours.CHE;
                QCOMPARE(TextColour(cell), expected(role));
            }
        }

        // Today's boxes: shown only with the current month, two pixels beyond today's number,
        // the shadow box one pixel right and down.
        if (viewer) {
            const bool current = key == today.toString(QStringLiteral("yyyy/MM"));
            QCOMPARE(!labels.todayBox(0)->isHidden(), current);
            QCOMPARE(!labels.todayBox(1)->isHidden(), current);
            if (current) {
                int start = 0;
                while (classes[start] == u'.')
                    ++start;
                const int cell = start + today.day() - 1;
                const QLabel *number = labels.dayLabel(cell);
                QCOMPARE(number->text().toInt(), today.day());
                const double left = x + (cell % 7) * number->width() * kTpp * 1.5;
                const double top = y + (cell / 7) * number->height() * kTpp + labels.weekdayLabel(0)->height() * kTpp;
                const double width = number->width() * kTpp + 4 * kTpp;
                const double height = number->height() * kTpp + kTpp;
                auto *shadowBox = qobject_cast<TodayBox *>(labels.todayBox(0));
                auto *colourBox = qobject_cast<TodayBox *>(labels.todayBox(1));
                QCOMPARE(shadowBox->geometry(), QRect(Px(left - kTpp), Px(top + kTpp), Px(width), Px(height)));
                QCOMPARE(colourBox->geometry(), QRect(Px(left - 2 * kTpp), Px(top), Px(width), Px(height)));
                QCOMPARE(shadowBox->borderColour(), ToQColor(colours.CBG));
                QCOMPARE(colourBox->borderColour(), ToQColor(colours.CNI));
            }
        }

        // Unused labels keep an empty caption.
        QVERIFY(labels.titleLabel(2)->text().isEmpty());
        QVERIFY(labels.dayLabel(labels.dayCount() - 1)->text().isEmpty());

        // Drawing the same month again changes nothing.
        const QList<LabelLook> once = Looks(labels);
        c.labels->ShowCalendar(key, 0, x, y, 7);
        QCOMPARE(Looks(labels), once);
    }

    void todayBoxesFollowTheShownMonth()
    {
        Calendar c = MakeCalendar(CalendarHost::Viewer, QDate(2004, 7, 9));
        CalendarLabels &labels = *c.labels;
        labels.ShowCalendar(QStringLiteral("2004/07"), 0, 1200, 900, 7);
        const QRect shadowPlace = labels.todayBox(0)->geometry();
        const QRect colourPlace = labels.todayBox(1)->geometry();
        QVERIFY(!labels.todayBox(1)->isHidden());

        labels.ShowCalendar(QStringLiteral("2004/08"), 0, 1200, 900, 7);
        QVERIFY(labels.todayBox(0)->isHidden() && labels.todayBox(1)->isHidden());
        QCOMPARE(labels.todayBox(0)->geometry(), shadowPlace);
        QCOMPARE(labels.todayBox(1)->geometry(), colourPlace);

        // A new day comes only with the next drawing.
        c.clock->set(QDateTime(QDate(2004, 7, 10), QTime(0, 0)));
        QCOMPARE(labels.todayBox(1)->geometry(), colourPlace);
        labels.ShowCalendar(QStringLiteral("2004/07"), 0, 1200, 900, 7);
        QVERIFY(!labels.todayBox(0)->isHidden() && !labels.todayBox(1)->isHidden());
        QCOMPARE(labels.todayBox(1)->geometry(),
            colourPlace.translated(labels.dayLabel(13)->x() - labels.dayLabel(12)->x(), 0));
    }

    void otherCalendarNumbersDoNothing()
    {
        Calendar c = MakeCalendar(CalendarHost::Viewer, QDate(2004, 7, 9));
        c.labels->ShowCalendar(QStringLiteral("2004/07"), 0, 1200, 900, 7);
        const QList<LabelLook> before = Looks(*c.labels);
        c.labels->ShowCalendar(QStringLiteral("2004/05"), 1, 300, 300, 7);
        c.labels->MoveCalendar(1, 300, 300);
        c.labels->MoveCalendar(-1, 300, 300);
        QCOMPARE(Looks(*c.labels), before);
    }

    void moveMatchesAFreshDrawing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("2004/05, sixth row used") << "2004/05";
        QTest::newRow("2004/02, trailing empty cells") << "2004/02";
    }

    void moveMatchesAFreshDrawing()
    {
        QFETCH(QString, key);
        Calendar moved = MakeCalendar(CalendarHost::Viewer, QDate(2004, 5, 12));
        Calendar fresh = MakeCalendar(CalendarHost::Viewer, QDate(2004, 5, 12));
        moved.labels->setColours(kProject);
        fresh.labels->setColours(kProject);
        moved.labels->ShowCalendar(key, 0, 1200, 900, 7);
        const QRect boxBefore = moved.labels->todayBox(1)->geometry();
        const bool boxShown = !moved.labels->todayBox(1)->isHidden();
        moved.labels->MoveCalendar(0, 2400, 1500);
        fresh.labels->ShowCalendar(key, 0, 2400, 1500, 7);

        for (int set = 0; set < 2; ++set) {
            const QList<QLabel *> a = SetLabels(*moved.labels, set);
            const QList<QLabel *> b = SetLabels(*fresh.labels, set);
            for (int i = 0; i < a.size(); ++i) {
                if (b[i]->text().isEmpty())
                    continue; // an empty cell may land anywhere
                QCOMPARE(Look(a[i]), Look(b[i]));
            }
        }
        // The boxes stay where the drawing put them.
        QCOMPARE(moved.labels->todayBox(1)->geometry(), boxBefore);
        QCOMPARE(!moved.labels->todayBox(1)->isHidden(), boxShown);
    }

    void recolourKeepsPlaces()
    {
        Calendar c = MakeCalendar(CalendarHost::Maker, QDate(2004, 7, 9));
        CalendarLabels &labels = *c.labels;
        labels.ShowCalendar(QStringLiteral("2004/05"), 0, 1200, 1200, 7);
        const QList<LabelLook> before = Looks(labels);
        const CalendarColours swatches { Bgr(250, 240, 0), Bgr(0, 120, 255), Bgr(200, 0, 100), Bgr(90, 90, 90) };
        labels.RecolourCalendar(0, false, swatches);
        labels.RecolourCalendar(1, true, swatches);

        const QList<LabelLook> after = Looks(labels);
        for (int i = 0; i < after.size(); ++i) {
            QCOMPARE(after[i].caption, before[i].caption);
            QCOMPARE(after[i].geometry, before[i].geometry);
        }
        // Colour set: the headers take the weekday swatch here; 4 May (Tuesday, cell 9) stays a holiday.
        QCOMPARE(TextColour(labels.titleLabel(0)), ToQColor(swatches.CHE));
        QCOMPARE(TextColour(labels.weekdayLabel(0)), ToQColor(swatches.CNI));
        for (int j = 1; j <= 5; ++j)
            QCOMPARE(TextColour(labels.weekdayLabel(j)), ToQColor(swatches.CHE));
        QCOMPARE(TextColour(labels.weekdayLabel(6)), ToQColor(swatches.CDO));
        QCOMPARE(TextColour(labels.dayLabel(9)), ToQColor(swatches.CNI));
        QCOMPARE(TextColour(labels.dayLabel(11)), ToQColor(swatches.CHE));
        QCOMPARE(TextColour(labels.dayLabel(13)), ToQColor(swatches.CDO));
        // Shadow set: everything in the shadow swatch.
        for (QLabel *label : SetLabels(labels, 1)) {
            if (!label->text().isEmpty())
                QCOMPARE(TextColour(label), ToQColor(swatches.CBG));
        }

        // Any set number but 1 recolours the colour set.
        const CalendarColours other { Bgr(1, 2, 3), Bgr(4, 5, 6), Bgr(7, 8, 9), Bgr(10, 11, 12) };
        labels.RecolourCalendar(5, false, other);
        QCOMPARE(TextColour(labels.titleLabel(0)), ToQColor(other.CHE));
        QCOMPARE(TextColour(labels.titleLabel(1)), ToQColor(swatches.CBG));
    }

    // A press on any label or box reaches the container beneath it.
    void pressesPassThrough()
    {
        Calendar c = MakeCalendar(CalendarHost::Viewer, QDate(2004, 7, 9));
        c.labels->ShowCalendar(QStringLiteral("2004/07"), 0, 1200, 900, 7);
        c.container->show();
        QVERIFY(QTest::qWaitForWindowExposed(c.container.get()));
        const QList<QWidget *> targets { c.labels->titleLabel(1), c.labels->weekdayLabel(7), c.labels->dayLabel(12),
            c.labels->dayLabel(54), c.labels->todayBox(1) };
        for (QWidget *target : targets) {
            const QPoint at = target->geometry().center();
            QCOMPARE(c.container->childAt(at), nullptr);
            // Through the window, so the press is delivered to whatever widget lies under it.
            const int before = c.container->presses;
            QTest::mousePress(c.container->windowHandle(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(c.container->windowHandle(), Qt::LeftButton, {}, at);
            QCOMPARE(c.container->presses, before + 1);
        }
    }
};

QTEST_MAIN(CalendarLabelsTest)
#include "test_calendar_labels.moc"
