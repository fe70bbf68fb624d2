#include "viewer/form1.h"

#include "calendar/calendar_labels.h"
#include "calendar/month_key.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/desktop_identity.h"
#include "platform/dialogs.h"
#include "platform/image_files.h"
#include "platform/move_loop.h"
#include "platform/screen_placement.h"
#include "platform/screens.h"
#include "platform/window_stacking.h"
#include "shapes/shape_region.h"
#include "shapes/window_shaping.h"
#include "store/app_files.h"
#include "ui/frm_version.h"
#include "viewer/day_change_notifier.h"
#include "viewer/frm_menu.h"
#include "viewer/viewer_placement.h"
#include "viewer/viewer_texts.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

namespace kalmora::viewer
{
namespace
{

const QString kSettings = QStringLiteral("Settings");
const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");
constexpr int kCalendarFontSize = 7;

} // namespace

Form1::Form1(const QString &appDir, const platform::Clock &clock, platform::Dialogs &dialogs,
    const platform::TwipsPerPixel &tpp, QWidget *parent)
    // A tool window gets neither a taskbar button nor a place in the window switcher; without a frame
    // the window manager draws no decoration. Start at the bottom, where Load() puts it by default.
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint)
    , m_appDir(appDir)
    , m_clock(clock)
    , m_dialogs(dialogs)
    , m_tpp(tpp)
    , m_menu(std::make_unique<frmMenu>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(texts::ProgramName());
    setWindowIcon(platform::ProgramIcon(platform::Program::Viewer));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    m_labels = new calendar::CalendarLabels(this, calendar::CalendarHost::Viewer, m_clock, m_tpp, this);

    connect(m_menu.get(), &frmMenu::projectChosen, this, &Form1::switchProject);
    connect(m_menu.get(), &frmMenu::monthChosen, this, &Form1::showMonth);
    connect(m_menu.get(), &frmMenu::fixToggled, this, &Form1::toggleFix);
    connect(m_menu.get(), &frmMenu::alwaysInFrontToggled, this, &Form1::toggleAlwaysInFront);
    connect(m_menu.get(), &frmMenu::versionRequested, this, &Form1::showVersion);
    connect(m_menu.get(), &frmMenu::exitRequested, this, &Form1::endProgram);
    // A desktop calendar runs for weeks: whenever the menu opens, make sure it shows the right days.
    connect(m_menu->mpop(), &QMenu::aboutToShow, this, &Form1::CheckDate);
}

Form1::~Form1() = default;

void Form1::Load()
{
    shapes::InitShapeRegions();
    m_menu->ListProjects(store::ListProjectNames(m_appDir));

    const QString lastName = store::ReadIni(m_appDir, kSettings, QStringLiteral("LastName"));
    m_currentProjectName = lastName.isEmpty() ? texts::DefaultProjectName() : lastName;

    // An unreadable picture does not end the program: the window goes on black, so that the
    // favourites still reach the other projects.
    QPixmap picture;
    loadPicture(m_currentProjectName, &picture);
    m_picture = picture;
    m_project = store::ReadProjectSettings(m_appDir, m_currentProjectName);

    store::WriteIni(m_appDir, kSettings, QStringLiteral("LastName"), m_currentProjectName);
    m_menu->CheckProject(m_currentProjectName);

    applyShape();
    PlaceViewerWindow();

    m_labels->CreateCalendarLabels();
    m_today = m_clock.today();
    showCalendar(calendar::MonthKeyOf(m_today));
    monthItemsFor(m_today);
    m_menu->CheckMonth(1);

    m_menu->mFIX()->setChecked(store::ReadIni(m_appDir, kSettings, QStringLiteral("FIX")) == kTrue);
    if (store::ReadIni(m_appDir, kSettings, QStringLiteral("AlwaysTop")) == kTrue) {
        m_menu->mTemae()->setChecked(true);
        platform::SetWindowTopmost(this);
    } else {
        m_menu->mTemae()->setChecked(false);
        platform::SendWindowToBottom(this);
    }

    if (!m_dayChange) {
        m_dayChange = new DayChangeNotifier(this);
        connect(m_dayChange, &DayChangeNotifier::mayHaveChanged, this, &Form1::CheckDate);
    }

    // Showing the window put the sizes of the window icon into the toolkit's pixmap cache, which
    // would wake the idle program half a minute later only to tidy them away. Nothing drawn later
    // needs them.
    QPixmapCache::clear();
}

bool Form1::loadPicture(const QString &name, QPixmap *picture)
{
    const QString path = store::PictureFilePath(m_appDir, name);
    const QImage image = platform::ReadImageFile(path, nullptr);
    if (image.isNull()) {
        m_dialogs.message(isVisible() ? this : nullptr, texts::PictureUnreadable(QDir::toNativeSeparators(path)),
            texts::ProgramName());
        return false;
    }
    *picture = QPixmap::fromImage(image);
    return true;
}

void Form1::applyShape()
{
    // A shape index the table does not know would end the program on every start; such a project
    // is shown as a heart, like a project without a file.
    const int shape = m_project.PKA >= 0 && m_project.PKA < shapes::kShapeCount ? m_project.PKA : 0;
    shapes::SetShapeWindowSize(shape, this, m_tpp);
    shapes::ApplyShapeRegion(shape, this, m_dialogs);
}

