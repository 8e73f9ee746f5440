#include "backends/win32/gdi_fonts.h"

#include <cmath>

#include "backends/win32/text.h"
#include "forms/pixels.h"

namespace forms::win32 {

GdiFonts::~GdiFonts() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT GdiFonts::get(const Font& font, double ratio) {
    const auto key = std::make_tuple(font.name, font.sizePoints, font.bold, ratio);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    const int pixels = fontPixelSize(font);
    LOGFONTW logFont{};
    // Negative: the height of the characters, not of the cell.
    logFont.lfHeight = -static_cast<LONG>(std::lround(static_cast<double>(pixels) * ratio));
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = wide(font.name);
    face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectW(&logFont);
    fonts_.emplace(key, made);
    return made;
}

}  // namespace forms::win32
