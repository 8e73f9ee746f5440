#pragma once

#include "forms/form_design.h"
#include "forms/window_frame.h"

namespace forms::web {

// Where a window goes on the page, which is its desktop, and the frame
// around its client area, in CSS pixels (logical, at 96 dpi).
struct WindowBox {
    int border = 0;          // each side
    int titleBarHeight = 0;  // drawn above the client area, inside the border
    int left = 0;            // the outer corner on the desktop
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;

    [[nodiscard]] int outerWidth() const { return clientWidth + 2 * border; }
    [[nodiscard]] int outerHeight() const { return clientHeight + titleBarHeight + 2 * border; }
    friend bool operator==(const WindowBox&, const WindowBox&) = default;
};

// The width of a border's edge: a line for a thin one, the raised frame of
// a dialog, the wider frame that sizes.
int borderWidth(Border border);

// A window centred on the desktop, or with its client area at its designed
// place; never with its title bar above or left of the desktop's corner,
// where it could not be reached again.
WindowBox windowBoxOf(const FormDesign& design, int desktopWidth, int desktopHeight);

}  // namespace forms::web
