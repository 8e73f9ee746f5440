#pragma once

#include <windows.h>

#include "forms/geometry.h"
#include "forms/paint_scale.h"

namespace forms::win32 {

// How the windows grow on a screen of more than 96 dots per inch, by the
// core's scale policy (forms/paint_scale.h), as the Qt program grows at a
// device pixel ratio.
class Scale {
public:
    explicit Scale(int dpi = 96);

    // A window's, from the dots per inch of the monitor it is on.
    static Scale ofWindow(HWND window);

    [[nodiscard]] double ratio() const { return ratio_; }
    // The ratio the back buffer is painted at: the next whole one.
    [[nodiscard]] int paintRatio() const { return paintRatio_; }
    [[nodiscard]] bool isWhole() const { return isWholeRatio(ratio_); }

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
