#pragma once
// `frmMain`, the maker's main window: the input image in a scrolling viewport, the selection box
// on it, the menus, and the owner of the settings dialog `frmSub`.
//
// How input flows: the open command and dropped files go to LoadImageFile, which decodes the file
// once into the hidden holder `bPic` and redraws the canvas `Picture1` at the chosen scale
// (ApplyImageScale). Mouse presses on `Picture1` draw the selection box, presses on its grab areas
// `LBox` move it; at each release CopySelectionToPreview stretches the marked part of the canvas
// into the settings dialog's preview. The settings dialog calls back into this window when the
// shape, the scale, the frame options or a colour change, and for project creation.
//
// Places and sizes are kept in twips as designed and turned into pixels at the widgets
// (twips_geometry.h); the arithmetic lives in plain functions (selection_geometry.h,
// selection_status.h, image_scroll.h, main_layout.h, image_scale.h, window_placement.h).

#include "maker_context.h"
#include "maker_state.h"
#include "selection_geometry.h"

#include <QMainWindow>
#include <QPointer>
#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QScrollBar;

namespace kalmora::maker
{

class frmSub;
class GrabArea;
class ImageCanvas;
class ImageHolder;
class SelectionOutline;

class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    // Builds the window and runs its load handler: the settings dialog is created and shown, the
    // placement restored. The caller shows the main window afterwards.
    explicit frmMain(const MakerContext &context, QWidget *parent = nullptr);
    ~frmMain() override;

    // Image loading.
    void OpenImageCommand();
    void LoadImageFile(const QString &path);
    void LoadDroppedImage(const QMimeData *data);

    // Viewport and scrolling.
    void UpdateScrollBars();
    void ScrollImage();

    // Preview composition.
    void CopySelectionToPreview();
    void ApplyImageScale(int scale);

    // Selection box.
    void ShowSelectionStatus();
    // The settings dialog resizes the box to the preview's size without moving it.
    void ResizeSelection(float width, float height);
    bool selectionShown() const;
    void setSelectionColour(std::uint32_t bgr);

    // Project creation.
    void CreateCalendarProject();

    void ShowVersionDialog();
    void CloseVersionDialog();

    MakerState &state() { return m_state; }
    const MakerContext &context() const { return m_context; }
    frmSub *settingsDialog() const { return m_sub; }
    // Box(0), the box of record, and LBox(0), in twips.
    TwipsRect selectionRect() const { return m_box; }
    TwipsRect grabRect() const { return m_grab; }
    QMenu *fileMenu() const { return m_mfile; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildControls();
    void BuildMenus();
    void Form_Load();
    void Form_Resize();
    void LayoutClientArea();
    void ShowFilePopup(const QPoint &globalPos);
    void EndCommand();
    void PlaceWindow();
    void FinishPlacement();

    void Picture1_MouseDown(Qt::MouseButton button, float x, float y);
    void Picture1_MouseMove(float x, float y);
    void Picture1_MouseUp(float x, float y);
    void LBox_MouseDown(float x, float y);
    void LBox_MouseMove(float x, float y);
    void LBox_MouseUp(float x, float y);

    void setOutlines(const TwipsRect &rect);
    void setGrabAreas(const TwipsRect &rect);
    void setSelectionVisible(bool visible);
    bool handleDrop(QEvent *event);

    MakerContext m_context;
    MakerState m_state;
    TwipsRect m_box; // Box(0) and Box(1)
    TwipsRect m_grab; // LBox(0) and LBox(1)
    qint64 m_canvasSourceKey = 0;
    bool m_unloading = false;
    bool m_placementPending = false; // placed again once the window frame is known
    bool m_statusSized = false; // the status label has the size of the widest status text

    QWidget *m_client = nullptr;
    QScrollBar *m_vScroll1 = nullptr;
    QScrollBar *m_hScroll1 = nullptr;
    QWidget *m_base = nullptr;
    ImageCanvas *m_picture1 = nullptr;
    ImageHolder *m_bPic = nullptr;
    SelectionOutline *m_box0 = nullptr;
    SelectionOutline *m_box1 = nullptr;
    GrabArea *m_lbox0 = nullptr;
    GrabArea *m_lbox1 = nullptr;
    QLabel *m_lXY = nullptr;

    QMenu *m_mfile = nullptr;
    QAction *m_mOpen = nullptr;
    QAction *m_mSave = nullptr;
    QAction *m_sep01 = nullptr;
    QAction *m_mEnd = nullptr;
    QMenu *m_mDisp = nullptr;
    QAction *m_mIcon = nullptr;
    QMenu *m_mHelp = nullptr;
    QAction *m_mVer = nullptr;

    frmSub *m_sub = nullptr;
    QPointer<QWidget> m_version;
};

} // namespace kalmora::maker
