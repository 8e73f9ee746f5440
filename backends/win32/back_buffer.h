#pragma once

#include <windows.h>

#include <cstdint>

namespace forms::win32 {

// A window's picture in memory: a 32-bit top-down DIB selected into a
// memory DC, so that GDI draws the texts and lines and the pictures are
// copied into its pixels directly. Call GdiFlush() between the two.
class BackBuffer {
public:
    BackBuffer(int width, int height);
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    [[nodiscard]] HDC dc() const { return dc_; }
    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }
    // The pixel at (x, y), 0x00RRGGBB.
    [[nodiscard]] std::uint32_t* row(int y) const {
        return bits_ + static_cast<size_t>(y) * width_;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

}  // namespace forms::win32
