#include "backends/win32/form_painter.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "backends/win32/dpi.h"
#include "backends/win32/text.h"
#include "forms/picture_pixels.h"
#include "forms/pixels.h"
#include "forms/text_layout.h"

namespace forms::win32 {
namespace {

COLORREF colorRef(Color c) { return RGB(c.red(), c.green(), c.blue()); }

RECT times(const RECT& r, int ratio) {
    return {r.left * ratio, r.top * ratio, r.right * ratio, r.bottom * ratio};
}

RECT intersection(const RECT& a, const RECT& b) {
    RECT out{};
    IntersectRect(&out, &a, &b);
    return out;
}

void fill(HDC dc, const RECT& area, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// Copies a picture's pixels with the top-left corner at `x0`, `y0`, each
// one a `ratio` square, inside `clip` (buffer pixels); clear pixels leave
// what lies behind.
void drawPicture(BackBuffer& buffer, const Picture& picture, int x0, int y0, int ratio,
                 const RECT& clip) {
    const PixelImage& pixels = pixelsOf(picture);
    if (pixels.isEmpty()) return;
    GdiFlush();
    const int left = std::max<int>({x0, clip.left, 0});
    const int top = std::max<int>({y0, clip.top, 0});
    const int right = std::min<int>({x0 + pixels.width * ratio, clip.right, buffer.width()});
    const int bottom = std::min<int>({y0 + pixels.height * ratio, clip.bottom, buffer.height()});
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* source =
            pixels.pixels.data() + static_cast<size_t>((y - y0) / ratio) * pixels.width;
        std::uint32_t* target = buffer.row(y);
        for (int x = left; x < right; ++x) {
            const std::uint32_t argb = source[(x - x0) / ratio];
            const std::uint32_t alpha = argb >> 24;
            if (alpha == 0xFF) {
                target[x] = argb & 0xFFFFFF;
            } else if (alpha != 0) {
                const std::uint32_t back = target[x];
                std::uint32_t mixed = 0;
                for (int shift = 0; shift < 24; shift += 8) {
                    const std::uint32_t f = (argb >> shift) & 0xFF;
                    const std::uint32_t b = (back >> shift) & 0xFF;
                    mixed |= ((f * alpha + b * (255 - alpha) + 127) / 255) << shift;
                }
                target[x] = mixed;
            }
        }
    }
}

void paintLabel(HDC dc, const Label& label, int ratio, const RECT& clip, GdiFonts& fonts) {
    const RECT area = times(pixelRectOf(label.bounds()), ratio);
    SelectObject(dc, fonts.get(label.font(), ratio));
    const auto measure = [dc](std::string_view text) {
        const std::wstring w = wide(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
        return static_cast<double>(size.cx);
    };
    const auto lines = wrapText(label.caption(), area.right - area.left, measure);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int saved = SaveDC(dc);
    const RECT visible = intersection(area, clip);
    IntersectClipRect(dc, visible.left, visible.top, visible.right, visible.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    SetTextColor(dc, colorRef(label.foreColor()));
    int y = area.top;
    for (const std::string& line : lines) {
        const std::wstring w = wide(line);
        const int width = static_cast<int>(measure(line));
        int x = area.left;
        if (label.alignment() == Alignment::Center) x += (area.right - area.left - width) / 2;
        if (label.alignment() == Alignment::Right) x += area.right - area.left - width;
        TextOutW(dc, x, y, w.c_str(), static_cast<int>(w.size()));
        y += metrics.tmHeight;
        if (y >= area.bottom) break;
    }
    RestoreDC(dc, saved);
}

void paintLine(HDC dc, const Line& line, int ratio) {
    const COLORREF colour = colorRef(line.color());
    const LinePixels pixels = linePixels(line);
    if (pixels.straight) {
        const PixelRect& r = pixels.fill;
        fill(dc, times({r.left, r.top, r.left + r.width, r.top + r.height}, ratio), colour);
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, pixels.width * ratio, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, pixels.from.x * ratio, pixels.from.y * ratio, nullptr);
    LineTo(dc, pixels.to.x * ratio, pixels.to.y * ratio);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

}  // namespace

void paintForm(BackBuffer& buffer, const Form& form, const RECT& dirty, int ratio,
               GdiFonts& fonts) {
    HDC dc = buffer.dc();
    const RECT clip = times(dirty, ratio);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    const auto& design = form.design();
    fill(dc, clip, design.backColor ? colorRef(*design.backColor) : GetSysColor(COLOR_BTNFACE));
    if (!form.picture().isEmpty()) drawPicture(buffer, form.picture(), 0, 0, ratio, clip);

    const auto& controls = form.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const Control& control = **it;
        if (!control.visible() || !control.isWindowless()) continue;
        const RECT area = times(pixelRectOf(control.bounds()), ratio);
        RECT meet{};
        if (!IntersectRect(&meet, &area, &clip) && control.kind() != ControlKind::Line) continue;
        switch (control.kind()) {
            case ControlKind::Label:
                paintLabel(dc, static_cast<const Label&>(control), ratio, clip, fonts);
                break;
            case ControlKind::Image: {
                const auto& image = static_cast<const Image&>(control);
                if (!image.picture().isEmpty())
                    drawPicture(buffer, image.picture(), area.left, area.top, ratio, meet);
                break;
            }
            case ControlKind::Line:
                paintLine(dc, static_cast<const Line&>(control), ratio);
                break;
            default:
                break;
        }
    }
    GdiFlush();
    RestoreDC(dc, saved);
}

}  // namespace forms::win32
