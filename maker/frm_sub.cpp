#include "frm_sub.h"

#include "colour_swatch.h"
#include "compact_combo_style.h"
#include "frm_main.h"
#include "image_scale.h"
#include "maker_state.h"
#include "maker_texts.h"
#include "platform/colour.h"
#include "platform/desktop_identity.h"
#include "platform/numbers.h"
#include "platform/screens.h"
#include "preview_box.h"
#include "shapes/window_shaping.h"
#include "store/app_files.h"
#include "twips_geometry.h"
#include "window_placement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace kalmora::maker
{

namespace
{
// Client area as designed, twips.
constexpr int kClientWidth = 4320;
constexpr int kClientHeight = 6975;
} // namespace

frmSub::frmSub(frmMain &main, MakerState &state, const MakerContext &context)
    : QWidget(&main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(main)
    , m_state(state)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmSub"));
    setWindowTitle(texts::kProductCaption);
    setWindowIcon(platform::ProgramIcon(platform::Program::Maker));
    // The layout was made for the usual Japanese user-interface font at 9 points; the same metrics
    // keep every caption inside its control.
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    BuildControls();
    Form_Load();
}

frmSub::~frmSub() = default;

void frmSub::BuildControls()
{
    const auto &tpp = m_context.tpp;
    setFixedSize(PixelRect(0, 0, kClientWidth, kClientHeight, tpp).size());

    const auto place = [&tpp](QWidget *w, const char *name, int l, int t, int wd, int ht) {
        w->setObjectName(QString::fromLatin1(name));
        w->setGeometry(PixelRect(l, t, wd, ht, tpp));
    };
    const auto label = [&](QWidget *parent, const char *name, const QString &text, int l, int t, int wd, int ht) {
        auto *lbl = new QLabel(text, parent);
        place(lbl, name, l, t, wd, ht);
        return lbl;
    };
    const auto button = [&](QWidget *parent, const char *name, const QString &text, int l, int t, int wd, int ht) {
        auto *b = new QPushButton(text, parent);
        b->setAutoDefault(false);
        place(b, name, l, t, wd, ht);
        return b;
    };
    auto *comboStyle = new CompactComboStyle;
    comboStyle->setParent(this);
    const auto combo = [&](QWidget *parent, const char *name, int l, int t, int wd, int ht) {
        auto *c = new QComboBox(parent);
        c->setStyle(comboStyle);
        c->setEditable(false);
        place(c, name, l, t, wd, ht);
        return c;
    };

    m_frame2 = new QGroupBox(texts::kFramePreview, this);
    place(m_frame2, "Frame2", 45, 45, 4200, 4365);
    m_picture2 = new PreviewBox(m_frame2);
    place(m_picture2, "Picture2", 75, 225, 3840, 3615);
    m_picture2->setBackgroundColour(platform::Bgr(255, 255, 255));
    m_hScroll1 = new QScrollBar(Qt::Horizontal, m_frame2);
    place(m_hScroll1, "HScroll1", 60, 4065, 3870, 255);
    m_vScroll1 = new QScrollBar(Qt::Vertical, m_frame2);
    place(m_vScroll1, "VScroll1", 3915, 225, 240, 3840);

    m_frame1 = new QGroupBox(texts::kFramePictureSide, this);
    place(m_frame1, "Frame1", 45, 4470, 2100, 2520);
    label(m_frame1, "Label5_0", texts::kLabelShape, 135, 315, 645, 210);
    m_combo3 = combo(m_frame1, "Combo3", 825, 255, 1170, 300);
    label(m_frame1, "Label5_1", texts::kLabelBackground, 120, 600, 645, 210);
    m_label2 = new ColourSwatch(platform::Bgr(255, 255, 255), m_frame1);
    place(m_label2, "Label2", 825, 585, 810, 255);
    auto *command2 = button(m_frame1, "Command2", texts::kColourButton, 1650, 585, 360, 285);

    m_frame4 = new QGroupBox(texts::kFrameCalendar, m_frame1);
    place(m_frame4, "Frame4", 75, 885, 1950, 1545);
    struct Row {
        const char *caption;
        QString text;
        const char *swatch;
        std::uint32_t colour;
        const char *button;
        int captionTop;
        int rowTop;
        ColourSwatch **member;
    };
    const Row rows[] = {
        { "Label5_2", texts::kLabelWeekday, "Label3", platform::Bgr(255, 255, 255), "Command3", 270, 255, &m_label3 },
        { "Label5_3", texts::kLabelSaturday, "Label7", platform::Bgr(0, 0, 255), "Command4", 600, 585, &m_label7 },
        { "Label5_4", texts::kLabelSunday, "Label8", platform::Bgr(255, 0, 0), "Command5", 915, 900, &m_label8 },
        { "Label5_5", texts::kLabelShadow, "Label9", platform::Bgr(0, 0, 0), "Command6", 1215, 1200, &m_label9 },
    };
    for (const Row &row : rows) {
        label(m_frame4, row.caption, row.text, 180, row.captionTop, 645, 210);
        auto *swatch = new ColourSwatch(row.colour, m_frame4);
        place(swatch, row.swatch, 870, row.rowTop, 540, 255);
        *row.member = swatch;
        auto *b = button(m_frame4, row.button, texts::kColourButton, 1425, row.rowTop, 360, 285);
        connect(b, &QPushButton::clicked, this, [this, swatch] { PickCalendarColour(swatch); });
    }

    m_frame3 = new QGroupBox(texts::kFrameInputSide, this);
    place(m_frame3, "Frame3", 2205, 4470, 2025, 1290);
    label(m_frame3, "Label6", texts::kLabelScale, 105, 300, 855, 210);
    m_combo4 = combo(m_frame3, "Combo4", 1065, 255, 840, 300);
    label(m_frame3, "Label4_1", texts::kLabelFrameColour, 90, 615, 675, 180);
    m_combo2 = combo(m_frame3, "Combo2", 1065, 585, 840, 300);
    label(m_frame3, "Label1", texts::kLabelFrameSize, 75, 960, 1005, 210);
    m_combo1 = combo(m_frame3, "Combo1", 1065, 915, 825, 300);

    m_command1 = button(this, "Command1", texts::kCreateButton, 2505, 6300, 1545, 345);
    m_command1->setEnabled(false);

    m_calendar = new calendar::CalendarLabels(m_picture2, calendar::CalendarHost::Maker, m_context.clock, tpp, this);

    connect(command2, &QPushButton::clicked, this, &frmSub::PickBackgroundColour);
    connect(m_command1, &QPushButton::clicked, this, [this] { m_main.CreateCalendarProject(); });
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &frmSub::Combo1_Click);
    connect(m_combo2, &QComboBox::currentIndexChanged, this, &frmSub::Combo2_Click);
    connect(m_combo3, &QComboBox::currentIndexChanged, this, &frmSub::Combo3_Click);
    connect(m_combo4, &QComboBox::currentIndexChanged, this, &frmSub::Combo4_Click);
    // Both the settled value and the thumb being dragged move the calendar, so it follows the thumb.
    for (QScrollBar *bar : { m_hScroll1, m_vScroll1 }) {
        connect(bar, &QScrollBar::valueChanged, this, &frmSub::CalendarScrolled);
        connect(bar, &QScrollBar::sliderMoved, this, &frmSub::CalendarScrolled);
    }
}

