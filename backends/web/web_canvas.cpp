#include "backends/web/web_canvas.h"

#include "backends/web/css_font.h"
#include "backends/web/page.h"
#include "forms/pixel_image.h"

namespace forms::web {

Color WebCanvas::dialogColor() { return rgb(static_cast<std::uint32_t>(kk_dialog_colour())); }

void WebCanvas::fillRect(const PixelRect& area, Color colour) {
    kk_fill(window_, area.left, area.top, area.width, area.height, static_cast<int>(colour.rgb));
}

void WebCanvas::drawPicture(const PixelImage& pixels, Point at, const PixelRect& clip) {
    if (pixels.isEmpty()) return;
    kk_picture(window_, pixels.pixels.data(), pixels.width, pixels.height, at.x, at.y, clip.left,
               clip.top, clip.width, clip.height);
}

const std::string& WebCanvas::css(const Font& font) {
    if (css_.empty() || font != font_) {
        font_ = font;
        css_ = cssFontOf(font);
    }
    return css_;
}

double WebCanvas::lineHeight(const Font& font) { return kk_line_height(css(font).c_str()); }

double WebCanvas::textWidth(const Font& font, std::string_view text) {
    return kk_text_width(css(font).c_str(), text.data(), static_cast<int>(text.size()));
}

void WebCanvas::drawText(const Font& font, std::string_view text, double x, double y,
                         const PixelRect& clip, Color colour) {
    kk_text(window_, css(font).c_str(), text.data(), static_cast<int>(text.size()), x, y, clip.left,
            clip.top, clip.width, clip.height, static_cast<int>(colour.rgb));
}

}  // namespace forms::web
