#pragma once

#include <QImage>

#include "forms/pixel_image.h"

namespace forms::qt {

// A picture's pixels as a Qt image: ARGB32 for an icon with its mask, RGB32
// for an opaque picture. The image shares the pixels, which live as long as
// the program (forms/picture_pixels.h).
QImage imageOf(const PixelImage& pixels);

}  // namespace forms::qt
