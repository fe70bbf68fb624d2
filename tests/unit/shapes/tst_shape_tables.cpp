// The ten shape records as InitShapeRegions leaves them: header fields, banded order, extents,
// window room, and the named points and bands each outline has to keep.

#include "shapes/shape_region.h"
#include "shapes/window_shaping.h"

#include <QList>
#include <QPair>
#include <QRegion>
#include <QStringList>
#include <QTest>

using namespace kalmora::shapes;

namespace
{

using Run = QPair<int, int>;
using Runs = QList<Run>;

struct Band {
    int top = 0;
    int bottom = 0;
    Runs runs;
};

// "60-76 179-195" -> {(60, 76), (179, 195)}
Runs ParseRuns(const QString &text)
{
    Runs runs;
    for (const QString &part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(QLatin1Char('-'));
        runs.append({ ends[0].toInt(), ends[1].toInt() });
    }
    return runs;
}

const ShapeRegion &Record(int index)
{
    return ShapeRegions()[index];
}

QList<Band> BandsOf(const ShapeRegion &record)
{
    QList<Band> bands;
    for (int i = 0; i < record.rdh.nCount; ++i) {
        const RegionRect &r = record.rects[i];
        if (bands.isEmpty() || bands.last().top != r.top)
            bands.append({ r.top, r.bottom, {} });
        bands.last().runs.append({ r.left, r.right });
    }
    return bands;
}

// The pixel mask of the rectangles, row by row, as maximal runs: what the outline is, whatever
// order the rectangles come in.
QList<Runs> MaskRows(const ShapeRegion &record, int height)
{
    QList<QList<bool>> pixels(height, QList<bool>(300, false));
    for (int i = 0; i < record.rdh.nCount; ++i) {
        const RegionRect &r = record.rects[i];
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                pixels[y][x] = true;
    }
    QList<Runs> rows(height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < 300; ++x) {
            if (!pixels[y][x])
                continue;
            if (x > 0 && pixels[y][x - 1])
                rows[y].last().second = x + 1;
            else
                rows[y].append({ x, x + 1 });
        }
    }
    return rows;
}

Runs RowRuns(int index, int row)
{
    for (const Band &band : BandsOf(Record(index)))
        if (band.top <= row && row < band.bottom)
            return band.runs;
    return {};
}

} // namespace

class TestShapeTables : public QObject
{
    Q_OBJECT

private slots:
    void tableIsZeroUntilFilled();

    void everyShape_data();
    void everyShape();

    void namedBands_data();
    void namedBands();

    void edgePositions_data();
    void edgePositions();

    void namedPixels_data();
    void namedPixels();

    void twoRunBands_data();
    void twoRunBands();

    void singleSquares_data();
    void singleSquares();

    void starIsTheLongestList();

    void windowSizes_data();
    void windowSizes();
};

void TestShapeTables::tableIsZeroUntilFilled()
{
    // Runs first, before anything has filled the table.
    for (const ShapeRegion &record : ShapeRegions()) {
        QCOMPARE(record.rdh.dwSize, 0);
        QCOMPARE(record.rdh.nCount, 0);
        QCOMPARE(record.rects[0].right, 0);
    }
    InitShapeRegions();
    QCOMPARE(Record(0).rdh.dwSize, 32);
}

void TestShapeTables::everyShape_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("extent"); // left, top and exclusive right, bottom as x, y, w, h
    // Outline extents (ends exclusive) as the shape table gives them.
    auto add = [](const char *name, int index, int x0, int x1, int y0, int y1) {
        QTest::newRow(name) << index << QRect(QPoint(x0, y0), QSize(x1 - x0, y1 - y0));
    };
    add("0 heart", 0, 1, 254, 2, 253);
    add("1 rounded square", 1, 1, 254, 1, 254);
    add("2 circle", 2, 2, 251, 2, 252);
    add("3 square", 3, 2, 251, 2, 251);
    add("4 star", 4, 3, 255, 3, 254);
    add("5 small heart", 5, 1, 194, 1, 193);
    add("6 small rounded square", 6, 1, 194, 1, 194);
    add("7 small circle", 7, 1, 192, 1, 193);
    add("8 small square", 8, 1, 192, 1, 192);
    add("9 small star", 9, 2, 195, 2, 194);
}

