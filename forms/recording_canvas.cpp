#include "forms/recording_canvas.h"

#include <algorithm>

namespace forms {

void RecordingCanvas::fillRect(const PixelRect& area, Color colour) {
    calls_.emplace_back(Fill{area, colour});
}

void RecordingCanvas::drawPicture(const PixelImage& pixels, Point at, const PixelRect& clip) {
    calls_.emplace_back(Picture{&pixels, at, clip});
}

double RecordingCanvas::lineHeight(const Font& font) { return fontPixelSize(font) * 1.25; }

double RecordingCanvas::textWidth(const Font& font, std::string_view text) {
    // UTF-8: every byte but a continuation byte starts a character.
    const auto characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return static_cast<double>(characters) * fontPixelSize(font) / 2.0;
}

void RecordingCanvas::drawText(const Font& font, std::string_view text, double x, double y,
                               const PixelRect& clip, Color colour) {
    calls_.emplace_back(Text{font, std::string(text), x, y, clip, colour});
}

void RecordingCanvas::replay(const std::vector<Call>& calls, Canvas& canvas) {
    for (const Call& call : calls) {
        if (const auto* fill = std::get_if<Fill>(&call)) {
            canvas.fillRect(fill->area, fill->colour);
        } else if (const auto* picture = std::get_if<Picture>(&call)) {
            canvas.drawPicture(*picture->pixels, picture->at, picture->clip);
        } else if (const auto* text = std::get_if<Text>(&call)) {
            canvas.drawText(text->font, text->text, text->x, text->y, text->clip, text->colour);
        }
    }
}

}  // namespace forms
