// The selection box on the main window: drawing it on the canvas, placing it at the fixed size,
// moving it by its grab areas, and the status text. Coordinates are twips of the canvas (for the
// grab areas, of the grab area pressed).

#include "frm_main.h"
#include "frm_sub.h"
#include "grab_area.h"
#include "image_canvas.h"
#include "platform/colour.h"
#include "preview_box.h"
#include "selection_outline.h"
#include "selection_status.h"
#include "twips_geometry.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace kalmora::maker
{

void frmMain::setOutlines(const TwipsRect &rect)
{
    m_box = rect;
    const QRect pixels = PixelRect(rect.left, rect.top, rect.width, rect.height, m_context.tpp);
    // A box is never thinner than one pixel on screen, however few twips it spans.
    const QRect shown(pixels.topLeft(), pixels.size().expandedTo(QSize(1, 1)));
    m_box0->setGeometry(shown);
    m_box1->setGeometry(shown);
}

void frmMain::setGrabAreas(const TwipsRect &rect)
{
    m_grab = rect;
    const QRect pixels = PixelRect(rect.left, rect.top, rect.width, rect.height, m_context.tpp);
    const QRect shown(pixels.topLeft(), pixels.size().expandedTo(QSize(1, 1)));
    m_lbox0->setGeometry(shown);
    m_lbox1->setGeometry(shown);
}

void frmMain::setSelectionVisible(bool visible)
{
    for (QWidget *w : std::initializer_list<QWidget *> { m_lbox0, m_lbox1, m_box0, m_box1 })
        w->setVisible(visible);
    if (visible)
        m_lXY->raise();
}

bool frmMain::selectionShown() const
{
    return m_box0->isVisibleTo(m_base);
}

void frmMain::setSelectionColour(std::uint32_t bgr)
{
    const QColor colour = platform::ToQColor(bgr);
    m_box0->setBorderColour(colour);
    m_box1->setBorderColour(colour);
    m_lbox0->setTextColour(colour);
    m_lbox1->setTextColour(colour);
}

void frmMain::ResizeSelection(float width, float height)
{
    setOutlines({ m_box.left, m_box.top, width, height });
    setGrabAreas(m_box);
}

void frmMain::ShowSelectionStatus()
{
    m_sub->Command1()->setEnabled(true);
    const QString status = SelectionStatusText(m_box, m_context.tpp);
    if (!m_statusSized) {
        // The status has its sixteen digits always in the same places: sized once for the widest
        // digit, the label needs no measuring of its text on every mouse move.
        const QFontMetrics metrics(m_lXY->font());
        QChar widest = u'0';
        for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
            if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest))
                widest = QChar(digit);
        }
        QString widestStatus = status;
        for (QChar &c : widestStatus) {
            if (c.isDigit())
                c = widest;
        }
        m_lXY->setText(widestStatus);
        m_lXY->adjustSize();
        m_statusSized = true;
    }
    m_lXY->setText(status);
}

void frmMain::Picture1_MouseDown(Qt::MouseButton, float x, float y)
{
    if (!m_state.ImageLoaded)
        return;
    if (m_state.FixedSelectionSize != 0) {
        setOutlines({ x, y, float(m_state.PreviewWidth), float(m_state.PreviewHeight) });
        m_state.DrawingSelection = false;
        setGrabAreas(m_box);
        CopySelectionToPreview();
    } else {
        setOutlines({ x, y, 1, 1 });
        setGrabAreas(m_box);
        m_state.DrawingSelection = true;
    }
    m_state.AnchorX = x;
    m_state.AnchorY = y;
    setSelectionVisible(true);
    ShowSelectionStatus();
}

void frmMain::Picture1_MouseMove(float x, float y)
{
    if (!m_state.ImageLoaded || !m_state.DrawingSelection)
        return;
    // Only the outlines follow the pointer; the preview waits for the release.
    if (const auto rect = SelectionBetween(m_state.AnchorX, m_state.AnchorY, x, y))
        setOutlines(*rect);
    ShowSelectionStatus();
}

void frmMain::Picture1_MouseUp(float x, float y)
{
    if (!m_state.ImageLoaded)
        return;
    m_state.DrawingSelection = false;
    if (m_state.FixedSelectionSize != 0) {
        setOutlines({ m_state.AnchorX, m_state.AnchorY, float(m_state.PreviewWidth), float(m_state.PreviewHeight) });
        setGrabAreas(m_box);
        CopySelectionToPreview();
        ShowSelectionStatus();
        return;
    }
    const float dx = x - m_state.AnchorX;
    const float dy = y - m_state.AnchorY;
    if ((dx == 0 && dy == 0) || (m_state.AnchorX == 0 && m_state.AnchorY == 0)) {
        setSelectionVisible(false);
        m_sub->Picture2()->setPicture({});
        m_sub->Command1()->setEnabled(false);
        return;
    }
    if (const auto rect = SelectionBetween(m_state.AnchorX, m_state.AnchorY, x, y))
        setOutlines(*rect);
    setGrabAreas(m_box);
    CopySelectionToPreview();
    ShowSelectionStatus();
}

void frmMain::LBox_MouseDown(float x, float y)
{
    if (!m_state.ImageLoaded)
        return;
    m_state.MovingSelection = true;
    m_state.AnchorX = m_grab.left;
    m_state.AnchorY = m_grab.top;
    m_state.GrabOffsetX = x - m_state.AnchorX;
    m_state.GrabOffsetY = y - m_state.AnchorY;
    setOutlines({ x - m_state.GrabOffsetX, y - m_state.GrabOffsetY, m_box.width, m_box.height });
    ShowSelectionStatus();
}

void frmMain::LBox_MouseMove(float x, float y)
{
    if (!m_state.ImageLoaded)
        return;
    if (m_state.MovingSelection)
        setOutlines({ x - m_state.GrabOffsetX, y - m_state.GrabOffsetY, m_box.width, m_box.height });
    ShowSelectionStatus();
}

void frmMain::LBox_MouseUp(float x, float y)
{
    if (!m_state.ImageLoaded)
        return;
    m_state.MovingSelection = false;
    setOutlines({ x - m_state.GrabOffsetX, y - m_state.GrabOffsetY, m_box.width, m_box.height });
    setGrabAreas(m_box);
    CopySelectionToPreview();
    ShowSelectionStatus();
}

} // namespace kalmora::maker
