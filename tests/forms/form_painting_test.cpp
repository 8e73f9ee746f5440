// The one painting every backend draws: the calls a window makes on a
// canvas, recorded, for the whole window and for a part of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "forms/form_painting.h"
#include "forms/paint_scale.h"
#include "forms/recording_canvas.h"
#include "tests/painting/reference_form.h"

namespace forms {

// Readable failures.
void PrintTo(const RecordingCanvas::Call& call, std::ostream* out) {
    const auto rect = [out](const PixelRect& r) {
        *out << "{" << r.left << "," << r.top << " " << r.width << "x" << r.height << "}";
    };
    if (const auto* fill = std::get_if<RecordingCanvas::Fill>(&call)) {
        *out << "fill ";
        rect(fill->area);
        *out << " #" << std::hex << fill->colour.rgb << std::dec;
    } else if (const auto* picture = std::get_if<RecordingCanvas::Picture>(&call)) {
        *out << "picture " << picture->pixels->width << "x" << picture->pixels->height << " at "
             << picture->at.x << "," << picture->at.y << " clip ";
        rect(picture->clip);
    } else if (const auto* text = std::get_if<RecordingCanvas::Text>(&call)) {
        *out << "text \"" << text->text << "\" at " << text->x << "," << text->y << " clip ";
        rect(text->clip);
    }
}

}  // namespace forms