void Form1::PlaceViewerWindow()
{
    // A window that lies on one of several screens stays there; otherwise the single-screen rule
    // brings it onto the primary screen.
    const QSize windowTwips(platform::TwipsX(width(), m_tpp), platform::TwipsY(height(), m_tpp));
    const QPoint place = platform::KeepOnScreens(QPoint(m_project.VXX, m_project.VYY), windowTwips,
        platform::PrimaryScreenTwips(m_tpp), platform::ScreenRectsTwips(m_tpp),
        [](QPoint stored, QSize window, QSize screen) {
            return ViewerWindowPlace(stored.x(), stored.y(), window, screen);
        });
    move(platform::PixelsX(place.x(), m_tpp), platform::PixelsY(place.y(), m_tpp));
}

void Form1::showCalendar(const QString &monthKey)
{
    m_labels->setColours({ std::uint32_t(m_project.CHE), std::uint32_t(m_project.CDO), std::uint32_t(m_project.CNI),
        std::uint32_t(m_project.CBG) });
    m_labels->ShowCalendar(monthKey, 0, m_project.CXX, m_project.CYY, kCalendarFontSize);
    m_shownMonth = monthKey;
}

void Form1::monthItemsFor(QDate today)
{
    m_menu->SetMonthCaptions({ calendar::MonthKeyOf(platform::AddMonths(today, -1)), calendar::MonthKeyOf(today),
        calendar::MonthKeyOf(platform::AddMonths(today, 1)) });
}

void Form1::CheckDate()
{
    const QDate today = m_clock.today();
    if (!m_today.isValid() || today == m_today)
        return;
    const QString oldCurrent = calendar::MonthKeyOf(m_today);
    const QString newCurrent = calendar::MonthKeyOf(today);
    m_today = today;
    monthItemsFor(today);
    // The current month is drawn anew to box the new day; another month stays as it is.
    if (m_shownMonth == oldCurrent || m_shownMonth == newCurrent)
        showCalendar(newCurrent);
    int checked = -1;
    for (int i = 0; i < 3; ++i) {
        if (m_menu->mMM(i)->text() == m_shownMonth)
            checked = i;
    }
    m_menu->CheckMonth(checked);
}

void Form1::switchProject(int index)
{
    const QString name = m_menu->ProjectName(index);
    QPixmap picture;
    if (name.isEmpty() || !loadPicture(name, &picture)) {
        // Nothing changes: the project shown stays, with its check mark.
        m_menu->CheckProject(m_currentProjectName);
        return;
    }
    for (int i = 0; i < m_menu->mNameCount(); ++i)
        m_menu->mName(i)->setChecked(i == index);
    hide();
    m_currentProjectName = name;
    m_picture = picture;
    m_project = store::ReadProjectSettings(m_appDir, m_currentProjectName);
    applyShape();
    // The calendar moves to the new place but keeps its month, colours and today boxes until a
    // month is chosen.
    m_labels->MoveCalendar(0, m_project.CXX, m_project.CYY);
    PlaceViewerWindow();
    platform::ShowWithoutTaskbarEntry(this);
    update();
    store::WriteIni(m_appDir, kSettings, QStringLiteral("LastName"), m_currentProjectName);
}

void Form1::showMonth(int index)
{
    showCalendar(m_menu->mMM(index)->text());
    m_menu->CheckMonth(index);
}

void Form1::toggleFix(bool checked)
{
    store::WriteIni(m_appDir, kSettings, QStringLiteral("FIX"), checked ? kTrue : kFalse);
}

void Form1::toggleAlwaysInFront(bool checked)
{
    if (checked) {
        platform::SetWindowTopmost(this);
        store::WriteIni(m_appDir, kSettings, QStringLiteral("AlwaysTop"), kTrue);
    } else {
        platform::SendWindowToBottom(this);
        store::WriteIni(m_appDir, kSettings, QStringLiteral("AlwaysTop"), kFalse);
    }
}

void Form1::showVersion()
{
    if (m_versionDialog)
        return;
    ui::frm_Version dialog(texts::ProgramName(), windowIcon(), this, m_tpp);
    m_versionDialog = &dialog;
    dialog.exec();
}

void Form1::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    if (m_versionDialog)
        m_versionDialog->reject();
    m_menu->mpop()->close();
    close();
    emit ended();
    QCoreApplication::quit();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The window has no close command of its own; a close request from the system ends the program
    // as "終了" does (a tool window would otherwise only vanish and leave the program running).
    event->accept();
    endProgram();
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    if (m_moving)
        finishMove(); // the release that ends a move never arrived
    if (event->button() == Qt::RightButton) {
        m_menu->mpop()->exec(event->globalPosition().toPoint());
        return;
    }
    if (m_menu->mFIX()->isChecked())
        return;
    if (event->button() == Qt::LeftButton && platform::StartSystemMove(this)) {
        // The window manager moves the window until the button goes up; the release that reaches
        // this window then ends the move and stores the place.
        m_moving = true;
        return;
    }
    // A press that moves nothing (middle button, or no move loop here) stores the place as it is.
    storeWindowPosition();
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_moving && event->button() == Qt::LeftButton)
        finishMove();
}

void Form1::finishMove()
{
    m_moving = false;
    platform::FinishSystemMove(this);
    storeWindowPosition();
}

void Form1::storeWindowPosition()
{
    const QPoint pixels = platform::WindowPosition(this);
    store::WriteProjectValue(m_appDir, m_currentProjectName, kSettings, QStringLiteral("VXX"),
        QString::number(platform::TwipsX(pixels.x(), m_tpp)));
    store::WriteProjectValue(m_appDir, m_currentProjectName, kSettings, QStringLiteral("VYY"),
        QString::number(platform::TwipsY(pixels.y(), m_tpp)));
}

} // namespace kalmora::viewer
