#pragma once
// The viewer's window: a borderless window cut to the project's die-cut shape, the project's picture
// unscaled at its top-left corner over black, and the month calendar drawn over it as labels.
//
// How things flow: Load() is the whole start-up (shape table, favourites, the last project, shape,
// place, calendar, month items, the two options). After it only three things act: the popup menu
// (frmMenu reports a command, a slot here carries it out), mouse presses (the labels let presses
// through to this window: left drags through the window manager's move loop, any press but the
// right one stores the window's place in the project file, the right one pops the menu up), and the
// date changing (midnight, wake-up, clock set, or found when the menu opens).
//
// The window has no taskbar or switcher entry and does not take the focus when shown. It stays
// in front of ordinary windows or below them as the "常に手前に表示" option says.

#include "platform/units.h"
#include "store/project_settings.h"
#include "ui/frm_version.h"

#include <QDate>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

namespace kalmora::platform
{
class Clock;
class Dialogs;
} // namespace kalmora::platform
namespace kalmora::calendar
{
class CalendarLabels;
}
namespace kalmora::ui
{
class frm_Version;
}

namespace kalmora::viewer
{

class frmMenu;
class DayChangeNotifier;

class Form1 : public QWidget
{
    Q_OBJECT
public:
    // `appDir` is the application folder (KALMORA.ini, cprj/, pict/); `clock` gives 'today';
    // `dialogs` shows the messages. All three must outlive the window.
    Form1(const QString &appDir, const platform::Clock &clock, platform::Dialogs &dialogs,
        const platform::TwipsPerPixel &tpp = platform::ScreenTwipsPerPixel(), QWidget *parent = nullptr);
    ~Form1() override;

    // The load handler: runs once, shows the window at its end.
    void Load();

    // Moves the window to the current project's stored place, kept on the primary screen.
    void PlaceViewerWindow();

    // Looks at the date again: when it has changed since the last look, the month items get the new
    // months and, if the current month was shown, the new current month is drawn with today boxed.
    void CheckDate();

    QString CurrentProjectName() const { return m_currentProjectName; }
    const store::ProjectSettings &project() const { return m_project; }
    const QPixmap &picture() const { return m_picture; }
    // The month key the calendar shows.
    QString shownMonth() const { return m_shownMonth; }
    frmMenu *menu() const { return m_menu.get(); }
    calendar::CalendarLabels *calendarLabels() const { return m_labels; }
    ui::frm_Version *versionDialog() const { return m_versionDialog; }

signals:
    // The program is ending ("終了" or a close request from the system).
    void ended();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The commands of the popup menu.
    void switchProject(int index);
    void showMonth(int index);
    void toggleFix(bool checked);
    void toggleAlwaysInFront(bool checked);
    void showVersion();
    void endProgram();

    bool loadPicture(const QString &name, QPixmap *picture);
    void applyShape();
    void showCalendar(const QString &monthKey);
    void monthItemsFor(QDate today);
    void finishMove();
    void storeWindowPosition();

    QString m_appDir;
    const platform::Clock &m_clock;
    platform::Dialogs &m_dialogs;
    platform::TwipsPerPixel m_tpp;

    std::unique_ptr<frmMenu> m_menu;
    calendar::CalendarLabels *m_labels = nullptr;
    DayChangeNotifier *m_dayChange = nullptr;
    QPointer<ui::frm_Version> m_versionDialog;

    QString m_currentProjectName;
    store::ProjectSettings m_project;
    QPixmap m_picture;
    QString m_shownMonth;
    QDate m_today; // the date of the last look at the clock
    bool m_moving = false; // the window manager's move loop runs for a press of ours
    bool m_ending = false;
};

} // namespace kalmora::viewer