void TestShapeTables::everyShape()
{
    QFETCH(int, index);
    QFETCH(QRect, extent);
    const ShapeRegion &record = Record(index);
    const int right = extent.x() + extent.width();
    const int bottom = extent.y() + extent.height();

    QCOMPARE(record.rdh.dwSize, 32);
    QCOMPARE(record.rdh.iType, 1);
    QVERIFY(record.rdh.nCount >= 1 && record.rdh.nCount <= kShapeCapacity);
    QCOMPARE(record.rdh.nRgnSize, 16 * record.rdh.nCount);
    QCOMPARE(record.rdh.rcBound.left, 0);
    QCOMPARE(record.rdh.rcBound.top, 0);
    QCOMPARE(record.rdh.rcBound.right, right);
    QCOMPARE(record.rdh.rcBound.bottom, bottom);
    for (int i = record.rdh.nCount; i < kShapeCapacity; ++i)
        QCOMPARE(record.rects[i].right, 0);

    // The banded order in one statement: the list is exactly what cutting the outline's own pixel
    // mask into rows of maximal runs, and merging equal neighbouring rows, gives; and no row
    // between the first and the last is empty.
    const QList<Runs> rows = MaskRows(record, 300);
    QList<Band> expected;
    for (int y = 0; y < rows.size(); ++y) {
        if (rows[y].isEmpty())
            continue;
        if (!expected.isEmpty() && expected.last().bottom == y && expected.last().runs == rows[y])
            expected.last().bottom = y + 1;
        else
            expected.append({ y, y + 1, rows[y] });
    }
    const QList<Band> bands = BandsOf(record);
    QCOMPARE(bands.size(), expected.size());
    for (int b = 0; b < bands.size(); ++b) {
        QCOMPARE(bands[b].top, expected[b].top);
        QCOMPARE(bands[b].bottom, expected[b].bottom);
        QCOMPARE(bands[b].runs, expected[b].runs);
        if (b > 0)
            QCOMPARE(bands[b].top, bands[b - 1].bottom);
    }

    // Extent: row 0 and column 0 stay outside.
    QCOMPARE(bands.first().top, extent.y());
    QCOMPARE(bands.last().bottom, bottom);
    int minLeft = 1000;
    int maxRight = 0;
    for (const Band &band : bands) {
        minLeft = qMin(minLeft, band.runs.first().first);
        maxRight = qMax(maxRight, band.runs.last().second);
    }
    QCOMPARE(minLeft, extent.x());
    QCOMPARE(maxRight, right);
    QVERIFY(rows[0].isEmpty());
    QVERIFY(minLeft > 0);

    // The outline fits its window at 15 twips per pixel, with room to spare right and bottom.
    int widthTwips = 0;
    int heightTwips = 0;
    QVERIFY(ShapeWindowSizeTwips(index, &widthTwips, &heightTwips));
    QVERIFY2(right < widthTwips / 15, qPrintable(QString::number(widthTwips / 15)));
    QVERIFY2(bottom < heightTwips / 15, qPrintable(QString::number(heightTwips / 15)));

    // The region built from the record covers exactly the mask.
    const std::optional<QRegion> region = RegionFromShape(record);
    QVERIFY(region.has_value());
    qint64 area = 0;
    for (const Runs &row : rows)
        for (const Run &run : row)
            area += run.second - run.first;
    qint64 regionArea = 0;
    for (const QRect &r : *region)
        regionArea += qint64(r.width()) * r.height();
    QCOMPARE(regionArea, area);
    QCOMPARE(region->boundingRect(), extent);
}

