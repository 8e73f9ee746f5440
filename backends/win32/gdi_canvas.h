#pragma once

#include <windows.h>

#include <optional>

#include "backends/win32/back_buffer.h"
#include "backends/win32/gdi_fonts.h"
#include "forms/canvas.h"

namespace forms::win32 {

// The core's canvas on a window's back buffer at a whole `ratio` of buffer
// pixels to the logical pixel. It draws what it is told and nothing more:
// the walk over a window, its layout and colours live in the core
// (forms/form_painting.h), the scale policy too (forms/paint_scale.h).
// GDI fills and draws the texts; pictures are copied into the buffer's
// pixels, each pixel an exact square.
class GdiCanvas : public Canvas {
public:
    GdiCanvas(BackBuffer& buffer, int ratio, GdiFonts& fonts);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    [[nodiscard]] Color dialogColor() override;
    void fillRect(const PixelRect& area, Color colour) override;
    void drawPicture(const PixelImage& pixels, Point at, const PixelRect& clip) override;
    [[nodiscard]] double lineHeight(const Font& font) override;
    [[nodiscard]] double textWidth(const Font& font, std::string_view text) override;
    void drawText(const Font& font, std::string_view text, double x, double y,
                  const PixelRect& clip, Color colour) override;

private:
    // Selects the font into the buffer's DC when it is not already.
    void use(const Font& font);
    [[nodiscard]] RECT device(const PixelRect& logical) const;

    BackBuffer& buffer_;
    int ratio_;
    GdiFonts& fonts_;
    std::optional<Font> font_;
    HGDIOBJ previousFont_ = nullptr;
};

}  // namespace forms::win32
