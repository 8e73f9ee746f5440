// Icons come from pixel maps (XPM): a palette of named colours, one row of
// characters per pixel row, "None" for the pixels the mask leaves clear.
#include <QPainter>

#include <stdexcept>

#include "art/draw/drawing.h"

namespace klonkatron::art::draw {
namespace {

// Where a face's expression lies on the head, and the size of one
// expression in the strip that holds all ten, level 1 on top.
constexpr QPoint kExpressionAt{5, 11};
constexpr QSize kExpressionSize{22, 17};

}  // namespace

QImage iconFromPixelMap(const QString& path) {
    QImage map(path, "XPM");
    if (map.isNull()) throw std::runtime_error("cannot read pixel map " + path.toStdString());
    return map.convertToFormat(QImage::Format_ARGB32);
}

QImage facePicture(const QString& headPath, const QString& expressionsPath, int level) {
    QImage face = iconFromPixelMap(headPath);
    const QImage strip = iconFromPixelMap(expressionsPath);
    if (strip.width() != kExpressionSize.width() || strip.height() != 10 * kExpressionSize.height())
        throw std::runtime_error("the expressions strip has the wrong size");
    const QImage expression =
        strip.copy(QRect(QPoint(0, (level - 1) * kExpressionSize.height()), kExpressionSize));
    QPainter painter(&face);
    painter.drawImage(kExpressionAt, expression);  // clear pixels keep the head
    return face;
}

}  // namespace klonkatron::art::draw