void frmSub::Form_Load()
{
    const auto &tpp = m_context.tpp;
    const QSize outer(width() * tpp.x, height() * tpp.y);
    const QPoint position = SettingsDialogPosition(store::ReadIni(m_context.appDir, "Location", "SLeft"),
        store::ReadIni(m_context.appDir, "Location", "STop"), outer, platform::PrimaryScreenTwips(tpp),
        platform::ScreenRectsTwips(tpp));
    move(platform::PixelsX(position.x(), tpp), platform::PixelsY(position.y(), tpp));

    // Filling a list selects its first item as a side effect; the handlers run once, when the
    // list is complete and its item is selected, as they do for a user's choice.
    const auto fill = [](QComboBox *combo, const QStringList &items) {
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(0);
    };
    fill(m_combo1, texts::kFrameSizeItems);
    m_state.FixedSelectionSize = 0;
    Combo1_Click();
    fill(m_combo2, texts::kFrameColourItems);
    Combo2_Click();
    QStringList scales;
    for (int i = 10; i >= 1; --i)
        scales << QString::number(i * 10) + QLatin1Char('%');
    fill(m_combo4, scales);
    Combo4_Click();
    fill(m_combo3, texts::kShapeItems);
    Combo3_Click();
}

void frmSub::UpdatePreviewSize()
{
    const auto &tpp = m_context.tpp;
    m_state.PreviewWidth = platform::ToInt32(m_picture2->width() * tpp.x);
    m_state.PreviewHeight = platform::ToInt32(m_picture2->height() * tpp.y);
    m_hScroll1->setMaximum(m_state.PreviewWidth);
    m_vScroll1->setMaximum(m_state.PreviewHeight);
}

