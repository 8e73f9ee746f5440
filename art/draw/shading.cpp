#include "art/draw/shading.h"

#include <QPainter>

#include <algorithm>

namespace klonkatron::art::draw {
namespace {

// One pass of a box blur over the alpha of `image`, along x or along y.
QImage blurAlpha(const QImage& image, int radius, bool alongX) {
    QImage out = image;
    const int w = image.width();
    const int h = image.height();
    const int n = alongX ? w : h;
    const int lines = alongX ? h : w;
    for (int line = 0; line < lines; ++line) {
        for (int i = 0; i < n; ++i) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                const int j = std::clamp(i + k, 0, n - 1);
                sum += qAlpha(alongX ? image.pixel(j, line) : image.pixel(line, j));
            }
            const int x = alongX ? i : line;
            const int y = alongX ? line : i;
            const QRgb c = image.pixel(x, y);
            out.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), sum / (2 * radius + 1)));
        }
    }
    return out;
}

}  // namespace

QImage softShadow(const QSize& size, const QPainterPath& shape, const QColor& colour, int radius) {
    QImage mask(size, QImage::Format_ARGB32);
    mask.fill(QColor(colour.red(), colour.green(), colour.blue(), 0));
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(shape, colour);
    }
    return blurAlpha(blurAlpha(mask, radius, true), radius, false);
}

}  // namespace klonkatron::art::draw