namespace painting {
namespace {

using Call = RecordingCanvas::Call;
using Fill = RecordingCanvas::Fill;
using Drawn = RecordingCanvas::Picture;
using Text = RecordingCanvas::Text;

const PixelImage* icon() { return &pixelsOf(kIcon); }
const PixelImage* opaque() { return &pixelsOf(kOpaque); }
Text text(std::string line, double x, double y, PixelRect clip, Color colour) {
    return Text{kFont, std::move(line), x, y, clip, colour};
}

class FormPainting : public ::testing::Test {
protected:
    std::vector<Call> paint(const PixelRect& dirty) {
        RecordingCanvas canvas;
        paintForm(canvas, program.form(), dirty);
        return canvas.calls();
    }
    ReferenceProgram program;
};

// The recording canvas measures a character of an 11-pixel font 5.5 pixels
// wide and a line 13.75 high: "three" does not fit the 24 pixels of the
// wrapped label and breaks, the fourth line would start below the label.
TEST_F(FormPainting, TheWholeWindowBackToFront) {
    const std::vector<Call> want{
        Fill{{0, 0, 64, 48}, kBack},
        Drawn{opaque(), {0, 0}, {0, 0, 2, 2}},
        // The slanted line, pixel by pixel, both ends included.
        Fill{{34, 20, 1, 1}, rgb(0x8000FF)},
        Fill{{35, 21, 1, 1}, rgb(0x8000FF)},
        Fill{{36, 21, 1, 1}, rgb(0x8000FF)},
        Fill{{37, 22, 1, 1}, rgb(0x8000FF)},
        Fill{{38, 22, 1, 1}, rgb(0x8000FF)},
        Fill{{39, 23, 1, 1}, rgb(0x8000FF)},
        Fill{{40, 23, 1, 1}, rgb(0x8000FF)},
        Fill{{56, 10, 1, 31}, rgb(0x00FF00)},
        Fill{{30, 42, 31, 2}, rgb(0xFF8000)},
        // The hidden image and the button are not painted; the icon is
        // cut to its rectangle.
        Drawn{opaque(), {50, 20}, {50, 20, 2, 2}},
        Drawn{icon(), {48, 4}, {48, 4, 2, 2}},
        text("one", 11.5, 16, {4, 16, 24, 30}, rgb(0xFFFFFF)),
        text("two", 11.5, 29.75, {4, 16, 24, 30}, rgb(0xFFFFFF)),
        text("thre", 6, 43.5, {4, 16, 24, 30}, rgb(0xFFFFFF)),
        text("Hi", 18.5, 4, {4, 4, 40, 10}, rgb(0xFFFF00)),
    };
    EXPECT_EQ(paint({0, 0, 64, 48}), want);
}

TEST_F(FormPainting, APartOfTheWindowOnlyWhatMeetsIt) {
    const std::vector<Call> want{
        Fill{{40, 0, 24, 24}, kBack},
        Fill{{40, 23, 1, 1}, rgb(0x8000FF)},
        Fill{{56, 10, 1, 14}, rgb(0x00FF00)},
        Drawn{opaque(), {50, 20}, {50, 20, 2, 2}},
        Drawn{icon(), {48, 4}, {48, 4, 2, 2}},
        // Laid out as in the whole window, clipped to the part.
        text("Hi", 18.5, 4, {40, 4, 4, 10}, rgb(0xFFFF00)),
    };
    EXPECT_EQ(paint({40, 0, 24, 24}), want);
    EXPECT_TRUE(paint({10, 10, 0, 5}).empty());
}

TEST_F(FormPainting, WhatChangedIsPaintedAsItIsNow) {
    program.form().get<Image>("hidden").setVisible(true);
    program.form().get<Image>("icon").setVisible(false);
    program.form().get<Label>("centred").setCaption("");
    const std::vector<Call> want{
        Fill{{36, 28, 12, 8}, kBack},
        Drawn{icon(), {40, 30}, {40, 30, 3, 2}},
    };
    EXPECT_EQ(paint({36, 28, 12, 8}), want);
    // An empty caption draws no text.
    for (const Call& call : paint({0, 0, 64, 16})) EXPECT_FALSE(std::holds_alternative<Text>(call));
}

TEST(FormPaintingDefaults, AWindowWithoutABackColourTakesTheDialogColour) {
    ReferenceProgram program(std::nullopt);
    RecordingCanvas canvas(rgb(0xD4D0C8));
    paintForm(canvas, program.form(), {0, 0, 8, 8});
    ASSERT_FALSE(canvas.calls().empty());
    EXPECT_EQ(canvas.calls().front(), Call(Fill{{0, 0, 8, 8}, rgb(0xD4D0C8)}));
}

TEST(LinePixelRects, ASlantedLineIsConnectedFromEndToEndAndAsThickAsDrawn) {
    ReferenceProgram program;
    for (const Point to : {Point{tw(9), tw(2)}, Point{tw(-3), tw(7)}, Point{tw(2), tw(-8)}}) {
        const LineDesign d{.x1 = tw(1), .y1 = tw(1), .x2 = to.x, .y2 = to.y, .borderWidth = 3};
        const Line line(program.form(), d);
        const auto squares = linePixelRects(line);
        const int dx = to.x / kTwipsPerPixel - 1;
        const int dy = to.y / kTwipsPerPixel - 1;
        ASSERT_EQ(squares.size(), static_cast<size_t>(std::max(std::abs(dx), std::abs(dy)) + 1));
        // Centred on the ends: a 3-pixel pen one pixel either side.
        EXPECT_EQ(squares.front(), (PixelRect{0, 0, 3, 3}));
        EXPECT_EQ(squares.back(), (PixelRect{dx, dy, 3, 3}));
        for (size_t i = 1; i < squares.size(); ++i) {
            EXPECT_LE(std::abs(squares[i].left - squares[i - 1].left), 1);
            EXPECT_LE(std::abs(squares[i].top - squares[i - 1].top), 1);
        }
    }
}

TEST(PaintScale, WholeRatiosPaintDirectlyFractionalOnesAtTheNextWholeOne) {
    EXPECT_TRUE(isWholeRatio(2.0));
    EXPECT_TRUE(isWholeRatio(1.0000001));
    EXPECT_FALSE(isWholeRatio(1.25));
    EXPECT_EQ(paintRatioFor(1.0), 1);
    EXPECT_EQ(paintRatioFor(1.25), 2);
    EXPECT_EQ(paintRatioFor(1.5), 2);
    EXPECT_EQ(paintRatioFor(2.0000001), 2);
    EXPECT_EQ(paintRatioFor(2.5), 3);
    // Below 96 dpi a window still paints each pixel whole.
    EXPECT_EQ(paintRatioFor(0.75), 1);
    EXPECT_EQ(devicePixels(15, 1.5), 23);
    EXPECT_EQ(devicePixels(64, 1.25), 80);
}

TEST(FontPixelSize, PointsAt96DotsPerInchRounded) {
    EXPECT_EQ(fontPixelSize({"Arial", 8.25, false}), 11);
    EXPECT_EQ(fontPixelSize({"Arial", 20.25, true}), 27);
    EXPECT_EQ(fontPixelSize({"Arial", 6.75, false}), 9);
}

}  // namespace
}  // namespace painting