void TestShapeTables::namedBands_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QString>("runs");
    // Bands the outlines are described by: rows top-bottom, runs left-right, ends exclusive.
    QTest::newRow("heart first") << 0 << 2 << 3 << "60-76 179-195";
    QTest::newRow("heart cleft closes") << 0 << 42 << 43 << "6-127 129-249";
    QTest::newRow("heart widest") << 0 << 61 << 76 << "1-254";
    QTest::newRow("heart point") << 0 << 252 << 253 << "74-75";
    QTest::newRow("circle first") << 2 << 2 << 3 << "115-138";
    QTest::newRow("circle 102") << 2 << 102 << 108 << "4-249";
    QTest::newRow("circle 108") << 2 << 108 << 116 << "3-250";
    QTest::newRow("circle widest") << 2 << 116 << 138 << "2-251";
    QTest::newRow("circle last") << 2 << 251 << 252 << "115-138";
    QTest::newRow("star top point") << 4 << 3 << 4 << "129-134";
    QTest::newRow("star legs part") << 4 << 219 << 220 << "38-130 132-218";
    QTest::newRow("star both feet") << 4 << 252 << 253 << "33-48 212-218";
    QTest::newRow("star left foot") << 4 << 253 << 254 << "34-44";
    QTest::newRow("small heart first") << 5 << 1 << 2 << "46-58 137-149";
    QTest::newRow("small heart cleft closes") << 5 << 32 << 33 << "4-97 99-191";
    QTest::newRow("small heart widest") << 5 << 42 << 63 << "1-194";
    QTest::newRow("small heart point") << 5 << 192 << 193 << "57-59";
    QTest::newRow("small circle first") << 7 << 1 << 2 << "88-106";
    QTest::newRow("small circle widest") << 7 << 89 << 106 << "1-192";
    QTest::newRow("small circle last") << 7 << 192 << 193 << "88-106";
    QTest::newRow("small star top point") << 9 << 2 << 3 << "99-102";
    QTest::newRow("small star legs part") << 9 << 168 << 169 << "28-98 102-167";
    QTest::newRow("small star feet") << 9 << 193 << 194 << "25-37 162-167";
}

void TestShapeTables::namedBands()
{
    QFETCH(int, index);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(QString, runs);
    const QList<Band> bands = BandsOf(Record(index));
    const auto it = std::find_if(bands.begin(), bands.end(), [top](const Band &b) { return b.top == top; });
    QVERIFY2(it != bands.end(), "no band starts at this row");
    QCOMPARE(it->bottom, bottom);
    QCOMPARE(it->runs, ParseRuns(runs));
}

void TestShapeTables::edgePositions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("left"); // -1: not named
    QTest::addColumn<int>("right"); // exclusive; -1: not named
    QTest::newRow("heart 90") << 0 << 90 << 3 << 251;
    QTest::newRow("heart 125") << 0 << 125 << 20 << 235;
    QTest::newRow("heart 150") << 0 << 150 << 42 << 217;
    QTest::newRow("heart 175") << 0 << 175 << 62 << 192;
    QTest::newRow("heart 200") << 0 << 200 << 72 << 161;
    QTest::newRow("heart 225") << 0 << 225 << -1 << 124;
    QTest::newRow("heart 240") << 0 << 240 << -1 << 97;
    QTest::newRow("small heart 100") << 5 << 100 << -1 << 177;
    QTest::newRow("small heart 125") << 5 << 125 << -1 << 155;
    QTest::newRow("small heart 150") << 5 << 150 << -1 << 128;
    QTest::newRow("small heart 160") << 5 << 160 << 57 << -1;
    QTest::newRow("small heart 175") << 5 << 175 << -1 << 89;
}

void TestShapeTables::edgePositions()
{
    QFETCH(int, index);
    QFETCH(int, row);
    QFETCH(int, left);
    QFETCH(int, right);
    const Runs runs = RowRuns(index, row);
    QVERIFY(!runs.isEmpty());
    if (left >= 0)
        QCOMPARE(runs.first().first, left);
    if (right >= 0)
        QCOMPARE(runs.last().second, right);
}

void TestShapeTables::namedPixels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("inside");
    QTest::newRow("heart point leans left") << 0 << QPoint(74, 252) << true;
    QTest::newRow("heart middle of the bottom row") << 0 << QPoint(127, 252) << false;
    QTest::newRow("heart cleft") << 0 << QPoint(128, 42) << false;
    QTest::newRow("heart below the cleft") << 0 << QPoint(128, 43) << true;
    QTest::newRow("star between the legs") << 4 << QPoint(131, 230) << false;
    QTest::newRow("star centre") << 4 << QPoint(128, 140) << true;
    QTest::newRow("star left point") << 4 << QPoint(3, 100) << true;
    QTest::newRow("star right point") << 4 << QPoint(254, 102) << true;
    QTest::newRow("small star left point") << 9 << QPoint(2, 75) << true;
    QTest::newRow("small star right point") << 9 << QPoint(194, 78) << true;
    QTest::newRow("circle corner") << 2 << QPoint(10, 10) << false;
}

