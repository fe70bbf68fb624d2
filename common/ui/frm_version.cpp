#include "ui/frm_version.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace kalmora::ui
{
namespace
{

QFont DialogFont(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The rule under the texts: two white lines and a window-text line two pixels wide right below
// them, all running past the right edge of the dialog (twips, left/top of start and end).
struct RuleLine {
    int x1, y1, x2, y2;
    bool white;
    int widthPixels;
};
constexpr RuleLine kRule[] = {
    { -135, 870, 10330, 870, true, 1 }, // Line1(2)
    { -45, 885, 10330, 885, false, 2 }, // Line1(3)
    { -60, 870, 10330, 870, true, 1 }, // Line1(4)
};

} // namespace

frm_Version::frm_Version(
    const QString &programName, const QIcon &icon, QWidget *parent, const platform::TwipsPerPixel &tpp)
    // Title and close button only: no minimize or maximize button.
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_tpp(tpp)
{
    setObjectName(QStringLiteral("frm_Version"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowIcon(icon);
    setFont(DialogFont(QStringLiteral("ＭＳ Ｐ明朝"), 11.25, true));
    setFixedSize(platform::PixelsX(kClientWidthTwips, m_tpp), platform::PixelsY(kClientHeightTwips, m_tpp));

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(pixelRect(105, 195, 480, 480));
    m_image1->setPixmap(icon.pixmap(QSize(32, 32)));
    m_image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto placeLabel = [this](QLabel *label, const QRect &rect) {
        // Grow, never shrink, so that fonts with wider glyphs than the designed ones keep the text whole.
        const QSize hint = label->sizeHint();
        label->setGeometry(QRect(rect.topLeft(), rect.size().expandedTo(hint)));
    };

    m_label2_0 = new QLabel(programName, this);
    m_label2_0->setObjectName(QStringLiteral("Label2_0"));
    m_label2_0->setFont(DialogFont(QStringLiteral("ＭＳ Ｐ明朝"), 9.75, true));
    placeLabel(m_label2_0, pixelRect(885, 210, 2025, 285));

    m_label2_1 = new QLabel(QStringLiteral("Version 1.0.0"), this);
    m_label2_1->setObjectName(QStringLiteral("Label2_1"));
    m_label2_1->setFont(DialogFont(QStringLiteral("Times New Roman"), 9.75, true));
    placeLabel(m_label2_1, pixelRect(1515, 525, 1515, 285));

    m_command1 = new QPushButton(QStringLiteral("OK"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setFont(DialogFont(QStringLiteral("ＭＳ Ｐゴシック"), 9, false));
    m_command1->setGeometry(pixelRect(3075, 120, 795, 345));
    m_command1->setDefault(true);
    m_command1->setAutoDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &QDialog::accept);
}

QRect frm_Version::pixelRect(int left, int top, int width, int height) const
{
    return QRect(platform::PixelsX(left, m_tpp), platform::PixelsY(top, m_tpp), platform::PixelsX(width, m_tpp),
        platform::PixelsY(height, m_tpp));
}

void frm_Version::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        // Centred by the outer size, frame included, when the window manager has told it already.
        const QRect screenRect = screen->geometry();
        const QSize outer = frameGeometry().size().expandedTo(size());
        move(screenRect.x() + (screenRect.width() - outer.width()) / 2,
            screenRect.y() + (screenRect.height() - outer.height()) / 2);
    }
    m_command1->setFocus();
}

void frm_Version::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const RuleLine &line : kRule) {
        const QColor colour = line.white ? QColor(Qt::white) : palette().color(QPalette::WindowText);
        const int y = platform::PixelsY(line.y1, m_tpp);
        const int x1 = platform::PixelsX(line.x1, m_tpp);
        const int x2 = platform::PixelsX(line.x2, m_tpp);
        // A line of n pixels covers the rows y .. y+n-1, as a pen of that width would on the original.
        painter.fillRect(QRect(QPoint(x1, y), QPoint(x2, y + line.widthPixels - 1)), colour);
    }
}

} // namespace kalmora::ui
