// The picture window's photograph: a seated long-haired dachshund on white,
// painted as a careful illustration. Its coat is a soft-shaded silhouette
// with strands of long hair drawn over it, more of them at the ears, the
// chest and the tail, where the long coat feathers.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <numbers>

#include "art/draw/drawing.h"
#include "art/draw/shading.h"

namespace klonkatron::art::draw {
namespace {

const QColor kCoat{0xA8, 0x58, 0x28};
const QColor kCoatLight{0xE0, 0x98, 0x58};
const QColor kCoatDark{0x58, 0x28, 0x0C};

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry, qreal degrees = 0) {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    return QTransform().translate(cx, cy).rotate(degrees).map(path);
}

// The dog facing left: haunch at the back, long chest, short front legs,
// head raised with a long muzzle.
QPainterPath bodyShape() {
    QPainterPath body = ellipse(158, 206, 50, 40)                    // seated haunch
                            .united(ellipse(122, 166, 36, 58, -35))  // the long chest
                            .united(ellipse(92, 112, 24, 34, 12))    // neck
                            .united(ellipse(84, 84, 27, 23))         // skull
                            .united(ellipse(50, 98, 24, 11, 14));    // muzzle
    for (const qreal x : {88.0, 112.0}) {                            // front legs
        QPainterPath leg;
        leg.addRoundedRect(QRectF(x, 170, 17, 72), 7, 7);
        body = body.united(leg);
    }
    body = body.united(ellipse(98, 242, 13, 6)).united(ellipse(122, 243, 13, 6));  // paws
    return body.simplified();
}

QPainterPath earShape() {
    QPainterPath ear;
    ear.moveTo(96, 70);
    ear.cubicTo(124, 74, 130, 112, 124, 148);
    ear.cubicTo(120, 162, 100, 160, 96, 148);
    ear.cubicTo(90, 124, 86, 96, 96, 70);
    return ear;
}

QPainterPath tailShape() {
    QPainterPath tail;
    tail.moveTo(196, 222);
    tail.cubicTo(214, 228, 226, 238, 232, 250);
    tail.cubicTo(222, 252, 204, 246, 190, 238);
    tail.closeSubpath();
    return tail;
}

// Strands of hair from points inside `area`, flowing along `flow` (degrees,
// 90 is down), of about that length.
void strands(QPainter& p, Dice& dice, const QPainterPath& area, qreal flow, qreal length, int count,
             const QColor& light, const QColor& dark) {
    const QRectF box = area.boundingRect();
    for (int i = 0; i < count; ++i) {
        const QPointF start(dice.between(box.left(), box.right()),
                            dice.between(box.top(), box.bottom()));
        if (!area.contains(start)) continue;
        const qreal angle = (flow + dice.between(-14, 14)) * std::numbers::pi / 180;
        const qreal len = length * dice.between(0.6, 1.3);
        const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * len;
        const QPointF bend = (start + end) / 2 + QPointF(dice.between(-3, 3), dice.between(-3, 3));
        QPainterPath strand(start);
        strand.quadTo(bend, end);
        const qreal mix = dice.next();
        QColor colour = QColor::fromRgbF(light.redF() * mix + dark.redF() * (1 - mix),
                                         light.greenF() * mix + dark.greenF() * (1 - mix),
                                         light.blueF() * mix + dark.blueF() * (1 - mix), 0.55);
        p.setPen(QPen(colour, dice.between(0.6, 1.3), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(strand);
    }
}

void fillShaded(QPainter& p, const QPainterPath& shape, const QPointF& lightAt, qreal radius) {
    QRadialGradient coat(lightAt, radius);
    coat.setColorAt(0, kCoatLight);
    coat.setColorAt(0.55, kCoat);
    coat.setColorAt(1, kCoatDark);
    p.setPen(Qt::NoPen);
    p.setBrush(coat);
    p.drawPath(shape);
}

}  // namespace

QImage dachshundPicture() {
    QImage photo = opaqueCanvas(238, 264, Qt::white);
    QPainter p(&photo);
    p.setRenderHint(QPainter::Antialiasing);
    Dice dice(1999);

    QPainterPath floorShadow = ellipse(140, 248, 92, 9);
    p.drawImage(0, 0, softShadow(photo.size(), floorShadow, QColor(0x90, 0x90, 0x90, 120), 5));

    const QPainterPath body = bodyShape();
    const QPainterPath tail = tailShape();
    const QPainterPath ear = earShape();
    fillShaded(p, tail, QPointF(205, 230), 40);
    strands(p, dice, tail, 20, 16, 160, kCoatLight, kCoatDark);
    fillShaded(p, body, QPointF(92, 96), 150);
    // the far front leg and the belly lie in shade
    p.setBrush(QColor(0x30, 0x14, 0x04, 70));
    p.drawPath(body.intersected(ellipse(150, 232, 60, 22)));

    // coat: short hair on the head and legs, long hair elsewhere
    p.save();
    p.setClipPath(body);
    strands(p, dice, body, 100, 12, 1600, kCoatLight, kCoatDark);
    p.restore();
    // the long coat feathers at the chest, the belly and the back of the legs
    strands(p, dice, ellipse(104, 196, 20, 26), 100, 20, 220, kCoatLight, kCoatDark);
    strands(p, dice, ellipse(170, 236, 34, 8), 95, 12, 160, kCoatLight, kCoatDark);

    // the ear hangs in front of the neck: its shadow on the coat sets it apart
    p.save();
    p.setClipPath(body);
    p.drawImage(0, 0,
                softShadow(photo.size(), ear.translated(3, 3), QColor(0x30, 0x14, 0x04, 150), 3));
    p.restore();
    fillShaded(p, ear, QPointF(104, 84), 80);
    strands(p, dice, ear, 92, 22, 500, kCoatLight, kCoatDark);
    strands(p, dice, ellipse(110, 150, 14, 8), 100, 16, 120, kCoatLight, kCoatDark);

    // the face: eye, nose, mouth
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x0C, 0x04));
    p.drawEllipse(QPointF(74, 80), 5.2, 4.6);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(72.5, 78.5), 1.6, 1.4);
    QRadialGradient nose(QPointF(28, 90), 8);
    nose.setColorAt(0, QColor(0x50, 0x40, 0x40));
    nose.setColorAt(1, QColor(0x08, 0x04, 0x04));
    p.setBrush(nose);
    p.drawEllipse(QPointF(29, 92), 7, 6);
    p.setPen(QPen(kCoatDark.darker(150), 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath mouth(QPointF(31, 101));
    mouth.quadTo(46, 108, 62, 104);
    p.drawPath(mouth);
    // toes
    p.setPen(QPen(kCoatDark, 1));
    for (const qreal x : {94.0, 99.0, 118.0, 123.0}) p.drawLine(QPointF(x, 243), QPointF(x, 247));
    return photo;
}

}  // namespace klonkatron::art::draw
