#include "backends/win32/dpi.h"

#include <cmath>

#include "forms/paint_scale.h"
#include "forms/pixels.h"

namespace forms::win32 {

Scale::Scale(int dpi) : ratio_(dpi > 0 ? dpi / 96.0 : 1.0), paintRatio_(paintRatioFor(ratio_)) {}

Scale Scale::ofWindow(HWND window) { return Scale(static_cast<int>(GetDpiForWindow(window))); }

int Scale::device(int logical) const { return devicePixels(logical, ratio_); }

RECT Scale::device(const RECT& r) const {
    return {device(r.left), device(r.top), device(r.right), device(r.bottom)};
}

RECT pixelRectOf(const Rect& twips) {
    const PixelRect r = pixelRect(twips);
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

}  // namespace forms::win32
