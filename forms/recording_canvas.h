#pragma once

#include <string>
#include <variant>
#include <vector>

#include "forms/canvas.h"

namespace forms {

// A canvas that keeps the calls it gets instead of drawing: what the core's
// painting asks of any backend, for tests and for a backend with nothing to
// draw on. Its text measures are plain: every character (code point) half
// the font's pixel size wide, a line the pixel size plus a quarter high.
class RecordingCanvas : public Canvas {
public:
    struct Fill {
        PixelRect area;
        Color colour;
        friend bool operator==(const Fill&, const Fill&) = default;
    };
    struct Picture {
        const PixelImage* pixels = nullptr;
        Point at;
        PixelRect clip;
        friend bool operator==(const Picture&, const Picture&) = default;
    };
    struct Text {
        Font font;
        std::string text;
        double x = 0;
        double y = 0;
        PixelRect clip;
        Color colour;
        friend bool operator==(const Text&, const Text&) = default;
    };
    using Call = std::variant<Fill, Picture, Text>;

    explicit RecordingCanvas(Color dialogColor = rgb(0xC0C0C0)) : dialogColor_(dialogColor) {}

    // The calls so far, first to last.
    [[nodiscard]] const std::vector<Call>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

    [[nodiscard]] Color dialogColor() override { return dialogColor_; }
    void fillRect(const PixelRect& area, Color colour) override;
    void drawPicture(const PixelImage& pixels, Point at, const PixelRect& clip) override;
    [[nodiscard]] double lineHeight(const Font& font) override;
    [[nodiscard]] double textWidth(const Font& font, std::string_view text) override;
    void drawText(const Font& font, std::string_view text, double x, double y,
                  const PixelRect& clip, Color colour) override;

    // Draws the calls on another canvas, in their order.
    static void replay(const std::vector<Call>& calls, Canvas& canvas);

private:
    Color dialogColor_;
    std::vector<Call> calls_;
};

}  // namespace forms
