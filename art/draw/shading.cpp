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

QImage averagedDown(const QImage& large, int factor) {
    const QImage source = large.convertToFormat(QImage::Format_ARGB32);
    QImage small(large.width() / factor, large.height() / factor, QImage::Format_ARGB32);
    const int n = factor * factor;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb c = source.pixel(x * factor + dx, y * factor + dy);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    a += qAlpha(c);
                }
            }
            // rounded to the nearest level
            small.setPixel(
                x, y, qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n));
        }
    }
    return small;
}

}  // namespace klonkatron::art::draw
