#pragma once

// What every backend's canvas must draw, one suite for all: the backend's
// test program instantiates it with a factory of its canvas on pixels it
// can read back. Rectangles, lines and pictures must come out exactly;
// text in its place and clip (its glyphs are the font engine's).

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "forms/canvas.h"

namespace painting {

// A backend's canvas on an image the test reads back.
class CanvasSurface {
public:
    virtual ~CanvasSurface() = default;
    [[nodiscard]] virtual forms::Canvas& canvas() = 0;
    // Device pixels to the logical pixel: the whole ratio the canvas paints at.
    [[nodiscard]] virtual int ratio() const = 0;
    // Ends the drawing and gives a device pixel as 0xRRGGBB.
    [[nodiscard]] virtual std::uint32_t pixel(int x, int y) = 0;
};

struct CanvasBackend {
    std::string name;
    // A surface of `width` by `height` logical pixels.
    std::function<std::unique_ptr<CanvasSurface>(int width, int height)> make;
};

inline void PrintTo(const CanvasBackend& backend, std::ostream* out) { *out << backend.name; }

class CanvasConformance : public ::testing::TestWithParam<CanvasBackend> {};

}  // namespace painting
