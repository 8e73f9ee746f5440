#pragma once

#include <QFont>
#include <QFontMetricsF>

#include <optional>

#include "forms/canvas.h"

class QPainter;

namespace forms::qt {

// The core's canvas on a QPainter. It draws what it is told and nothing
// more: the walk over a window, its layout and colours live in the core
// (forms/form_painting.h), the scale policy too (forms/paint_scale.h).
// Pictures are drawn as pixmaps, scaled nearest-neighbour by the painter's
// device pixel ratio.
class QtCanvas : public Canvas {
public:
    // The painter's state (clip, font, pen) is the canvas's until it goes,
    // which gives the painter back as it was.
    explicit QtCanvas(QPainter& painter);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    [[nodiscard]] Color dialogColor() override;
    void fillRect(const PixelRect& area, Color colour) override;
    void drawPicture(const PixelImage& pixels, Point at, const PixelRect& clip) override;
    [[nodiscard]] double lineHeight(const Font& font) override;
    [[nodiscard]] double textWidth(const Font& font, std::string_view text) override;
    void drawText(const Font& font, std::string_view text, double x, double y,
                  const PixelRect& clip, Color colour) override;

private:
    struct FontInUse {
        Font font;
        QFont qfont;
        QFontMetricsF metrics;
    };
    // The font and its measures, made again only when the font changes.
    const FontInUse& use(const Font& font);
    // The painter clips to `clip`, or not at all.
    void clipTo(const PixelRect* clip);

    QPainter& painter_;
    std::optional<FontInUse> font_;
};

}  // namespace forms::qt
