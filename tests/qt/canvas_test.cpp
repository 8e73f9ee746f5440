// The canvas suite on the Qt backend's canvas, at the ratio the run gives
// (a fractional one paints at the next whole ratio).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <optional>

#include "backends/qt/qt_canvas.h"
#include "forms/paint_scale.h"
#include "tests/painting/canvas_conformance.h"

namespace painting {
namespace {

class QtSurface : public CanvasSurface {
public:
    QtSurface(int width, int height)
        : ratio_(forms::paintRatioFor(qApp->devicePixelRatio())),
          image_(width * ratio_, height * ratio_, QImage::Format_RGB32) {
        image_.setDevicePixelRatio(ratio_);
        painter_.emplace(&image_);
        canvas_.emplace(*painter_);
    }
    forms::Canvas& canvas() override { return *canvas_; }
    int ratio() const override { return ratio_; }
    std::uint32_t pixel(int x, int y) override {
        canvas_.reset();
        painter_.reset();
        return image_.pixel(x, y) & 0xFFFFFF;
    }

private:
    int ratio_;
    QImage image_;
    std::optional<QPainter> painter_;
    std::optional<forms::qt::QtCanvas> canvas_;
};

INSTANTIATE_TEST_SUITE_P(
    Qt, CanvasConformance,
    ::testing::Values(CanvasBackend{
        "Qt", [](int width, int height) { return std::make_unique<QtSurface>(width, height); }}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace painting
