#pragma once
// A maker started in a temporary application folder, with a pinned clock (12 May 2004, 15:30:45)
// and scripted dialogs, at 15 twips per pixel. Mouse input goes straight to the widget it is meant
// for, as the window system delivers it while a button is held.

#include "frm_main.h"
#include "frm_sub.h"
#include "platform/clock.h"
#include "support/scripted_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace kalmora::testsupport
{

class MakerFixture
{
public:
    MakerFixture()
        : clock(QDateTime(QDate(2004, 5, 12), QTime(15, 30, 45)))
    {
    }

    // Starts the maker as main() does: constructing runs the load handler, then the window is shown.
    void start()
    {
        window = std::make_unique<maker::frmMain>(maker::MakerContext { app.path(), clock, dialogs, { 15, 15 } });
        window->show();
        QCoreApplication::processEvents();
    }

    maker::frmSub *sub() const { return window->settingsDialog(); }

    // A control of the main window's client area or of the settings dialog, by its name.
    template <typename T> T *main(const char *name) const
    {
        T *found = window->centralWidget()->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s in the main window", name);
        return found;
    }
    template <typename T> T *dialog(const char *name) const
    {
        T *found = sub()->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s in the settings dialog", name);
        return found;
    }

    // Writes a picture file into the application folder and returns its path.
    QString writeImage(const QString &fileName, const QImage &image) const
    {
        const QString path = app.filePath(fileName);
        QDir().mkpath(QFileInfo(path).path());
        if (!image.save(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Gives the main window a client area in which the viewport has `viewport` pixels.
    void setViewport(QSize viewport)
    {
        const QSize client = viewport + QSize(17, 17); // the two scroll bars, 255 twips each
        window->resize(window->size() - window->centralWidget()->size() + client);
        QCoreApplication::processEvents();
    }

    static void mouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
            type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
    static void drag(QWidget *widget, QPoint from, QPoint to)
    {
        mouse(widget, QEvent::MouseButtonPress, from);
        mouse(widget, QEvent::MouseMove, (from + to) / 2);
        mouse(widget, QEvent::MouseMove, to);
        mouse(widget, QEvent::MouseButtonRelease, to);
    }

    QTemporaryDir app;
    platform::FixedClock clock;
    ScriptedDialogs dialogs;
    std::unique_ptr<maker::frmMain> window;
};

// An image of four coloured quadrants split at (`splitX`, `splitY`): red top-left, green top-right,
// blue bottom-left, yellow bottom-right.
inline QImage QuadrantImage(QSize size, int splitX, int splitY)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                x < splitX ? (y < splitY ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                           : (y < splitY ? qRgb(0, 255, 0) : qRgb(255, 255, 0)));
    return image;
}

} // namespace kalmora::testsupport
