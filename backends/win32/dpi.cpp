#include "backends/win32/dpi.h"

#include <cmath>

namespace forms::win32 {
namespace {

int floorDiv(int value, int divisor) {
    return static_cast<int>(std::floor(value / static_cast<double>(divisor)));
}
int ceilDiv(int value, int divisor) {
    return static_cast<int>(std::ceil(value / static_cast<double>(divisor)));
}

}  // namespace

Scale::Scale(int dpi)
    : ratio_(dpi > 0 ? dpi / 96.0 : 1.0), paintRatio_(static_cast<int>(std::ceil(ratio_ - 1e-9))) {
    if (paintRatio_ < 1) {
        ratio_ = 1.0;
        paintRatio_ = 1;
    }
}

Scale Scale::ofScreen() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return Scale(dpi);
}

int Scale::device(int logical) const { return static_cast<int>(std::lround(logical * ratio_)); }

RECT Scale::device(const RECT& r) const {
    return {device(r.left), device(r.top), device(r.right), device(r.bottom)};
}

RECT pixelRect(const Rect& twips) {
    return {floorDiv(twips.left, kTwipsPerPixel), floorDiv(twips.top, kTwipsPerPixel),
            ceilDiv(twips.left + twips.width, kTwipsPerPixel),
            ceilDiv(twips.top + twips.height, kTwipsPerPixel)};
}

}  // namespace forms::win32
