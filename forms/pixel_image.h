#pragma once

#include <cstdint>
#include <vector>

namespace forms {

// A picture as pixels, in a form every backend can take: rows from the top,
// each pixel a 32-bit 0xAARRGGBB word (in memory on a little-endian machine:
// blue, green, red, alpha). An image with a mask is an icon's: each of its
// pixels is wholly opaque or wholly clear, and a clear pixel is 0, so the
// words read the same as straight or as premultiplied alpha. An image
// without a mask is opaque throughout.
struct PixelImage {
    int width = 0;
    int height = 0;
    bool masked = false;
    std::vector<std::uint32_t> pixels;  // width * height words

    [[nodiscard]] bool isEmpty() const { return pixels.empty(); }
    [[nodiscard]] std::uint32_t pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    // Whether the pixel belongs to the picture: the one-bit mask.
    [[nodiscard]] bool isOpaque(int x, int y) const { return (pixel(x, y) >> 24) != 0; }
};

}  // namespace forms
