#pragma once
// The viewer's start-up and its floor, shared by the start-up benchmark and the memory probe.
//
// ViewerFolder is an application folder holding only the default project, as a first start finds it.
// StartViewer does what the program's main() does after the application object exists: build the
// window and run its load handler. StartBareWindow is the least any program showing the same
// calendar window must do: a frameless window with the same picture, read from the same file, and
// the same outline, shown. Both return once the window is exposed, that is once the window system
// has mapped it and the first paint has reached it.
// The bare window shows no text; a calendar cannot do without a font and its labels, so the probes
// also measure the bare window with the calendar's hundred labels set directly.

#include "platform/clock.h"
#include "shapes/shape_region.h"
#include "shapes/window_shaping.h"
#include "store/app_files.h"
#include "support/scripted_dialogs.h"
#include "viewer/form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace kalmora::benchsupport
{

inline const QString kDefaultProject = QStringLiteral("空豆商店");

struct ViewerFolder {
    QTemporaryDir dir;
    ViewerFolder()
    {
        const QString source = QStringLiteral(KALMORA_DEFAULT_PROJECT_DIR);
        QDir().mkpath(store::ProjectFolder(dir.path()));
        QDir().mkpath(store::PictureFolder(dir.path()));
        if (!QFile::copy(source + u'/' + kDefaultProject + QStringLiteral(".cpj"),
                store::ProjectFilePath(dir.path(), kDefaultProject))
            || !QFile::copy(source + u'/' + kDefaultProject + QStringLiteral(".bmp"),
                store::PictureFilePath(dir.path(), kDefaultProject)))
            qFatal("cannot copy the default project from %s", qPrintable(source));
    }
    QString path() const { return dir.path(); }
    QString picture() const { return store::PictureFilePath(dir.path(), kDefaultProject); }
};

// Handles events until the window is exposed; false after five seconds without.
inline bool WaitExposed(QWidget *widget)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer wake; // so that a lost expose cannot block the wait for ever
    wake.start(100);
    while (!(widget->windowHandle() && widget->windowHandle()->isExposed())) {
        if (elapsed.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

struct Viewer {
    platform::FixedClock clock { QDateTime(QDate(2004, 5, 12), QTime(12, 0)) };
    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<viewer::Form1> form;
};

inline bool StartViewer(Viewer &viewer, const QString &appDir)
{
    viewer.form = std::make_unique<viewer::Form1>(appDir, viewer.clock, viewer.dialogs);
    viewer.form->Load();
    return WaitExposed(viewer.form.get()) && viewer.dialogs.calls().isEmpty();
}

inline QRegion HeartOutline()
{
    shapes::InitShapeRegions();
    return shapes::RegionFromShape(shapes::ShapeRegions()[0]).value_or(QRegion());
}

// With `labels`, the window also shows that many labels in the calendar's font, each given its
// text, colour and place directly: what a calendar of labels costs at the least, the font database
// and the font included.
inline bool StartBareWindow(
    std::unique_ptr<QWidget> &window, const QString &picture, const QRegion &outline, int labels = 0)
{
    window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSize(7);
    for (int i = 0; i < labels; ++i) {
        // The captions of a calendar: a month, the weekdays, the days.
        static const QString weekdays = QStringLiteral("日月火水木金土");
        const QString caption = i == 0 ? QStringLiteral("2004/05")
            : i <= 7                   ? QString(weekdays[i - 1])
                                       : QString::number((i - 8) % 31 + 1);
        auto *label = new QLabel(caption, window.get());
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, i % 7 ? Qt::white : Qt::red);
        label->setPalette(palette);
        label->setGeometry(20 + (i % 7) * 30, 20 + (i / 7) * 14, 16, 13);
    }
    const QPixmap pixmap(picture);
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, pixmap);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->resize(pixmap.size());
    window->setMask(outline);
    window->show();
    return !pixmap.isNull() && WaitExposed(window.get());
}

} // namespace kalmora::benchsupport
