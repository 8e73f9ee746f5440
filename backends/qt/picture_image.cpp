#include "backends/qt/picture_image.h"

namespace forms::qt {

// Both formats store a pixel as the 32-bit word 0xAARRGGBB, as PixelImage does.
QImage imageOf(const PixelImage& pixels) {
    if (pixels.isEmpty()) return {};
    return QImage(reinterpret_cast<const uchar*>(pixels.pixels.data()), pixels.width, pixels.height,
                  static_cast<qsizetype>(pixels.width) * 4,
                  pixels.masked ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

}  // namespace forms::qt
