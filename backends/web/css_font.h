#pragma once

#include <string>

#include "forms/font.h"

namespace forms::web {

// The family the page embeds for every font the windows name: Liberation
// Sans, metric-compatible with Arial and standing in for the classic dialog
// font, as on the Linux desktop.
inline constexpr const char* kPageFontFamily = "Liberation Sans";

// A font as a CSS font shorthand for the page's canvases and controls, at
// the pixel size every backend uses (forms/pixels.h: fontPixelSize).
std::string cssFontOf(const Font& font);

}  // namespace forms::web
