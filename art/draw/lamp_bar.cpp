// The kill-o-meter's segment bar: a grey metal frame around ten lamps of two
// pixel rows each, one row of the frame's grey between two lamps, counted
// from the bottom: three green, four yellow, three red.
#include "art/draw/drawing.h"

namespace klonkatron::art::draw {
namespace {

constexpr int kWidth = 11;
constexpr int kHeight = 35;
constexpr int kLamps = 10;
constexpr int kLampLeft = 2;
constexpr int kLampWidth = 7;
constexpr int kBottomLampTop = 30;  // lamp n (1 to 10) starts 3 (n - 1) rows above

const QColor kFrame{0xA0, 0xA0, 0xA0};
const QColor kFrameLight{0xE0, 0xE0, 0xE0};
const QColor kFrameDark{0x60, 0x60, 0x60};
const QColor kRim{0x30, 0x30, 0x30};

QColor lampColour(int lamp, bool lit) {
    if (lamp <= 3) return lit ? QColor(0x00, 0xFF, 0x00) : QColor(0x00, 0x7F, 0x00);
    if (lamp <= 7) return lit ? QColor(0xFF, 0xFF, 0x00) : QColor(0x7F, 0x7F, 0x00);
    return lit ? QColor(0xFF, 0x00, 0x00) : QColor(0x7F, 0x00, 0x00);
}

}  // namespace

QImage lampBarPicture(int lit) {
    QImage bar = opaqueCanvas(kWidth, kHeight, kFrame);
    // Raised metal: light from the top left.
    for (int x = 0; x < kWidth; ++x) {
        bar.setPixelColor(x, 0, kFrameLight);
        bar.setPixelColor(x, kHeight - 1, kFrameDark);
    }
    for (int y = 0; y < kHeight; ++y) {
        bar.setPixelColor(0, y, y == kHeight - 1 ? kFrameDark : kFrameLight);
        bar.setPixelColor(kWidth - 1, y, y == 0 ? kFrameLight : kFrameDark);
    }
    // The lamps sit in a dark recess, open between them to the frame's grey.
    const int top = kBottomLampTop - 3 * (kLamps - 1);
    const int bottom = kBottomLampTop + 1;
    for (int y = top - 1; y <= bottom + 1; ++y) {
        bar.setPixelColor(kLampLeft - 1, y, kRim);
        bar.setPixelColor(kLampLeft + kLampWidth, y, kFrameLight);
    }
    for (int x = kLampLeft - 1; x <= kLampLeft + kLampWidth; ++x) {
        bar.setPixelColor(x, top - 1, kRim);
        bar.setPixelColor(x, bottom + 1, kFrameLight);
    }
    for (int lamp = 1; lamp <= kLamps; ++lamp) {
        const int y = kBottomLampTop - 3 * (lamp - 1);
        const QColor colour = lampColour(lamp, lamp <= lit);
        for (int row = y; row < y + 2; ++row)
            for (int x = kLampLeft; x < kLampLeft + kLampWidth; ++x)
                bar.setPixelColor(x, row, colour);
    }
    return bar;
}

}  // namespace klonkatron::art::draw
