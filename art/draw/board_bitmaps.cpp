// The board's larger pictures: its background, the table, the title banner
// and the face of the Exit button.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "art/draw/drawing.h"
#include "art/draw/shading.h"

namespace klonkatron::art::draw {

QImage opaqueCanvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage backgroundPicture() { return opaqueCanvas(473, 301, kWindowGreen); }

// A dark red slab in perspective: its far edge narrower than the near one, a
// lighter front face, a soft shadow on the green below.
QImage tablePicture() {
    QImage table = opaqueCanvas(215, 152, kTableGreen);
    QPainter p(&table);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF farLeft(25, 3), farRight(191, 3), nearLeft(2.5, 113), nearRight(212.5, 113);
    const qreal faceBottom = 146;

    QLinearGradient shadow(0, faceBottom, 0, 152);
    shadow.setColorAt(0, QColor(0x00, 0x48, 0x00));
    shadow.setColorAt(1, kTableGreen);
    p.fillRect(QRectF(nearLeft.x() + 3, faceBottom, nearRight.x() - nearLeft.x() - 2, 6), shadow);

    QLinearGradient face(0, nearLeft.y(), 0, faceBottom);
    face.setColorAt(0, QColor(0xE0, 0x58, 0x50));
    face.setColorAt(0.12, QColor(0xC8, 0x38, 0x34));
    face.setColorAt(1, QColor(0x98, 0x20, 0x20));
    p.setPen(QPen(QColor(0x48, 0x00, 0x00), 1));
    p.setBrush(face);
    p.drawRect(QRectF(nearLeft.x(), nearLeft.y(), nearRight.x() - nearLeft.x(),
                      faceBottom - nearLeft.y()));

    QLinearGradient top(0, farLeft.y(), 0, nearLeft.y());
    top.setColorAt(0, QColor(0x6C, 0x06, 0x08));
    top.setColorAt(0.55, QColor(0x94, 0x10, 0x12));
    top.setColorAt(1, QColor(0xA8, 0x18, 0x18));
    p.setBrush(top);
    p.drawPolygon(QPolygonF({farLeft, farRight, nearRight, nearLeft}));

    // The light catches the near edge of the top.
    p.setPen(QPen(QColor(0xF0, 0x80, 0x70), 1));
    p.drawLine(QPointF(nearLeft.x() + 1, nearLeft.y() + 1),
               QPointF(nearRight.x() - 1, nearRight.y() + 1));
    return table;
}

// "Klonkatron" in metallic beige letters with a dark shadow.
QImage bannerPicture() {
    QImage banner = opaqueCanvas(273, 70, kTableGreen);
    QFont font("Liberation Serif");
    font.setBold(true);
    font.setPixelSize(50);
    QPainterPath letters;
    letters.addText(0, 0, font, QStringLiteral("Klonkatron"));
    const QRectF bounds = letters.boundingRect();
    letters.translate(136 - bounds.center().x(), 5 - bounds.top());

    QPainter p(&banner);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0,
                softShadow(banner.size(), letters.translated(3, 3), QColor(0x00, 0x20, 0x00), 2));

    const QRectF box = letters.boundingRect();
    QLinearGradient metal(0, box.top(), 0, box.bottom());
    metal.setColorAt(0.00, QColor(0xFF, 0xFA, 0xE8));
    metal.setColorAt(0.30, QColor(0xEC, 0xE0, 0xC2));
    metal.setColorAt(0.52, QColor(0xA8, 0x96, 0x6C));
    metal.setColorAt(0.56, QColor(0xC8, 0xB8, 0x8E));
    metal.setColorAt(0.80, QColor(0xE8, 0xDA, 0xB6));
    metal.setColorAt(1.00, QColor(0x90, 0x7E, 0x54));
    p.setPen(QPen(QColor(0x3A, 0x2E, 0x18), 1.2));
    p.setBrush(metal);
    p.drawPath(letters);
    return banner;
}

// A dark red bar with "Exit" in widely spaced yellow letters.
QImage exitFacePicture() {
    QImage face = opaqueCanvas(185, 20, QColor(0x80, 0x08, 0x08));
    QPainter p(&face);
    p.fillRect(0, 0, 185, 1, QColor(0xC0, 0x40, 0x38));
    p.fillRect(0, 0, 1, 20, QColor(0xC0, 0x40, 0x38));
    p.fillRect(0, 19, 185, 1, QColor(0x40, 0x00, 0x00));
    p.fillRect(184, 0, 1, 20, QColor(0x40, 0x00, 0x00));

    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(14);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 12);
    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("Exit"));
    const QRectF bounds = word.boundingRect();
    word.translate(92.5 - bounds.center().x(), 10 - bounds.center().y());
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(word.translated(1, 1), QColor(0x30, 0x00, 0x00));
    p.fillPath(word, QColor(0xFF, 0xFF, 0x00));
    return face;
}

}  // namespace klonkatron::art::draw
