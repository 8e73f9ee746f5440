#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "forms/font.h"

namespace forms::win32 {

// The GDI fonts of the windows, made once per font and size and kept for
// the program's life.
class GdiFonts {
public:
    GdiFonts() = default;
    ~GdiFonts();
    GdiFonts(const GdiFonts&) = delete;
    GdiFonts& operator=(const GdiFonts&) = delete;

    // A font as the windows name it, its points taken at 96 dpi and its
    // pixels then multiplied by `ratio`, as the Qt program sizes its fonts.
    HFONT get(const Font& font, double ratio);

private:
    std::map<std::tuple<std::string, double, bool, double>, HFONT> fonts_;
};

}  // namespace forms::win32
