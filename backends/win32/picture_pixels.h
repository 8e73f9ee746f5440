#pragma once

#include <cstdint>
#include <vector>

#include "forms/picture.h"

namespace forms::win32 {

// A picture's pixels as 0xAARRGGBB, rows from the top; alpha 0 where an
// icon is clear.
struct PicturePixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// The pixels of a picture, decoded once per image; nullptr where the
// program has none for it.
const PicturePixels* picturePixelsOf(const Picture& picture);

}  // namespace forms::win32
