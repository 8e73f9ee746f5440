// The canvas suite on the web backend's canvas, in the same page as the
// conformance suite: an HTML canvas of the test's own, painted at 1, 2 and
// 3 device pixels to the logical one, read back through its 2D context.
#include <emscripten.h>

#include <optional>

#include "backends/web/page.h"
#include "backends/web/web_canvas.h"
#include "tests/painting/canvas_conformance.h"

namespace painting {
namespace {

// clang-format off
// A canvas the page's painting knows as a window of that number.
EM_JS(void, test_surface_open, (int window, int width, int height), {
    var canvas = document.createElement('canvas');
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    KKWindows.windows[window] = {id : window, canvas : canvas, width : width, height : height, widgets : {}};
});
EM_JS(int, test_surface_pixel, (int window, int x, int y), {
    var data = KKWindows.windows[window].canvas.getContext('2d').getImageData(x, y, 1, 1).data;
    return (data[0] << 16) | (data[1] << 8) | data[2];
});
EM_JS(void, test_surface_close, (int window), { delete KKWindows.windows[window]; });
// clang-format on

class WebSurface : public CanvasSurface {
public:
    WebSurface(int width, int height, int ratio) : window_(nextWindow++), ratio_(ratio) {
        test_surface_open(window_, width, height);
        kk_paint_begin(window_, ratio, ratio, 0);
        canvas_.emplace(window_);
    }
    ~WebSurface() override { test_surface_close(window_); }
    WebSurface(const WebSurface&) = delete;
    WebSurface& operator=(const WebSurface&) = delete;

    forms::Canvas& canvas() override { return *canvas_; }
    int ratio() const override { return ratio_; }
    std::uint32_t pixel(int x, int y) override {
        if (canvas_) {
            canvas_.reset();
            kk_paint_end(window_);
        }
        return static_cast<std::uint32_t>(test_surface_pixel(window_, x, y));
    }

private:
    static inline int nextWindow = 1000;  // beyond the windows of the other suite
    int window_;
    int ratio_;
    std::optional<forms::web::WebCanvas> canvas_;
};

CanvasBackend webAt(int ratio) {
    return {"Web" + std::to_string(ratio) + "x", [ratio](int width, int height) {
                return std::make_unique<WebSurface>(width, height, ratio);
            }};
}

INSTANTIATE_TEST_SUITE_P(Web, CanvasConformance, ::testing::Values(webAt(1), webAt(2), webAt(3)),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace painting
