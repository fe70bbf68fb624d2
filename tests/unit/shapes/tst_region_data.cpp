// Region data records turned into regions: what the check lets through, what it refuses, and that
// rectangles keep their exclusive right and bottom edges.

#include "shapes/region_check.h"
#include "shapes/shape_region.h"
#include "shapes/window_shaping.h"

#include <QRegion>
#include <QTest>
#include <functional>

using namespace kalmora::shapes;

namespace
{

// A small valid record: a plus-shaped outline in three bands,
//   rows 0-2: 4-6;  rows 2-4: 0-3 and 7-10;  rows 4-5: 4-6.
ShapeRegion Plus()
{
    ShapeRegion record;
    record.rdh = { 32, 1, 4, 64, { 0, 0, 10, 5 } };
    record.rects[0] = { 4, 0, 6, 2 };
    record.rects[1] = { 0, 2, 3, 4 };
    record.rects[2] = { 7, 2, 10, 4 };
    record.rects[3] = { 4, 4, 6, 5 };
    return record;
}

using Corruption = std::function<void(ShapeRegion &)>;

} // namespace

Q_DECLARE_METATYPE(Corruption)

class TestRegionData : public QObject
{
    Q_OBJECT

private slots:
    void validRecordGivesItsPixels();

    void refused_data();
    void refused();

    void tableRecordsPass();
};

void TestRegionData::validRecordGivesItsPixels()
{
    QString error;
    QVERIFY2(CheckRegionData(Plus(), &error), qPrintable(error));
    const std::optional<QRegion> region = RegionFromShape(Plus());
    QVERIFY(region.has_value());
    QRegion expected;
    expected += QRect(4, 0, 2, 2);
    expected += QRect(0, 2, 3, 2);
    expected += QRect(7, 2, 3, 2);
    expected += QRect(4, 4, 2, 1);
    QCOMPARE(*region, expected);
    // Right and bottom lie just outside.
    QVERIFY(region->contains(QPoint(5, 1)));
    QVERIFY(!region->contains(QPoint(6, 1)));
    QVERIFY(region->contains(QPoint(9, 3)));
    QVERIFY(!region->contains(QPoint(10, 3)));
    QVERIFY(!region->contains(QPoint(3, 2)));
    QVERIFY(!region->contains(QPoint(5, 5)));
    QCOMPARE(region->boundingRect(), QRect(0, 0, 10, 5));
}

void TestRegionData::refused_data()
{
    QTest::addColumn<Corruption>("corrupt");
    auto add = [](const char *name, Corruption c) { QTest::newRow(name) << c; };
    add("header size 31", [](ShapeRegion &r) { r.rdh.dwSize = 31; });
    add("type not rectangles", [](ShapeRegion &r) { r.rdh.iType = 2; });
    add("no rectangles", [](ShapeRegion &r) { r.rdh.nCount = 0, r.rdh.nRgnSize = 0; });
    add("negative count", [](ShapeRegion &r) { r.rdh.nCount = -1, r.rdh.nRgnSize = -16; });
    add("count beyond capacity", [](ShapeRegion &r) { r.rdh.nCount = 248, r.rdh.nRgnSize = 16 * 248; });
    add("byte count disagrees", [](ShapeRegion &r) { r.rdh.nRgnSize = 63; });
    add("bound too small", [](ShapeRegion &r) { r.rdh.rcBound.right = 9; });
    add("empty rectangle", [](ShapeRegion &r) { r.rects[3] = { 4, 4, 4, 5 }; });
    add("inverted rectangle", [](ShapeRegion &r) { r.rects[3] = { 6, 4, 4, 5 }; });
    add("bands out of order", [](ShapeRegion &r) { std::swap(r.rects[0], r.rects[3]); });
    add("runs out of order", [](ShapeRegion &r) { std::swap(r.rects[1], r.rects[2]); });
    add("band with two bottoms", [](ShapeRegion &r) { r.rects[2].bottom = 3; });
    add("gap between bands", [](ShapeRegion &r) {
        r.rects[1].top = r.rects[2].top = 3;
        r.rects[1].bottom = r.rects[2].bottom = 4;
    });
    add("overlapping bands", [](ShapeRegion &r) { r.rects[0].bottom = 3; });
    add("touching runs", [](ShapeRegion &r) { r.rects[2].left = 3; });
    add("overlapping runs", [](ShapeRegion &r) { r.rects[2].left = 2; });
    add("same runs in neighbouring bands", [](ShapeRegion &r) {
        r.rdh.nCount = 2, r.rdh.nRgnSize = 32;
        r.rects[1] = { 4, 2, 6, 4 }; // rows 0-2 and 2-4 both hold 4-6
    });
}

void TestRegionData::refused()
{
    QFETCH(Corruption, corrupt);
    ShapeRegion record = Plus();
    corrupt(record);
    QString error;
    QVERIFY(!CheckRegionData(record, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!RegionFromShape(record).has_value());
}

void TestRegionData::tableRecordsPass()
{
    InitShapeRegions();
    for (int i = 0; i < kShapeCount; ++i) {
        QString error;
        QVERIFY2(CheckRegionData(ShapeRegions()[i], &error), qPrintable(QStringLiteral("%1: %2").arg(i).arg(error)));
    }
}

QTEST_GUILESS_MAIN(TestRegionData)
#include "tst_region_data.moc"
