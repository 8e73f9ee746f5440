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

}  // namespace forms
