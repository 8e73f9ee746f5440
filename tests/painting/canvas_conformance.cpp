// The canvas suite (canvas_conformance.h): each case draws on the backend's
// canvas and, at the same time, on a model of logical pixels that knows
// the rules, then compares every device pixel with the model.

#include "tests/painting/canvas_conformance.h"

#include <cmath>
#include <vector>

#include "forms/form_painting.h"
#include "forms/pixel_image.h"
#include "tests/painting/reference_form.h"

namespace painting {
namespace {

// A line of text as drawn, with the backend's own measures.
struct DrawnText {
    double left, top, right, bottom;
    PixelRect clip;
};

// Draws on the backend's canvas and paints fills and pictures into a grid
// of logical pixels by the rules: the pixels the backend must show.
class ModelCanvas : public Canvas {
public:
    ModelCanvas(Canvas& backend, int width, int height)
        : backend_(backend),
          width_(width),
          height_(height),
          pixels_(static_cast<size_t>(width) * height, 0) {}

    [[nodiscard]] std::uint32_t at(int x, int y) const {
        return pixels_[static_cast<size_t>(y) * width_ + x];
    }
    [[nodiscard]] const std::vector<DrawnText>& texts() const { return texts_; }

    Color dialogColor() override { return backend_.dialogColor(); }
    void fillRect(const PixelRect& area, Color colour) override {
        backend_.fillRect(area, colour);
        for (int y = area.top; y < area.top + area.height; ++y)
            for (int x = area.left; x < area.left + area.width; ++x) set(x, y, colour.rgb);
    }
    void drawPicture(const PixelImage& image, Point at, const PixelRect& clip) override {
        backend_.drawPicture(image, at, clip);
        for (int y = clip.top; y < clip.top + clip.height; ++y)
            for (int x = clip.left; x < clip.left + clip.width; ++x) {
                const int px = x - at.x;
                const int py = y - at.y;
                if (px < 0 || py < 0 || px >= image.width || py >= image.height) continue;
                if (image.masked && !image.isOpaque(px, py)) continue;
                set(x, y, image.pixel(px, py) & 0xFFFFFF);
            }
    }
    double lineHeight(const Font& font) override { return backend_.lineHeight(font); }
    double textWidth(const Font& font, std::string_view text) override {
        return backend_.textWidth(font, text);
    }
    void drawText(const Font& font, std::string_view text, double x, double y,
                  const PixelRect& clip, Color colour) override {
        backend_.drawText(font, text, x, y, clip, colour);
        texts_.push_back({x, y, x + textWidth(font, text), y + lineHeight(font), clip});
    }

private:
    void set(int x, int y, std::uint32_t rgb) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            pixels_[static_cast<size_t>(y) * width_ + x] = rgb;
    }

