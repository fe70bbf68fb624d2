// The calendar grid's arithmetic with made-up caption sizes, so every place can be worked out by hand.

#include "calendar/calendar_layout.h"

#include <QTest>

using namespace kalmora::calendar;
using kalmora::platform::Bgr;

namespace
{

// Titles 90 twips per character and 300 high; headers of different widths (150 + 15 per column) so
// a header placed by another header's width shows; day captions 240 x 240, an empty one 0 wide.
TwipsSize FixtureMeasure(LabelKind kind, const QString &caption)
{
    switch (kind) {
    case LabelKind::Title:
        return { 90.0 * caption.size(), 300 };
    case LabelKind::Weekday:
        return { 150.0 + 15 * WeekdayHeaders().indexOf(caption), 225 };
    case LabelKind::Day:
        return { caption.isEmpty() ? 0.0 : 240.0, 240 };
    }
    return {};
}

const CalendarColours kColours { Bgr(10, 20, 30), Bgr(0, 0, 200), Bgr(200, 0, 0), Bgr(1, 2, 3) };

DrawRequest Request(const QString &key, bool shadow = false, bool boxes = true, QDate today = QDate(2004, 7, 9))
{
    return DrawRequest { key, 1200, 1200, kColours, shadow, boxes, today, { 15, 15 } };
}

} // namespace

Q_DECLARE_METATYPE(TwipsPoint)

namespace kalmora::calendar
{
char *toString(const TwipsPoint &p)
{
    return qstrdup(QByteArray::number(p.left) + ", " + QByteArray::number(p.top));
}
char *toString(const TwipsRect &r)
{
    return qstrdup(QByteArray::number(r.left) + ", " + QByteArray::number(r.top) + " " + QByteArray::number(r.width)
        + " x " + QByteArray::number(r.height));
}
} // namespace kalmora::calendar

class CalendarLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void places_data()
    {
        QTest::addColumn<int>("kind"); // 0 title, 1 header, 2 day cell
        QTest::addColumn<int>("index");
        QTest::addColumn<TwipsPoint>("place");
        // Origin (1200, 1200).
        QTest::newRow("title 1.5 heights above") << 0 << 0 << TwipsPoint { 1200, 750 };
        QTest::newRow("Sunday header") << 1 << 0 << TwipsPoint { 1200, 1210 };
        QTest::newRow("Monday header, own width") << 1 << 1 << TwipsPoint { 1447.5, 1210 };
        QTest::newRow("Saturday header, own width") << 1 << 6 << TwipsPoint { 3360, 1210 };
        QTest::newRow("cell 0 under the header") << 2 << 0 << TwipsPoint { 1200, 1425 };
        QTest::newRow("cell 13 row 1 Saturday") << 2 << 13 << TwipsPoint { 3360, 1665 };
        QTest::newRow("cell 36 sixth row") << 2 << 36 << TwipsPoint { 1560, 2625 };
        QTest::newRow("cell 41 empty, placed") << 2 << 41 << TwipsPoint { 3360, 2625 };
    }

    void places()
    {
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(TwipsPoint, place);
        const LabelSetDrawing drawing = DrawCalendar(Request(QStringLiteral("2004/05")), FixtureMeasure);
        const DrawnLabel &label = kind == 0 ? drawing.title : kind == 1 ? drawing.weekdays[index] : drawing.days[index];
        QCOMPARE(label.place, place);
    }

    void captionsAndEmptyCells()
    {
        const LabelSetDrawing drawing = DrawCalendar(Request(QStringLiteral("2004/05")), FixtureMeasure);
        QCOMPARE(drawing.title.caption, QStringLiteral("2004/05"));
        QCOMPARE(drawing.weekdays[0].caption, QStringLiteral("日"));
        QCOMPARE(drawing.weekdays[6].caption, QStringLiteral("土"));
        for (int k = 0; k < kDaysPerSet; ++k) {
            const QString expected
                = k >= 6 && k <= 36 ? QStringLiteral("%1").arg(k - 5, 2, 10, QChar(u'0')) : QString();
            QCOMPARE(drawing.days[k].caption, expected);
            // Empty cells keep whatever colour they had.
            QCOMPARE(drawing.days[k].colour.has_value(), !expected.isEmpty());
        }
    }

    void headerColours()
    {
        const LabelSetDrawing colourPass = DrawCalendar(Request(QStringLiteral("2004/05")), FixtureMeasure);
        QCOMPARE(colourPass.title.colour, kColours.CHE);
        QCOMPARE(colourPass.weekdays[0].colour, kColours.CNI);
        QCOMPARE(colourPass.weekdays[6].colour, kColours.CDO);
        for (int j = 1; j <= 5; ++j)
            QVERIFY2(!colourPass.weekdays[j].colour, "Monday to Friday headers keep their colour");

        const LabelSetDrawing shadowPass = DrawCalendar(Request(QStringLiteral("2004/05"), true), FixtureMeasure);
        QCOMPARE(shadowPass.title.colour, kColours.CBG);
        for (const DrawnLabel &header : shadowPass.weekdays)
            QCOMPARE(header.colour, kColours.CBG);
        for (int k = 6; k <= 36; ++k)
            QCOMPARE(shadowPass.days[k].colour, kColours.CBG);
    }

    void shadowPassOnePixelRightAndDown()
    {
        const auto passes = ShowCalendar(
            QStringLiteral("2004/07"), 1200, 1200, kColours, true, QDate(2004, 7, 9), { 15, 12 }, FixtureMeasure);
        QCOMPARE(passes[1].title.place, (TwipsPoint { 1215, 762 }));
        QCOMPARE(passes[1].days[12].place.left - passes[0].days[12].place.left, 15.0);
        QCOMPARE(passes[1].days[12].place.top - passes[0].days[12].place.top, 12.0);
        QVERIFY(passes[0].todayBoxes.has_value());
        QVERIFY2(!passes[1].todayBoxes.has_value(), "the shadow pass leaves the boxes alone");
    }

    void todayBoxes()
    {
        // 9 July 2004: cell 12 (July starts on Thursday), left 1200 + 5 x 360, top 1200 + 240 + 225.
        const LabelSetDrawing july = DrawCalendar(Request(QStringLiteral("2004/07")), FixtureMeasure);
        QCOMPARE(july.days[12].caption, QStringLiteral("09"));
        QVERIFY(july.todayBoxes && july.todayBoxes->visible && july.todayBoxes->boxes);
        const auto &boxes = *july.todayBoxes->boxes;
        QCOMPARE(boxes[0].rect, (TwipsRect { 2985, 1680, 300, 255 }));
        QCOMPARE(boxes[0].borderColour, kColours.CBG);
        QCOMPARE(boxes[1].rect, (TwipsRect { 2970, 1665, 300, 255 }));
        QCOMPARE(boxes[1].borderColour, kColours.CNI);

        // Another month hides them and leaves their place alone.
        const LabelSetDrawing june = DrawCalendar(Request(QStringLiteral("2004/06")), FixtureMeasure);
        QVERIFY(june.todayBoxes && !june.todayBoxes->visible && !june.todayBoxes->boxes);
        // The same month a year later is another month.
        const LabelSetDrawing nextYear = DrawCalendar(Request(QStringLiteral("2005/07")), FixtureMeasure);
        QVERIFY(nextYear.todayBoxes && !nextYear.todayBoxes->visible);
        // The maker has no boxes.
        QVERIFY(!DrawCalendar(Request(QStringLiteral("2004/07"), false, false), FixtureMeasure).todayBoxes);
    }

    void keyNamingNoMonth()
    {
        const LabelSetDrawing drawing = DrawCalendar(Request(QStringLiteral("2004/13")), FixtureMeasure);
        QCOMPARE(drawing.title.caption, QStringLiteral("2004/13"));
        for (const DrawnLabel &cell : drawing.days)
            QVERIFY(cell.caption.isEmpty() && !cell.colour);
        QVERIFY(!drawing.todayBoxes);
    }

    void recolour()
    {
        const CalendarColours swatches { Bgr(1, 1, 1), Bgr(2, 2, 2), Bgr(3, 3, 3), Bgr(4, 4, 4) };
        // March 2004 starts on Monday: 20 March (Saturday, equinox) is cell 20, 21 March cell 21.
        const LabelSetColours colourSet = RecolourCalendar(QStringLiteral("2004/03"), false, swatches);
        QCOMPARE(colourSet.title, swatches.CHE);
        const std::uint32_t headers[]
            = { swatches.CNI, swatches.CHE, swatches.CHE, swatches.CHE, swatches.CHE, swatches.CHE, swatches.CDO };
        for (int j = 0; j < kWeekdaysPerSet; ++j)
            QCOMPARE(colourSet.weekdays[j], headers[j]);
        QVERIFY(!colourSet.days[0]);
        QCOMPARE(colourSet.days[1], swatches.CHE);
        QCOMPARE(colourSet.days[6], swatches.CDO);
        QCOMPARE(colourSet.days[20], swatches.CNI);
        QCOMPARE(colourSet.days[21], swatches.CNI);
        QVERIFY(!colourSet.days[32]);

        // 4 May 2004 (Tuesday, cell 9 of May) is a holiday on a weekday.
        QCOMPARE(RecolourCalendar(QStringLiteral("2004/05"), false, swatches).days[9], swatches.CNI);

        const LabelSetColours shadowSet = RecolourCalendar(QStringLiteral("2004/03"), true, swatches);
        QCOMPARE(shadowSet.title, swatches.CBG);
        for (std::uint32_t header : shadowSet.weekdays)
            QCOMPARE(header, swatches.CBG);
        for (int k = 1; k <= 31; ++k)
            QCOMPARE(shadowSet.days[k], swatches.CBG);
    }
};

QTEST_GUILESS_MAIN(CalendarLayoutTest)
#include "test_calendar_layout.moc"