void frmSub::Combo1_Click()
{
    UpdatePreviewSize();
    m_state.FixedSelectionSize = m_combo1->currentIndex() == 1 ? 1 : 0;
    if (m_main.selectionShown()) {
        if (m_state.FixedSelectionSize != 0)
            m_main.ResizeSelection(float(m_state.PreviewWidth), float(m_state.PreviewHeight));
        m_main.CopySelectionToPreview();
    }
}

void frmSub::Combo2_Click()
{
    const int index = m_combo2->currentIndex();
    if (index >= 0 && index < int(m_state.FrameColors.size()))
        m_main.setSelectionColour(m_state.FrameColors[std::size_t(index)]);
}

void frmSub::Combo3_Click()
{
    const int shape = m_combo3->currentIndex();
    shapes::SetShapeWindowSize(shape, m_picture2, m_context.tpp);
    shapes::ApplyShapeRegion(shape, m_picture2, m_context.dialogs);
    UpdatePreviewSize();
    m_main.ResizeSelection(float(m_state.PreviewWidth), float(m_state.PreviewHeight));
    m_main.CopySelectionToPreview();
}

void frmSub::Combo4_Click()
{
    if (!m_state.ImageLoaded)
        return;
    m_main.ApplyImageScale(ScaleOfIndex(m_combo4->currentIndex()));
    m_main.CopySelectionToPreview();
}

void frmSub::PickBackgroundColour()
{
    const std::int64_t chosen = m_context.dialogs.chooseColour(this, m_picture2->backgroundColour());
    if (chosen == -1)
        return;
    m_picture2->setBackgroundColour(std::uint32_t(chosen));
    m_label2->setColour(std::uint32_t(chosen));
    m_main.CopySelectionToPreview();
}

void frmSub::PickCalendarColour(ColourSwatch *swatch)
{
    const std::int64_t chosen = m_context.dialogs.chooseColour(this, swatch->colour());
    if (chosen == -1)
        return;
    swatch->setColour(std::uint32_t(chosen));
    const calendar::CalendarColours colours = swatchColours();
    m_calendar->RecolourCalendar(0, false, colours);
    m_calendar->RecolourCalendar(1, true, colours);
    m_main.CopySelectionToPreview();
}

calendar::CalendarColours frmSub::swatchColours() const
{
    calendar::CalendarColours colours;
    colours.CHE = m_label3->colour();
    colours.CDO = m_label7->colour();
    colours.CNI = m_label8->colour();
    colours.CBG = m_label9->colour();
    return colours;
}

void frmSub::CalendarScrolled()
{
    // While the thumb is dragged the bar's value lags behind its slider position.
    m_calendar->MoveCalendar(0, m_hScroll1->sliderPosition(), m_vScroll1->sliderPosition());
}

void frmSub::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    const auto &tpp = m_context.tpp;
    const QPoint topLeft = frameGeometry().topLeft();
    store::WriteIni(m_context.appDir, "Location", "SLeft", QString::number(topLeft.x() * tpp.x));
    store::WriteIni(m_context.appDir, "Location", "STop", QString::number(topLeft.y() * tpp.y));
    hide();
}

void frmSub::closeEvent(QCloseEvent *event)
{
    Unload();
    event->accept();
    m_main.CloseVersionDialog();
    m_main.close();
}

} // namespace kalmora::maker
