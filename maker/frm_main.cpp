#include "frm_main.h"

#include "calendar/month_key.h"
#include "frm_sub.h"
#include "grab_area.h"
#include "image_canvas.h"
#include "image_holder.h"
#include "main_layout.h"
#include "maker_texts.h"
#include "platform/desktop_identity.h"
#include "platform/screens.h"
#include "selection_outline.h"
#include "shapes/shape_region.h"
#include "store/app_files.h"
#include "twips_geometry.h"
#include "version_dialog.h"
#include "window_placement.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWindow>

namespace kalmora::maker
{

namespace
{
// Client area as designed, twips.
constexpr int kClientWidth = 5025;
constexpr int kClientHeight = 4155;
// The scroll bars keep these sizes.
constexpr int kVScrollWidth = 255;
constexpr int kHScrollHeight = 255;
} // namespace

frmMain::frmMain(const MakerContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    setWindowIcon(platform::ProgramIcon(platform::Program::Maker));
    // The layout was made for the usual Japanese user-interface font at 9 points; the same metrics
    // keep every caption inside its control.
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    BuildControls();
    BuildMenus();
    // The designed size is the client area's; the menu bar comes on top of it.
    resize(
        PixelRect(0, 0, kClientWidth, kClientHeight, m_context.tpp).size() + QSize(0, menuBar()->sizeHint().height()));
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::BuildControls()
{
    const auto &tpp = m_context.tpp;
    const auto place = [&tpp](QWidget *w, const char *name, int l, int t, int wd, int ht) {
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(PixelRect(l, t, wd, ht, tpp));
    };

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->installEventFilter(this);
    setCentralWidget(m_client);

    m_vScroll1 = new QScrollBar(Qt::Vertical, m_client);
    place(m_vScroll1, "VScroll1", 6930, 3510, kVScrollWidth, 2655);
    m_hScroll1 = new QScrollBar(Qt::Horizontal, m_client);
    place(m_hScroll1, "HScroll1", 3180, 6330, 2895, kHScrollHeight);
    for (QScrollBar *bar : { m_vScroll1, m_hScroll1 }) {
        // The canvas moves when a dragged thumb is let go; arrows and track move it at once.
        bar->setTracking(false);
        bar->setMinimum(0);
        bar->setEnabled(false);
        connect(bar, &QScrollBar::valueChanged, this, &frmMain::ScrollImage);
    }

    m_base = new QWidget(m_client);
    place(m_base, "Base", 210, 420, 6555, 5415);
    m_base->setAutoFillBackground(true);
    m_base->setBackgroundRole(QPalette::Button);
    m_base->setAcceptDrops(true);
    m_base->installEventFilter(this);

    // Drawn on the viewport itself, below the canvas: bPic, then Box(0) and LBox(1).
    m_bPic = new ImageHolder(m_base);
    place(m_bPic, "bPic", 5040, 255, 915, 855);
    m_box0 = new SelectionOutline(m_base);
    place(m_box0, "Box_0", 0, 0, 2100, 2040);
    m_lbox1 = new GrabArea(m_base);
    place(m_lbox1, "LBox_1", 0, 0, 660, 615);

    m_picture1 = new ImageCanvas(m_base);
    place(m_picture1, "Picture1", 240, 330, 2475, 2235);
    m_picture1->installEventFilter(this);
    m_picture1->hide();

    m_box1 = new SelectionOutline(m_picture1);
    place(m_box1, "Box_1", 0, 0, 2100, 2040);
    m_lbox0 = new GrabArea(m_picture1);
    place(m_lbox0, "LBox_0", 255, 165, 660, 615);
    m_lXY = new QLabel(m_picture1);
    place(m_lXY, "lXY", 360, 90, 1275, 210);
    m_lXY->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_lXY->setAttribute(Qt::WA_TranslucentBackground);

    for (GrabArea *grab : { m_lbox0, m_lbox1 }) {
        grab->setMouseTracking(true);
        grab->installEventFilter(this);
    }
}

void frmMain::BuildMenus()
{
    const auto action = [this](QMenu *menu, const char *name, const QString &text) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    m_mfile = menuBar()->addMenu(texts::kMenuFile);
    m_mfile->setObjectName(QStringLiteral("mfile"));
    m_mOpen = action(m_mfile, "mOpen", texts::kMenuOpen);
    m_mSave = action(m_mfile, "mSave", texts::kMenuSave);
    m_mSave->setEnabled(false);
    m_sep01 = m_mfile->addSeparator();
    m_sep01->setObjectName(QStringLiteral("sep01"));
    m_mEnd = action(m_mfile, "mEnd", texts::kMenuEnd);

    m_mDisp = menuBar()->addMenu(texts::kMenuDisp);
    m_mDisp->setObjectName(QStringLiteral("mDisp"));
    m_mDisp->menuAction()->setObjectName(QStringLiteral("mDispAction"));
    m_mDisp->setEnabled(false);
    m_mDisp->menuAction()->setEnabled(false);
    m_mIcon = action(m_mDisp, "mIcon", texts::kMenuIcon);

    m_mHelp = menuBar()->addMenu(texts::kMenuHelp);
    m_mHelp->setObjectName(QStringLiteral("mHelp"));
    m_mVer = action(m_mHelp, "mVer", texts::kMenuVersion);

    connect(m_mOpen, &QAction::triggered, this, &frmMain::OpenImageCommand);
    connect(m_mSave, &QAction::triggered, this, &frmMain::CreateCalendarProject);
    connect(m_mEnd, &QAction::triggered, this, &frmMain::EndCommand);
    connect(m_mIcon, &QAction::triggered, this, [this] {
        m_sub->show();
        m_sub->raise();
        m_sub->activateWindow();
    });
    connect(m_mVer, &QAction::triggered, this, &frmMain::ShowVersionDialog);
}

void frmMain::Form_Load()
{
    const auto &tpp = m_context.tpp;
    m_lXY->move(0, 0);
    shapes::InitShapeRegions();
    m_state.FrameColors = DefaultFrameColors();
    m_state.FixedSelectionSize = 0;
    m_state.ImageLoaded = false;
    m_state.MovingSelection = false;
    m_state.DrawingSelection = false;

    // The calendar labels live in the settings dialog's preview, so the dialog is loaded here; its
    // own load handler runs its list handlers, which already need FrameColors.
    m_sub = new frmSub(*this, m_state, m_context);
    m_sub->calendar()->CreateCalendarLabels();
    m_sub->calendar()->ShowCalendar(calendar::MonthKeyOf(m_context.clock.today()), 0, 1200, 1200, 7);
    for (QScrollBar *bar : { m_sub->HScroll1(), m_sub->VScroll1() }) {
        bar->setValue(1200);
        bar->setPageStep(8 * tpp.x);
        bar->setSingleStep(tpp.x);
    }

    PlaceWindow();
    m_placementPending = true;

    m_base->setGeometry(QRect(QPoint(0, 0), m_client->size()));
    m_picture1->setGeometry(QRect(QPoint(0, 0), m_base->size()));
    setWindowTitle(texts::kProductCaption);
    setSelectionVisible(false);
    m_sub->show();
}

void frmMain::PlaceWindow()
{
    const auto &tpp = m_context.tpp;
    StoredMainPlacement stored;
    stored.left = store::ReadIni(m_context.appDir, "Location", "MLeft");
    stored.top = store::ReadIni(m_context.appDir, "Location", "MTop");
    stored.width = store::ReadIni(m_context.appDir, "Location", "MWidth");
    stored.height = store::ReadIni(m_context.appDir, "Location", "MHeight");
    const QRect outer = frameGeometry();
    const QSize designedOuter(outer.width() * tpp.x, outer.height() * tpp.y);
    const QRect placement = MainWindowPlacement(stored, m_sub->frameGeometry().width() * tpp.x, designedOuter,
        platform::PrimaryScreenTwips(tpp), platform::ScreenRectsTwips(tpp));
    if (placement.size() != designedOuter) {
        const QSize wanted = PixelRect(0, 0, placement.width(), placement.height(), tpp).size();
        resize(wanted - (outer.size() - size()));
    }
    move(platform::PixelsX(placement.x(), tpp), platform::PixelsY(placement.y(), tpp));
}

void frmMain::FinishPlacement()
{
    // Stored sizes and the clamping to the screen count the window frames, which are only known
    // once the window manager has framed the windows; the placement is made once more then.
    if (!m_placementPending || !windowHandle() || windowHandle()->frameMargins().isNull())
        return;
    m_placementPending = false;
    PlaceWindow();
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FinishPlacement();
}

void frmMain::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    FinishPlacement();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FinishPlacement();
}

void frmMain::Form_Resize()
{
    LayoutClientArea();
    UpdateScrollBars();
}

void frmMain::LayoutClientArea()
{
    const auto &tpp = m_context.tpp;
    const MainLayout layout
        = ComputeMainLayout(m_client->width() * tpp.x, m_client->height() * tpp.y, kVScrollWidth, kHScrollHeight);
    if (layout.vScroll)
        m_vScroll1->setGeometry(PixelRect(*layout.vScroll, tpp));
    if (layout.hScroll)
        m_hScroll1->setGeometry(PixelRect(*layout.hScroll, tpp));
    if (layout.base)
        m_base->setGeometry(PixelRect(*layout.base, tpp));
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Closing is never refused; both windows store their placement on the way.
    if (!m_unloading) {
        m_unloading = true;
        CloseVersionDialog();
        m_sub->Unload();
        const auto &tpp = m_context.tpp;
        const QRect outer = frameGeometry();
        store::WriteIni(m_context.appDir, "Location", "MLeft", QString::number(outer.x() * tpp.x));
        store::WriteIni(m_context.appDir, "Location", "MTop", QString::number(outer.y() * tpp.y));
        store::WriteIni(m_context.appDir, "Location", "MWidth", QString::number(outer.width() * tpp.x));
        store::WriteIni(m_context.appDir, "Location", "MHeight", QString::number(outer.height() * tpp.y));
    }
    event->accept();
}

void frmMain::EndCommand()
{
    CloseVersionDialog();
    m_sub->close();
    close();
}

void frmMain::ShowVersionDialog()
{
    if (!m_version) {
        m_version = CreateVersionDialog(this, m_context.tpp);
        m_version->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_version->show();
    m_version->raise();
    m_version->activateWindow();
}

void frmMain::CloseVersionDialog()
{
    if (m_version)
        m_version->close();
}

void frmMain::ShowFilePopup(const QPoint &globalPos)
{
    m_mEnd->setVisible(false);
    m_sep01->setVisible(false);
    m_mfile->exec(globalPos);
    m_mEnd->setVisible(true);
    m_sep01->setVisible(true);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    const auto &tpp = m_context.tpp;
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == m_client)
            Form_Resize();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (watched == m_base || watched == m_picture1 || watched == m_lbox0 || watched == m_lbox1)
            return handleDrop(event);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const float x = float(mouse->position().x() * tpp.x);
        const float y = float(mouse->position().y() * tpp.y);
        const QEvent::Type type = event->type();
        if (watched == m_base) {
            if (type == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
                ShowFilePopup(mouse->globalPosition().toPoint());
                return true;
            }
        } else if (watched == m_picture1) {
            if (type == QEvent::MouseButtonPress) {
                if (mouse->button() == Qt::RightButton)
                    ShowFilePopup(mouse->globalPosition().toPoint());
                else
                    Picture1_MouseDown(mouse->button(), x, y);
            } else if (type == QEvent::MouseMove) {
                Picture1_MouseMove(x, y);
            } else {
                Picture1_MouseUp(x, y);
            }
            return true;
        } else if (watched == m_lbox0 || watched == m_lbox1) {
            if (type == QEvent::MouseButtonPress)
                LBox_MouseDown(x, y);
            else if (type == QEvent::MouseMove)
                LBox_MouseMove(x, y);
            else
                LBox_MouseUp(x, y);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::handleDrop(QEvent *event)
{
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        drop->acceptProposedAction();
        LoadDroppedImage(drop->mimeData());
        return true;
    }
    // Only a list of local files is taken; the pointer says so while it passes.
    auto *move = static_cast<QDragMoveEvent *>(event);
    const QMimeData *data = move->mimeData();
    bool hasFile = false;
    if (data && data->hasUrls()) {
        for (const QUrl &url : data->urls())
            hasFile = hasFile || url.isLocalFile();
    }
    if (hasFile)
        move->acceptProposedAction();
    else
        move->ignore();
    return true;
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    handleDrop(event);
}

void frmMain::dropEvent(QDropEvent *event)
{
    handleDrop(event);
}

} // namespace kalmora::maker