    Canvas& backend_;
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    std::vector<DrawnText> texts_;
};

bool contains(const PixelRect& r, double x, double y) {
    return x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height;
}

// Every device pixel against the model: exact outside the texts' clips;
// inside one, a pixel the text changed lies in a text's box (a pixel of
// slack around it for the glyphs' edges), and every text wholly inside its
// clip changed some.
void expectAsModelled(CanvasSurface& surface, const ModelCanvas& model, int width, int height) {
    const int r = surface.ratio();
    std::vector<int> changedBy(model.texts().size(), 0);
    int wrong = 0;
    for (int y = 0; y < height * r; ++y)
        for (int x = 0; x < width * r; ++x) {
            const std::uint32_t got = surface.pixel(x, y);
            const std::uint32_t want = model.at(x / r, y / r);
            if (got == want) continue;
            // The device pixel's centre, in logical pixels.
            const double lx = (x + 0.5) / r;
            const double ly = (y + 0.5) / r;
            bool placed = false;
            for (size_t i = 0; i < model.texts().size(); ++i) {
                const DrawnText& t = model.texts()[i];
                if (!contains(t.clip, lx, ly)) continue;
                if (lx >= t.left - 1 && lx < t.right + 1 && ly >= t.top - 1 && ly < t.bottom + 1) {
                    ++changedBy[i];
                    placed = true;
                }
            }
            if (!placed && ++wrong <= 5)
                ADD_FAILURE() << "device pixel " << x << "," << y << ": " << std::hex << got
                              << " where the calls give " << want << std::dec;
        }
    EXPECT_EQ(wrong, 0) << "pixels the calls do not give";
    for (size_t i = 0; i < changedBy.size(); ++i) {
        const DrawnText& t = model.texts()[i];
        const bool wholeInClip = t.left >= t.clip.left && t.top >= t.clip.top &&
                                 t.right <= t.clip.left + t.clip.width &&
                                 t.bottom <= t.clip.top + t.clip.height;
        if (wholeInClip) {
            EXPECT_GT(changedBy[i], 0) << "text " << i << " drew nothing in its place";
        }
    }
}

constexpr Color kPaper = rgb(0x123456);

TEST_P(CanvasConformance, FillsEveryPixelOfARectangleAndNoOther) {
    constexpr int kWidth = 16;
    constexpr int kHeight = 12;
    const auto surface = GetParam().make(kWidth, kHeight);
    ModelCanvas model(surface->canvas(), kWidth, kHeight);
    model.fillRect({0, 0, kWidth, kHeight}, kPaper);
    model.fillRect({3, 2, 5, 4}, rgb(0xFF8000));
    model.fillRect({15, 11, 1, 1}, rgb(0xFFFFFF));
    model.fillRect({0, 7, kWidth, 2}, rgb(0x000001));
    expectAsModelled(*surface, model, kWidth, kHeight);
}

TEST_P(CanvasConformance, DrawsAPicturesPixelsAsSquaresKeepingClearOnesAndItsClip) {
    constexpr int kWidth = 16;
    constexpr int kHeight = 8;
    const PixelImage icon{3, 2, true, {0xFFFF0000, 0, 0xFF0000FF, 0xFFFFFF00, 0, 0xFF00FF00}};
    const PixelImage opaque{2, 2, false, {0xFF0A141E, 0xFF0F1923, 0xFF0B1621, 0xFF101B26}};
    const auto surface = GetParam().make(kWidth, kHeight);
    ModelCanvas model(surface->canvas(), kWidth, kHeight);
    model.fillRect({0, 0, kWidth, kHeight}, kPaper);
    model.drawPicture(icon, {1, 1}, {1, 1, 3, 2});
    // Cut: the third column, then the top row.
    model.drawPicture(icon, {5, 1}, {5, 1, 2, 2});
    model.drawPicture(icon, {9, 1}, {9, 2, 3, 1});
    model.drawPicture(opaque, {13, 5}, {13, 5, 2, 2});
    // Over another picture: its clear pixels show the first.
    model.drawPicture(opaque, {1, 5}, {1, 5, 2, 2});
    model.drawPicture(icon, {0, 5}, {0, 5, 3, 2});
    expectAsModelled(*surface, model, kWidth, kHeight);
}

TEST_P(CanvasConformance, TheReferenceWindowComesOutAsItsCalls) {
    constexpr int kWidth = 64;
    constexpr int kHeight = 48;
    ReferenceProgram program;
    for (const PixelRect dirty :
         {PixelRect{0, 0, kWidth, kHeight}, PixelRect{40, 0, 24, 24}, PixelRect{8, 20, 30, 20}}) {
        const auto surface = GetParam().make(kWidth, kHeight);
        ModelCanvas model(surface->canvas(), kWidth, kHeight);
        // What lies outside the dirty area stays.
        model.fillRect({0, 0, kWidth, kHeight}, kPaper);
        paintForm(model, program.form(), dirty);
        expectAsModelled(*surface, model, kWidth, kHeight);
    }
}

TEST_P(CanvasConformance, MeasuresTextAsItDrawsIt) {
    const auto surface = GetParam().make(8, 8);
    Canvas& canvas = surface->canvas();
    const double line = canvas.lineHeight(kFont);
    EXPECT_GT(line, 8);
    EXPECT_LT(line, 20);
    EXPECT_DOUBLE_EQ(canvas.textWidth(kFont, ""), 0);
    const double one = canvas.textWidth(kFont, "one");
    EXPECT_GT(one, 0);
    EXPECT_GT(canvas.textWidth(kFont, "one two"), one);
    // A bold font of the same size is another font.
    EXPECT_GE(canvas.textWidth(Font{"Arial", 8.25, true}, "one two"),
              canvas.textWidth(kFont, "one two"));
}

}  // namespace
}  // namespace painting
