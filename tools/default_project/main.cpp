// draw_default_project ASSETS_DIR: draws the picture of the default project "空豆商店" (a bean shop
// under the sky, its blackboard left free for the calendar) into ASSETS_DIR/default_project/ as a
// 24-bit BMP.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace
{

void DrawPod(QPainter &p, QPointF centre, double angle, double length)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QPainterPath pod;
    pod.moveTo(-length / 2, 0);
    pod.cubicTo(-length / 3, -length / 4, length / 3, -length / 4, length / 2, -length / 12);
    pod.cubicTo(length / 3, length / 5, -length / 3, length / 5, -length / 2, 0);
    QLinearGradient g(0, -length / 4, 0, length / 5);
    g.setColorAt(0, QColor("#a8dc5a"));
    g.setColorAt(1, QColor("#5c9a2c"));
    p.setBrush(g);
    p.setPen(QPen(QColor("#3f6e1c"), 0.8));
    p.drawPath(pod);
    // The beans showing through the pod.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(QPointF(i * length / 4.5, -length / 30), length / 10, length / 14);
    p.restore();
}

QImage DrawPicture()
{
    QImage image(256, 256, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Sky, late afternoon blue, lighter towards the hills.
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, QColor("#3d78c2"));
    sky.setColorAt(1, QColor("#a9d4f2"));
    p.fillRect(image.rect(), sky);

    // The sun with a soft glow.
    QRadialGradient glow(QPointF(206, 40), 44);
    glow.setColorAt(0, QColor(255, 244, 200, 230));
    glow.setColorAt(0.35, QColor(255, 236, 170, 120));
    glow.setColorAt(1, QColor(255, 236, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(206, 40), 44, 44);
    p.setBrush(QColor("#ffe89a"));
    p.drawEllipse(QPointF(206, 40), 15, 15);

    // Clouds.
    p.setBrush(QColor(255, 255, 255, 215));
    for (const QRectF &r : { QRectF(18, 30, 46, 18), QRectF(40, 22, 40, 24), QRectF(60, 32, 34, 15),
             QRectF(150, 78, 36, 13), QRectF(166, 72, 30, 17) })
        p.drawEllipse(r);

    // Two rows of hills.
    QPainterPath far;
    far.moveTo(0, 150);
    far.cubicTo(50, 118, 96, 126, 140, 142);
    far.cubicTo(180, 124, 226, 118, 256, 136);
    far.lineTo(256, 256);
    far.lineTo(0, 256);
    p.setBrush(QColor("#7fbf6a"));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 176);
    near.cubicTo(70, 150, 150, 168, 256, 158);
    near.lineTo(256, 256);
    near.lineTo(0, 256);
    QLinearGradient grass(0, 150, 0, 256);
    grass.setColorAt(0, QColor("#5fae48"));
    grass.setColorAt(1, QColor("#3f8a35"));
    p.setBrush(grass);
    p.drawPath(near);

    // The shop: posts, a striped awning, the blackboard in the middle, the counter below.
    p.setBrush(QColor("#8a5a32"));
    p.drawRect(QRectF(44, 52, 8, 170));
    p.drawRect(QRectF(204, 52, 8, 170));

    const QRectF board(58, 78, 140, 118);
    p.setBrush(QColor("#9c6a3c"));
    p.drawRoundedRect(board.adjusted(-6, -6, 6, 6), 5, 5);
    QLinearGradient slate(board.topLeft(), board.bottomRight());
    slate.setColorAt(0, QColor("#2f4b3e"));
    slate.setColorAt(1, QColor("#24392f"));
    p.setBrush(slate);
    p.drawRect(board);
    // A little chalk dust in a corner.
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(QRectF(board.right() - 40, board.bottom() - 22, 36, 18));

    // The awning: eight stripes with a scalloped edge.
    const double awningTop = 40, awningBottom = 64, left = 36, right = 220;
    const int stripes = 8;
    const double w = (right - left) / stripes;
    for (int i = 0; i < stripes; ++i) {
        p.setBrush(i % 2 ? QColor("#fff3df") : QColor("#d9473a"));
        QPainterPath stripe;
        stripe.moveTo(left + i * w + 3, awningTop);
        stripe.lineTo(left + (i + 1) * w - 3, awningTop);
        stripe.lineTo(left + (i + 1) * w, awningBottom);
        stripe.arcTo(QRectF(left + i * w, awningBottom - w / 2, w, w), 0, -180);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    p.setBrush(QColor("#b8382d"));
    p.drawRect(QRectF(left + 2, awningTop - 4, right - left - 4, 5));

    // The counter with its baskets of broad beans.
    p.setBrush(QColor("#a8723f"));
    p.drawRect(QRectF(30, 204, 196, 16));
    p.setBrush(QColor("#7d5129"));
    p.drawRect(QRectF(34, 220, 188, 36));
    p.setPen(QPen(QColor("#6a4421"), 1));
    for (int x = 48; x < 222; x += 16)
        p.drawLine(QPointF(x, 222), QPointF(x, 256));
    p.setPen(Qt::NoPen);
    for (const double cx : { 70.0, 128.0, 186.0 }) {
        p.setBrush(QColor("#c99a5b"));
        p.drawRoundedRect(QRectF(cx - 24, 196, 48, 12), 4, 4);
        DrawPod(p, QPointF(cx - 10, 196), -14, 26);
        DrawPod(p, QPointF(cx + 9, 195), 12, 26);
        DrawPod(p, QPointF(cx, 191), -2, 24);
    }
    p.end();
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_default_project ASSETS_DIR\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    assets.mkpath(QStringLiteral("default_project"));
    const QString picture = assets.filePath(QStringLiteral("default_project/空豆商店.bmp"));
    if (!DrawPicture().convertToFormat(QImage::Format_RGB888).save(picture, "BMP")) {
        std::fprintf(stderr, "could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
