#include "backends/web/css_font.h"

#include "forms/pixels.h"

namespace forms::web {

std::string cssFontOf(const Font& font) {
    return std::string(font.bold ? "bold " : "") + std::to_string(fontPixelSize(font)) + "px \"" +
           kPageFontFamily + "\", sans-serif";
}

}  // namespace forms::web
