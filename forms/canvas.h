#pragma once

#include <string_view>

#include "forms/font.h"
#include "forms/geometry.h"
#include "forms/pixels.h"

namespace forms {

struct PixelImage;

// What a backend draws a window's drawn controls with. The core's painting
// (form_painting.h) decides everything else: what is drawn, in which order,
// where, clipped to what, wrapped how and in which colour. A canvas takes
// logical pixels (96 dpi) and draws each as a square of its own device
// pixels at a whole ratio (paint_scale.h says which); it keeps no state
// between calls that the core relies on. Every area it gets is already
// clipped to the area being painted.
class Canvas {
public:
    Canvas() = default;
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The platform's dialog colour, for a window whose design gives none.
    [[nodiscard]] virtual Color dialogColor() = 0;

    // Fills `area` with `colour`.
    virtual void fillRect(const PixelRect& area, Color colour) = 0;

    // Draws a picture's pixels with its top-left corner at `at`, one logical
    // pixel each (nearest-neighbour at the canvas's ratio), only inside
    // `clip`. A masked picture's clear pixels leave what lies behind; every
    // other pixel replaces it (forms::PixelImage has no partial alpha).
    virtual void drawPicture(const PixelImage& pixels, Point at, const PixelRect& clip) = 0;

    // The height of one line of text in `font`, and the width of `text` in
    // it, in logical pixels, as the canvas's own font engine draws them.
    [[nodiscard]] virtual double lineHeight(const Font& font) = 0;
    [[nodiscard]] virtual double textWidth(const Font& font, std::string_view text) = 0;

    // Draws one line of text (UTF-8, no line breaks) in `font` and `colour`,
    // transparent, the top-left corner of its line box at (`x`, `y`), only
    // inside `clip`.
    virtual void drawText(const Font& font, std::string_view text, double x, double y,
                          const PixelRect& clip, Color colour) = 0;
};

}  // namespace forms
