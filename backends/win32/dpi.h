#pragma once

#include <windows.h>

#include "forms/geometry.h"

namespace forms::win32 {

// How the windows grow on a screen of more than 96 dots per inch, as the Qt
// program grows at a device pixel ratio: at a whole ratio every picture
// pixel becomes an exact square of device pixels; at a fractional one the
// window is painted at the next whole ratio and scaled down smoothly.
class Scale {
public:
    explicit Scale(int dpi = 96);

    // A window's, from the dots per inch of the monitor it is on.
    static Scale ofWindow(HWND window);

    [[nodiscard]] double ratio() const { return ratio_; }
    // The ratio the back buffer is painted at: the next whole one.
    [[nodiscard]] int paintRatio() const { return paintRatio_; }
    [[nodiscard]] bool isWhole() const { return ratio_ == paintRatio_; }

    // Logical pixels (96 dpi) to device pixels.
    [[nodiscard]] int device(int logical) const;
    [[nodiscard]] RECT device(const RECT& logical) const;
    // Device pixels back to logical ones.
    [[nodiscard]] double logical(int device) const { return device / ratio_; }

private:
    double ratio_;
    int paintRatio_;
};

// The pixels a twips rectangle covers, by the core's rule, as a RECT.
RECT pixelRectOf(const Rect& twips);

}  // namespace forms::win32
