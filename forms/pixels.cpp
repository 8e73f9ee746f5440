#include "forms/pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "forms/controls.h"

namespace forms {
namespace {

int floorPixels(int twips) { return static_cast<int>(std::floor(twips / double{kTwipsPerPixel})); }
int ceilPixels(int twips) { return static_cast<int>(std::ceil(twips / double{kTwipsPerPixel})); }

// A product a hair below a whole twip is that twip: 16.4 pixels are 246
// twips, though 16.4 * 15 is 245.99999999999997 in binary.
int twipAt(double pixels) {
    constexpr double kHair = 1e-6;
    return static_cast<int>(std::floor(pixels * kTwipsPerPixel + kHair));
}

}  // namespace

PixelRect pixelRect(const Rect& twips) {
    const int left = floorPixels(twips.left);
    const int top = floorPixels(twips.top);
    return {left, top, ceilPixels(twips.left + twips.width) - left,
            ceilPixels(twips.top + twips.height) - top};
}

Point twipsAt(double x, double y) { return {twipAt(x), twipAt(y)}; }

LinePixels linePixels(const Line& line) {
    const Point from{pixelsFromTwips(line.from().x), pixelsFromTwips(line.from().y)};
    const Point to{pixelsFromTwips(line.to().x), pixelsFromTwips(line.to().y)};
    const int w = line.borderWidth();
    if (from.y == to.y) {
        return {
            true, {std::min(from.x, to.x), from.y, std::abs(to.x - from.x) + 1, w}, from, to, w};
    }
    if (from.x == to.x) {
        return {
            true, {from.x, std::min(from.y, to.y), w, std::abs(to.y - from.y) + 1}, from, to, w};
    }
    return {false, {}, from, to, w};
}

PixelRect intersection(const PixelRect& a, const PixelRect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

std::vector<PixelRect> linePixelRects(const Line& line) {
    const LinePixels pixels = linePixels(line);
    if (pixels.straight) return {pixels.fill};
    // Bresenham's walk from one end to the other, both ends included.
    std::vector<PixelRect> squares;
    const int w = pixels.width;
    const int dx = std::abs(pixels.to.x - pixels.from.x);
    const int dy = -std::abs(pixels.to.y - pixels.from.y);
    const int stepX = pixels.from.x < pixels.to.x ? 1 : -1;
    const int stepY = pixels.from.y < pixels.to.y ? 1 : -1;
    int error = dx + dy;
    Point at = pixels.from;
    while (true) {
        squares.push_back({at.x - (w - 1) / 2, at.y - (w - 1) / 2, w, w});
        if (at == pixels.to) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.y += stepY;
        }
    }
    return squares;
}

int fontPixelSize(const Font& font) {
    return static_cast<int>(std::lround(font.sizePoints * 96.0 / 72.0));
}

}  // namespace forms
