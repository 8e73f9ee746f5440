#pragma once

#include "forms/geometry.h"

namespace forms {

class Line;

// Where twips meet a window's pixels (logical, at 96 dpi): the rules every
// backend paints and reports input by.

// A rectangle in pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Every pixel a rectangle of twips touches, whole: a control never loses
// its last partly covered column or row.
PixelRect pixelRect(const Rect& twips);

// The twip under a point of the client area, as a backend reports the
// pointer (fractions of a pixel come from scaled screens).
Point twipsAt(double x, double y);

// The pixels of a line. Level and upright lines are a filled rectangle as
// thick as the line, end points included; any other is drawn from `from` to
// `to` with a pen of `width`.
struct LinePixels {
    bool straight = false;
    PixelRect fill;  // when straight
    Point from;      // pixels, when slanted
    Point to;
    int width = 1;
    friend constexpr bool operator==(const LinePixels&, const LinePixels&) = default;
};
LinePixels linePixels(const Line& line);

}  // namespace forms
