// Draws a month over a photo-like picture and saves it as calendar_screenshot.png in the build
// folder, for a person to look at; checks the shadow and that nothing is clipped.

#include "calendar/calendar_labels.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace kalmora::calendar;
using kalmora::platform::Bgr;

namespace
{

// A sky, far hills and a meadow: smooth gradients with some texture, like a landscape photo.
QImage Landscape(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height() * 0.6);
    sky.setColorAt(0, QColor(70, 120, 200));
    sky.setColorAt(1, QColor(200, 220, 240));
    p.fillRect(image.rect(), sky);
    QPainterPath hills;
    hills.moveTo(0, size.height() * 0.55);
    for (int x = 0; x <= size.width(); x += 20)
        hills.lineTo(x, size.height() * (0.5 + 0.08 * std::sin(x / 37.0) + 0.04 * std::sin(x / 11.0)));
    hills.lineTo(size.width(), size.height());
    hills.lineTo(0, size.height());
    p.fillPath(hills, QColor(60, 110, 70));
    QLinearGradient meadow(0, size.height() * 0.7, 0, size.height());
    meadow.setColorAt(0, QColor(120, 170, 60));
    meadow.setColorAt(1, QColor(200, 190, 90));
    p.fillRect(QRectF(0, size.height() * 0.72, size.width(), size.height()), meadow);
    return image;
}

class Picture : public QWidget
{
public:
    explicit Picture(QImage image)
        : m_image(std::move(image))
    {
        resize(m_image.size());
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, m_image); }

private:
    QImage m_image;
};

} // namespace

class CalendarScreenshotTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { kalmora::platform::InstallFontSubstitutions(); }

    void drawnMonthOverAPicture()
    {
        Picture window(Landscape(QSize(260, 200)));
        kalmora::platform::FixedClock clock(QDateTime(QDate(2004, 3, 31), QTime(9, 0)));
        CalendarLabels labels(&window, CalendarHost::Viewer, clock, kalmora::platform::TwipsPerPixel {});
        labels.CreateCalendarLabels();
        const CalendarColours colours; // white, blue, red, black
        labels.setColours(colours);
        labels.ShowCalendar(QStringLiteral("2004/03"), 0, 600, 900, 7);
        const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString path = QStringLiteral(KALMORA_SCREENSHOT_DIR "/calendar_screenshot.png");
        QVERIFY(shot.save(path));
        qInfo("saved %s", qPrintable(path));

        // Nothing clipped: every drawn label and box lies inside the window.
        QList<QWidget *> drawn { labels.todayBox(0), labels.todayBox(1) };
        for (int i = 0; i < 2; ++i)
            drawn << labels.titleLabel(i);
        for (int i = 0; i < 14; ++i)
            drawn << labels.weekdayLabel(i);
        for (int i = 0; i < 84; ++i) {
            if (!labels.dayLabel(i)->text().isEmpty())
                drawn << labels.dayLabel(i);
        }
        for (QWidget *w : drawn)
            QVERIFY2(window.rect().contains(w->geometry()), qPrintable(w->objectName()));

        // The shadow pass lies one pixel right and down of the colour pass: below and right of the
        // Sunday header's red pixels the black of its shadow shows, above and left of them mostly
        // the picture.
        const QRect header = labels.weekdayLabel(0)->geometry().united(labels.weekdayLabel(7)->geometry());
        auto red = [](QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; };
        auto dark = [](QColor c) { return std::max({ c.red(), c.green(), c.blue() }) < 110; };
        int reds = 0;
        int darkBelowRight = 0;
        int darkAboveLeft = 0;
        for (int y = header.top() + 1; y < header.bottom(); ++y) {
            for (int x = header.left() + 1; x < header.right(); ++x) {
                if (!red(shot.pixelColor(x, y)))
                    continue;
                ++reds;
                darkBelowRight += dark(shot.pixelColor(x + 1, y + 1));
                darkAboveLeft += dark(shot.pixelColor(x - 1, y - 1));
            }
        }
        QVERIFY2(reds >= 5, "the Sunday header shows red");
        QVERIFY2(darkBelowRight * 2 >= reds, qPrintable(QStringLiteral("%1 of %2").arg(darkBelowRight).arg(reds)));
        QVERIFY(darkBelowRight > 2 * darkAboveLeft);
    }
};

QTEST_MAIN(CalendarScreenshotTest)
#include "test_calendar_screenshot.moc"
