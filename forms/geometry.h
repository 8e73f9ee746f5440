#pragma once

#include <cstdint>

namespace forms {

// Positions and sizes are in twips: 1/1440 inch, 15 to the pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips) { return twips / kTwipsPerPixel; }

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// A rectangle in twips; it holds the points with left <= x < left + width
// and top <= y < top + height.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] constexpr bool contains(Point p) const {
        return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
    }
    [[nodiscard]] constexpr Point topLeft() const { return {left, top}; }
    [[nodiscard]] constexpr Point centre() const { return {left + width / 2, top + height / 2}; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// A colour written as 0xRRGGBB, as the window tables give it.
struct Color {
    std::uint32_t rgb = 0;

    [[nodiscard]] constexpr int red() const { return static_cast<int>((rgb >> 16) & 0xFF); }
    [[nodiscard]] constexpr int green() const { return static_cast<int>((rgb >> 8) & 0xFF); }
    [[nodiscard]] constexpr int blue() const { return static_cast<int>(rgb & 0xFF); }
    friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color rgb(std::uint32_t value) { return Color{value}; }

}  // namespace forms