void TestShapeTables::namedPixels()
{
    QFETCH(int, index);
    QFETCH(QPoint, pixel);
    QFETCH(bool, inside);
    const std::optional<QRegion> region = RegionFromShape(Record(index));
    QVERIFY(region.has_value());
    QCOMPARE(region->contains(pixel), inside);
}

void TestShapeTables::twoRunBands_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("startRow"); // top of the first band of the two-run stretch
    QTest::addColumn<int>("count"); // bands in a row with exactly two runs; all others have one
    QTest::addColumn<bool>("toTheEnd"); // the stretch runs to the last band
    QTest::newRow("heart cleft") << 0 << 2 << 39 << false;
    QTest::newRow("small heart cleft") << 5 << 1 << 30 << false;
    QTest::newRow("star legs, left foot alone last") << 4 << 219 << 34 << false;
    QTest::newRow("small star legs") << 9 << 168 << 26 << true;
}

void TestShapeTables::twoRunBands()
{
    QFETCH(int, index);
    QFETCH(int, startRow);
    QFETCH(int, count);
    QFETCH(bool, toTheEnd);
    const QList<Band> bands = BandsOf(Record(index));
    const auto first = int(
        std::find_if(bands.begin(), bands.end(), [&](const Band &b) { return b.top == startRow; }) - bands.begin());
    QVERIFY(first < bands.size());
    for (int b = 0; b < bands.size(); ++b) {
        const bool inStretch = b >= first && b < first + count;
        QVERIFY2(bands[b].runs.size() == (inStretch ? 2 : 1), qPrintable(QString::number(bands[b].top)));
    }
    QCOMPARE(first + count == bands.size(), toTheEnd);
}

void TestShapeTables::singleSquares_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("square");
    QTest::newRow("square") << 3 << QRect(2, 2, 249, 249);
    QTest::newRow("small square") << 8 << QRect(1, 1, 191, 191);
}

void TestShapeTables::singleSquares()
{
    QFETCH(int, index);
    QFETCH(QRect, square);
    QCOMPARE(Record(index).rdh.nCount, 1);
    const std::optional<QRegion> region = RegionFromShape(Record(index));
    QVERIFY(region.has_value());
    QCOMPARE(*region, QRegion(square));
}

void TestShapeTables::starIsTheLongestList()
{
    for (int i = 0; i < kShapeCount; ++i)
        QVERIFY2(Record(i).rdh.nCount <= Record(4).rdh.nCount, qPrintable(QString::number(i)));
    QVERIFY(Record(4).rdh.nCount <= kShapeCapacity);
}

void TestShapeTables::windowSizes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (int i = 0; i <= 4; ++i)
        QTest::addRow("%d", i) << i << true << 3840 << 3840;
    QTest::newRow("5") << 5 << true << 2970 << 2970;
    QTest::newRow("6") << 6 << true << 2970 << 2970;
    QTest::newRow("7 higher than wide") << 7 << true << 2940 << 2955;
    QTest::newRow("8") << 8 << true << 2925 << 2925;
    QTest::newRow("9") << 9 << true << 3015 << 3015;
    QTest::newRow("-1") << -1 << false << 77 << 77;
    QTest::newRow("10") << 10 << false << 77 << 77;
}

void TestShapeTables::windowSizes()
{
    QFETCH(int, index);
    QFETCH(bool, known);
    QFETCH(int, width);
    QFETCH(int, height);
    int w = 77;
    int h = 77;
    QCOMPARE(ShapeWindowSizeTwips(index, &w, &h), known);
    QCOMPARE(w, width);
    QCOMPARE(h, height);
}

QTEST_GUILESS_MAIN(TestShapeTables)
#include "tst_shape_tables.moc"
