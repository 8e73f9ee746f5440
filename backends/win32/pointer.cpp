#include "backends/win32/pointer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "forms/picture_pixels.h"

namespace forms::win32 {

namespace {

// An icon or pointer from a picture's pixels, each a `scale` square, with a
// one-bit mask of its clear pixels.
HICON iconFromPixels(const Picture& picture, int scale, bool pointer) {
    const PixelImage& pixels = pixelsOf(picture);
    if (pixels.isEmpty()) return nullptr;
    const int width = pixels.width * scale;
    const int height = pixels.height * scale;

    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = width;
    header.bV5Height = -height;  // top-down
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (colour == nullptr) return nullptr;

    // The AND mask: a set bit lets the screen show through.
    const int maskStride = ((width + 15) / 16) * 2;
    std::vector<std::uint8_t> mask(static_cast<size_t>(maskStride) * height, 0);
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t argb =
                pixels.pixels[static_cast<size_t>(y / scale) * pixels.width + x / scale];
            // One-bit transparency, and premultiplied where opaque.
            if ((argb >> 24) < 0x80) {
                argb = 0;
                mask[static_cast<size_t>(y) * maskStride + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
            } else {
                argb |= 0xFF000000;
            }
            out[static_cast<size_t>(y) * width + x] = argb;
        }
    }
    HBITMAP maskBitmap = CreateBitmap(width, height, 1, 1, mask.data());

    ICONINFO info{};
    info.fIcon = pointer ? FALSE : TRUE;
    info.xHotspot = static_cast<DWORD>(picture.source().hotSpotX * scale);
    info.yHotspot = static_cast<DWORD>(picture.source().hotSpotY * scale);
    info.hbmMask = maskBitmap;
    info.hbmColor = colour;
    HICON made = CreateIconIndirect(&info);
    DeleteObject(maskBitmap);
    DeleteObject(colour);
    return made;
}

}  // namespace

HCURSOR pointerOf(const Picture& picture, double ratio) {
    return iconFromPixels(picture, std::max(1, static_cast<int>(std::lround(ratio))), true);
}

HICON iconOf(const Picture& picture) { return iconFromPixels(picture, 1, false); }

}  // namespace forms::win32
