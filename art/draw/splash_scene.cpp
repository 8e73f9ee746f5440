// The splash window's scene: a huge hammer, grey block head up, standing in
// front of a computer (a monitor on a desktop case), lit from the top left,
// on the splash window's green.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "art/draw/drawing.h"
#include "art/draw/shading.h"

namespace klonkatron::art::draw {
namespace {

// A box seen from the front and a little from above and the right: its
// front face, its top and its right side, each with its own light.
struct Box {
    QRectF front;
    qreal depth;  // how far the top and the side reach up and to the right
};

QPolygonF topOf(const Box& b) {
    const QPointF d(b.depth, -b.depth);
    return QPolygonF(
        {b.front.topLeft(), b.front.topLeft() + d, b.front.topRight() + d, b.front.topRight()});
}

QPolygonF sideOf(const Box& b) {
    const QPointF d(b.depth, -b.depth);
    return QPolygonF({b.front.topRight(), b.front.topRight() + d, b.front.bottomRight() + d,
                      b.front.bottomRight()});
}

void paintBox(QPainter& p, const Box& b, const QColor& light, const QColor& base,
              const QColor& dark, const QColor& outline) {
    p.setPen(QPen(outline, 1));
    QLinearGradient front(b.front.topLeft(), b.front.bottomLeft());
    front.setColorAt(0, base.lighter(108));
    front.setColorAt(1, base.darker(118));
    p.setBrush(front);
    p.drawRect(b.front);
    p.setBrush(light);
    p.drawPolygon(topOf(b));
    QLinearGradient side(b.front.topRight(), b.front.bottomRight());
    side.setColorAt(0, dark.lighter(110));
    side.setColorAt(1, dark.darker(125));
    p.setBrush(side);
    p.drawPolygon(sideOf(b));
}

const QColor kBeigeLight{0xF4, 0xEC, 0xD6};
const QColor kBeige{0xD8, 0xCA, 0xA4};
const QColor kBeigeDark{0x9C, 0x8C, 0x64};
const QColor kBeigeLine{0x5C, 0x50, 0x30};

void paintComputer(QPainter& p) {
    const Box monitor{QRectF(58, 70, 92, 80), 12};
    const Box desktopCase{QRectF(40, 160, 124, 46), 10};
    paintBox(p, desktopCase, kBeigeLight, kBeige, kBeigeDark, kBeigeLine);
    // slots and a lamp on the case's front
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x38, 0x28));
    p.drawRect(QRectF(118, 172, 36, 3));
    p.drawRect(QRectF(118, 184, 36, 3));
    p.setBrush(QColor(0x30, 0xE0, 0x30));
    p.drawEllipse(QRectF(48, 194, 4, 3));
    // the monitor's stand
    p.setBrush(kBeigeDark);
    p.drawRect(QRectF(92, 150, 26, 8));
    paintBox(p, monitor, kBeigeLight, kBeige, kBeigeDark, kBeigeLine);
    // its screen, dark glass with the sky's reflection in its top left
    const QRectF screen(68, 80, 72, 58);
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, QColor(0x40, 0x70, 0x90));
    glass.setColorAt(0.45, QColor(0x12, 0x24, 0x3A));
    glass.setColorAt(1, QColor(0x06, 0x0C, 0x18));
    p.setPen(QPen(kBeigeDark.darker(130), 1.5));
    p.setBrush(glass);
    p.drawRoundedRect(screen, 5, 5);
    QPainterPath glint;
    glint.moveTo(72, 86);
    glint.quadTo(90, 82, 104, 84);
    glint.lineTo(76, 108);
    glint.quadTo(71, 96, 72, 86);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(glint);
}

void paintHammer(QPainter& p) {
    // the handle: warm wood, rounded, with a little grain
    const QRectF handle(60, 72, 20, 178);
    QLinearGradient wood(handle.topLeft(), handle.topRight());
    wood.setColorAt(0, QColor(0xF0, 0xB8, 0x70));
    wood.setColorAt(0.35, QColor(0xC8, 0x84, 0x40));
    wood.setColorAt(1, QColor(0x70, 0x3C, 0x14));
    p.setPen(QPen(QColor(0x4C, 0x28, 0x08), 1));
    p.setBrush(wood);
    p.drawRoundedRect(handle, 6, 6);
    Dice dice(7);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const qreal x = handle.left() + 4 + dice.between(0, 12);
        p.setPen(QPen(QColor(0x80, 0x48, 0x18, 110), 1));
        p.drawLine(QPointF(x, handle.top() + dice.between(10, 60)),
                   QPointF(x + dice.between(-1.5, 1.5), handle.bottom() - dice.between(10, 60)));
    }
    // the head: a grey steel block
    const Box head{QRectF(12, 28, 112, 50), 14};
    paintBox(p, head, QColor(0xE8, 0xEA, 0xF0), QColor(0xA8, 0xAC, 0xB4), QColor(0x6C, 0x70, 0x78),
             QColor(0x30, 0x32, 0x38));
    // bevelled, shining edges on the front face
    QLinearGradient shine(head.front.topLeft(), head.front.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(0.25, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRect(head.front.adjusted(1, 1, 0, 0));
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(14, 30), QPointF(122, 30));
}

}  // namespace

QImage splashScenePicture() {
    QImage scene = opaqueCanvas(175, 263, kWindowGreen);
    QPainter p(&scene);
    p.setRenderHint(QPainter::Antialiasing);
    // soft shadows on the ground, falling to the right
    QPainterPath shadows;
    shadows.addEllipse(QRectF(34, 200, 140, 20));
    shadows.addEllipse(QRectF(52, 240, 44, 12));
    p.drawImage(0, 0, softShadow(scene.size(), shadows, QColor(0x00, 0x30, 0x00, 150), 4));
    paintComputer(p);
    paintHammer(p);
    return scene;
}

}  // namespace klonkatron::art::draw
