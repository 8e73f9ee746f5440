#pragma once

#include <string>

#include "forms/canvas.h"

namespace forms::web {

// The core's canvas on a window's HTML canvas, whose 2D context the page
// has scaled to the whole ratio it paints at (page_canvas.js): it draws what
// it is told and nothing more; the walk, layout and scale policy are the
// core's. Text is measured and drawn by the browser in the embedded fonts.
class WebCanvas : public Canvas {
public:
    explicit WebCanvas(int window) : window_(window) {}

    [[nodiscard]] Color dialogColor() override;
    void fillRect(const PixelRect& area, Color colour) override;
    void drawPicture(const PixelImage& pixels, Point at, const PixelRect& clip) override;
    [[nodiscard]] double lineHeight(const Font& font) override;
    [[nodiscard]] double textWidth(const Font& font, std::string_view text) override;
    void drawText(const Font& font, std::string_view text, double x, double y,
                  const PixelRect& clip, Color colour) override;

private:
    // The CSS font of the last font asked for, made again only when it changes.
    const std::string& css(const Font& font);

    int window_;
    Font font_;
    std::string css_;
};

}  // namespace forms::web
