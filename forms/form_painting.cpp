#include "forms/form_painting.h"

#include <string>
#include <string_view>

#include "forms/controls.h"
#include "forms/picture_pixels.h"
#include "forms/text_layout.h"

namespace forms {
namespace {

// A picture's pixels where they meet `clip`; the canvas gets the part shown.
void paintPicture(Canvas& canvas, const Picture& picture, Point at, const PixelRect& clip) {
    if (picture.isEmpty() || clip.isEmpty()) return;
    const PixelImage& pixels = pixelsOf(picture);
    const PixelRect shown = intersection(clip, {at.x, at.y, pixels.width, pixels.height});
    if (!shown.isEmpty()) canvas.drawPicture(pixels, at, shown);
}

void paintLabel(Canvas& canvas, const Label& label, const PixelRect& dirty) {
    const PixelRect area = pixelRect(label.bounds());
    const PixelRect clip = intersection(area, dirty);
    if (clip.isEmpty()) return;
    const Font& font = label.font();
    const auto measure = [&canvas, &font](std::string_view text) {
        return canvas.textWidth(font, text);
    };
    const double lineHeight = canvas.lineHeight(font);
    const int bottom = area.top + area.height;
    double y = area.top;
    for (const std::string& line : wrapText(label.caption(), area.width, measure)) {
        if (!line.empty()) {
            double x = area.left;
            if (label.alignment() == Alignment::Center) x += (area.width - measure(line)) / 2;
            if (label.alignment() == Alignment::Right) x += area.width - measure(line);
            canvas.drawText(font, line, x, y, clip, label.foreColor());
        }
        y += lineHeight;
        if (y >= bottom) break;
    }
}

void paintLine(Canvas& canvas, const Line& line, const PixelRect& dirty) {
    for (const PixelRect& pixels : linePixelRects(line)) {
        const PixelRect shown = intersection(pixels, dirty);
        if (!shown.isEmpty()) canvas.fillRect(shown, line.color());
    }
}

}  // namespace

void paintForm(Canvas& canvas, const Form& form, const PixelRect& dirty) {
    if (dirty.isEmpty()) return;
    const auto& design = form.design();
    canvas.fillRect(dirty, design.backColor ? *design.backColor : canvas.dialogColor());
    paintPicture(canvas, form.picture(), {0, 0}, dirty);

    const auto& controls = form.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const Control& control = **it;
        if (!control.visible() || !control.isWindowless()) continue;
        switch (control.kind()) {
            case ControlKind::Label:
                paintLabel(canvas, static_cast<const Label&>(control), dirty);
                break;
            case ControlKind::Image: {
                const PixelRect area = pixelRect(control.bounds());
                paintPicture(canvas, static_cast<const Image&>(control).picture(),
                             {area.left, area.top}, intersection(area, dirty));
                break;
            }
            case ControlKind::Line:
                paintLine(canvas, static_cast<const Line&>(control), dirty);
                break;
            default:
                break;
        }
    }
}

}  // namespace forms
