#include "qt/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// Everything is drawn on a 256-pixel grid and scaled.
constexpr qreal kGrid = 256.0;

void DrawBackground(QPainter& painter) {
    QLinearGradient plum(0, 0, 0, kGrid);
    plum.setColorAt(0.0, QColor(0x9c, 0x27, 0x5a));
    plum.setColorAt(1.0, QColor(0x3a, 0x0e, 0x3d));
    painter.setPen(Qt::NoPen);
    painter.setBrush(plum);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 52, 52);

    // The spotlight on the floor.
    QRadialGradient light(QPointF(128, 214), 100);
    light.setColorAt(0.0, QColor(0xff, 0xd8, 0x6b, 230));
    light.setColorAt(1.0, QColor(0xff, 0xd8, 0x6b, 0));
    painter.setBrush(light);
    painter.drawEllipse(QPointF(128, 214), 104, 24);
}

void DrawCouple(QPainter& painter, bool small) {
    const QColor ink(0xff, 0xf8, 0xee);
    const qreal limb = small ? 16 : 11;
    painter.setBrush(ink);
    painter.setPen(Qt::NoPen);

    // Heads: the lady leans back.
    painter.drawEllipse(QPointF(98, 58), 17, 17);
    painter.drawEllipse(QPointF(154, 62), 15, 15);

    // The gentleman: tailcoat body and legs in a stride.
    QPainterPath gentleman;
    gentleman.moveTo(82, 82);
    gentleman.lineTo(114, 82);
    gentleman.lineTo(112, 146);
    gentleman.lineTo(120, 206);
    gentleman.lineTo(106, 208);
    gentleman.lineTo(98, 156);
    gentleman.lineTo(84, 208);
    gentleman.lineTo(70, 205);
    gentleman.lineTo(84, 146);
    gentleman.closeSubpath();
    painter.drawPath(gentleman);

    // The lady: a narrow waist and a swirling skirt.
    QPainterPath lady;
    lady.moveTo(142, 84);
    lady.lineTo(164, 84);
    lady.quadTo(158, 112, 156, 128);
    lady.cubicTo(176, 150, 204, 176, 214, 204);
    lady.quadTo(170, 190, 150, 208);
    lady.quadTo(128, 196, 112, 206);
    lady.cubicTo(124, 176, 138, 150, 146, 128);
    lady.quadTo(144, 108, 142, 84);
    painter.drawPath(lady);

    // The ballroom hold: joined hands held out high to his left, his right hand at her back,
    // her free arm swept out behind her.
    QPen arm(ink, limb, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(arm);
    painter.setBrush(Qt::NoBrush);
    QPainterPath hold;
    hold.moveTo(86, 90);
    hold.quadTo(62, 78, 46, 44);
    painter.drawPath(hold);
    painter.drawLine(QPointF(110, 100), QPointF(146, 104));
    QPainterPath sweep;
    sweep.moveTo(162, 92);
    sweep.quadTo(190, 98, 210, 74);
    painter.drawPath(sweep);
}

}  // namespace

QPixmap TavorinIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    DrawBackground(painter);
    DrawCouple(painter, size <= 32);
    return pixmap;
}

QIcon TavorinIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(TavorinIconPixmap(size));
    }
    return icon;
}
