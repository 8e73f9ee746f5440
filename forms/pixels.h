#pragma once

#include <vector>

#include "forms/font.h"
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
    [[nodiscard]] constexpr bool isEmpty() const { return width <= 0 || height <= 0; }
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The pixels two rectangles share; empty when they share none.
PixelRect intersection(const PixelRect& a, const PixelRect& b);

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
// Every pixel of a line as filled rectangles: a level or upright line's one
// rectangle; a slanted line's pixels, end points included, each a square as
// wide as the line.
std::vector<PixelRect> linePixelRects(const Line& line);

// A font's size in whole pixels: its points at 96 dpi, rounded (8.25 pt is
// 11 pixels, 20.25 pt is 27).
int fontPixelSize(const Font& font);

}  // namespace forms
