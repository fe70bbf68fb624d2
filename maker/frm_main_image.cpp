// The main window's image: loading (open command, dropped files), the viewport's scroll bars, the
// canvas at the chosen scale, and the preview composed from the selection.

#include "frm_main.h"
#include "frm_sub.h"
#include "grab_area.h"
#include "image_canvas.h"
#include "image_holder.h"
#include "image_loading.h"
#include "image_scale.h"
#include "image_scroll.h"
#include "maker_texts.h"
#include "platform/colour.h"
#include "preview_box.h"
#include "preview_composition.h"
#include "selection_outline.h"
#include "shapes/window_shaping.h"
#include "store/app_files.h"
#include "twips_geometry.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

namespace kalmora::maker
{

namespace
{
// The busy pointer for as long as a picture is decoded and scaled.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};
} // namespace

void frmMain::OpenImageCommand()
{
    const QString folder = store::ReadIni(m_context.appDir, "Dir", "IN");
    const QString path = m_context.dialogs.openFile(this, texts::kOpenTitle, texts::OpenImageFilters(), folder);
    QCoreApplication::processEvents();
    if (path.isEmpty())
        return;
    LoadImageFile(path);
    QCoreApplication::processEvents();
}

void frmMain::LoadImageFile(const QString &path)
{
    const auto &tpp = m_context.tpp;
    QImage image;
    {
        BusyCursor busy;
        QString error;
        image = ReadInputImage(path, &error);
        if (image.isNull()) {
            m_context.dialogs.message(
                this, texts::kLoadFailed.arg(QDir::toNativeSeparators(path), error), texts::kProgramName);
            return;
        }
        // Decoded once: the canvas and the holder share the pixels.
        m_picture1->setPicture(image);
        m_picture1->resize(image.size());
        m_canvasSourceKey = image.cacheKey();
        m_bPic->setPicture(image);
    }
    m_state.LoadedImageWidth = m_picture1->width() * tpp.x;
    m_state.LoadedImageHeight = m_picture1->height() * tpp.y;
    m_state.LastImageFolder = FolderOfPath(path);
    setWindowTitle(QDir::toNativeSeparators(path));
    m_state.ImageLoaded = true;
    setSelectionVisible(false);
    m_sub->Picture2()->setPicture({});
    m_picture1->show();
    {
        BusyCursor busy;
        ApplyImageScale(ScaleOfIndex(m_sub->Combo4()->currentIndex()));
    }
    UpdateScrollBars();
    store::WriteIni(m_context.appDir, "Dir", "IN", m_state.LastImageFolder);
    CopySelectionToPreview();
    const int shape = m_sub->Combo3()->currentIndex();
    shapes::SetShapeWindowSize(shape, m_sub->Picture2(), tpp);
    shapes::ApplyShapeRegion(shape, m_sub->Picture2(), m_context.dialogs);
}

void frmMain::LoadDroppedImage(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return;
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    LoadImageFile(urls.first().toLocalFile());
}

void frmMain::UpdateScrollBars()
{
    if (windowTitle() == texts::kProductCaption) {
        m_hScroll1->setEnabled(false);
        m_vScroll1->setEnabled(false);
        return;
    }
    const auto &tpp = m_context.tpp;
    const ImageScrollSetup h
        = ComputeImageScroll(double(m_picture1->width()) * tpp.x, double(m_base->width()) * tpp.x, tpp.x);
    const ImageScrollSetup v
        = ComputeImageScroll(double(m_picture1->height()) * tpp.y, double(m_base->height()) * tpp.y, tpp.y);
    // A maximum below the value pulls the value into the range, which moves the canvas.
    m_hScroll1->setMaximum(std::max(0, h.maximum));
    m_vScroll1->setMaximum(std::max(0, v.maximum));
    m_hScroll1->setSingleStep(h.smallStep);
    m_vScroll1->setSingleStep(v.smallStep);
    for (const auto &[bar, setup] : { std::pair { m_hScroll1, h }, std::pair { m_vScroll1, v } }) {
        bar->setEnabled(setup.enabled);
        if (setup.enabled)
            bar->setPageStep(setup.largeStep);
    }
}

void frmMain::ScrollImage()
{
    const auto &tpp = m_context.tpp;
    m_picture1->move(platform::PixelsX(-m_hScroll1->value(), tpp), platform::PixelsY(-m_vScroll1->value(), tpp));
}

void frmMain::ApplyImageScale(int scale)
{
    const auto &tpp = m_context.tpp;
    const QSize twips = ScaledCanvasTwips(scale, m_state.LoadedImageWidth, m_state.LoadedImageHeight);
    const QSize pixels(platform::PixelsX(twips.width(), tpp), platform::PixelsY(twips.height(), tpp));
    m_picture1->resize(pixels);
    LayoutClientArea();
    UpdateScrollBars();

    // The canvas is redrawn from the 100 % image only when its size changed since the last redraw.
    const QImage &source = m_bPic->picture();
    if (source.isNull())
        return;
    if (m_picture1->picture().size() == pixels && m_canvasSourceKey == source.cacheKey())
        return;
    m_picture1->setPicture({});
    if (pixels.isEmpty())
        return;
    m_picture1->setPicture(
        pixels == source.size() ? source : source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_canvasSourceKey = source.cacheKey();
}

void frmMain::CopySelectionToPreview()
{
    if (!m_state.ImageLoaded)
        return;
    PreviewBox *preview = m_sub->Picture2();
    preview->setPicture({});
    const auto &tpp = m_context.tpp;
    const QRectF source(double(m_box.left) / tpp.x, double(m_box.top) / tpp.y, double(m_box.width) / tpp.x,
        double(m_box.height) / tpp.y);
    preview->setPicture(ComposePreview(
        m_picture1->picture(), source, preview->size(), platform::ToQColor(preview->backgroundColour())));
}

} // namespace kalmora::maker
