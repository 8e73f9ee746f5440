// The canvas suite on the Win32 backend's canvas, on a back buffer at one,
// two and three buffer pixels to the logical pixel.
#include <optional>
#include <string>

#include "backends/win32/back_buffer.h"
#include "backends/win32/gdi_canvas.h"
#include "backends/win32/gdi_fonts.h"
#include "tests/painting/canvas_conformance.h"

namespace painting {
namespace {

class GdiSurface : public CanvasSurface {
public:
    GdiSurface(int width, int height, int ratio)
        : ratio_(ratio), buffer_(width * ratio, height * ratio) {
        canvas_.emplace(buffer_, ratio_, fonts_);
    }
    forms::Canvas& canvas() override { return *canvas_; }
    int ratio() const override { return ratio_; }
    std::uint32_t pixel(int x, int y) override {
        canvas_.reset();
        return buffer_.row(y)[x] & 0xFFFFFF;
    }

private:
    int ratio_;
    forms::win32::GdiFonts fonts_;
    forms::win32::BackBuffer buffer_;
    std::optional<forms::win32::GdiCanvas> canvas_;
};

CanvasBackend gdiAt(int ratio) {
    return {"Gdi" + std::to_string(ratio) + "x", [ratio](int width, int height) {
                return std::make_unique<GdiSurface>(width, height, ratio);
            }};
}

INSTANTIATE_TEST_SUITE_P(Win32, CanvasConformance, ::testing::Values(gdiAt(1), gdiAt(2), gdiAt(3)),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace painting
