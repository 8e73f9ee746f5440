#include "backends/win32/gdi_canvas.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "backends/win32/text.h"
#include "forms/pixel_image.h"

namespace forms::win32 {
namespace {

COLORREF colorRef(Color c) { return RGB(c.red(), c.green(), c.blue()); }

// Logical places are whole pixels or, for texts, fractions of one that the
// ratio makes whole but for a rounding error.
int toDevice(double logical, int ratio) {
    constexpr double kHair = 1e-6;
    return static_cast<int>(std::floor(logical * ratio + kHair));
}

}  // namespace

GdiCanvas::GdiCanvas(BackBuffer& buffer, int ratio, GdiFonts& fonts)
    : buffer_(buffer), ratio_(ratio), fonts_(fonts) {}

GdiCanvas::~GdiCanvas() {
    if (previousFont_ != nullptr) SelectObject(buffer_.dc(), previousFont_);
    // The window copies the buffer with GDI next.
    GdiFlush();
}

RECT GdiCanvas::device(const PixelRect& r) const {
    return {r.left * ratio_, r.top * ratio_, (r.left + r.width) * ratio_,
            (r.top + r.height) * ratio_};
}

Color GdiCanvas::dialogColor() {
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return rgb((static_cast<std::uint32_t>(GetRValue(c)) << 16) |
               (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c));
}

void GdiCanvas::fillRect(const PixelRect& area, Color colour) {
    const RECT r = device(area);
    SetDCBrushColor(buffer_.dc(), colorRef(colour));
    FillRect(buffer_.dc(), &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::drawPicture(const PixelImage& pixels, Point at, const PixelRect& clip) {
    if (pixels.isEmpty()) return;
    // What GDI still has to draw lands first.
    GdiFlush();
    const RECT c = device(clip);
    const int x0 = at.x * ratio_;
    const int y0 = at.y * ratio_;
    const int left = std::max<int>({x0, c.left, 0});
    const int top = std::max<int>({y0, c.top, 0});
    const int right = std::min<int>({x0 + pixels.width * ratio_, c.right, buffer_.width()});
    const int bottom = std::min<int>({y0 + pixels.height * ratio_, c.bottom, buffer_.height()});
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* source =
            pixels.pixels.data() + static_cast<size_t>((y - y0) / ratio_) * pixels.width;
        std::uint32_t* target = buffer_.row(y);
        for (int x = left; x < right; ++x) {
            const std::uint32_t argb = source[(x - x0) / ratio_];
            if (pixels.masked && (argb >> 24) == 0) continue;
            target[x] = argb & 0xFFFFFF;
        }
    }
}

void GdiCanvas::use(const Font& font) {
    if (font_ && *font_ == font) return;
    HGDIOBJ previous = SelectObject(buffer_.dc(), fonts_.get(font, ratio_));
    if (previousFont_ == nullptr) previousFont_ = previous;
    font_ = font;
}

double GdiCanvas::lineHeight(const Font& font) {
    use(font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(buffer_.dc(), &metrics);
    return static_cast<double>(metrics.tmHeight) / ratio_;
}

double GdiCanvas::textWidth(const Font& font, std::string_view text) {
    use(font);
    const std::wstring w = wide(text);
    SIZE size{};
    GetTextExtentPoint32W(buffer_.dc(), w.c_str(), static_cast<int>(w.size()), &size);
    return static_cast<double>(size.cx) / ratio_;
}

void GdiCanvas::drawText(const Font& font, std::string_view text, double x, double y,
                         const PixelRect& clip, Color colour) {
    use(font);
    HDC dc = buffer_.dc();
    const int saved = SaveDC(dc);
    const RECT c = device(clip);
    IntersectClipRect(dc, c.left, c.top, c.right, c.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    SetTextColor(dc, colorRef(colour));
    const std::wstring w = wide(text);
    TextOutW(dc, toDevice(x, ratio_), toDevice(y, ratio_), w.c_str(), static_cast<int>(w.size()));
    RestoreDC(dc, saved);
}

}  // namespace forms::win32
