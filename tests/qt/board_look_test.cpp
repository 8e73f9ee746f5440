// The board as it is painted, at the scale the run gives (1x, 1.5x, 2x):
// pixels sampled where the board's tables put its controls.
#include <QPainter>
#include <QPushButton>

#include <array>
#include <set>

#include "backends/qt/qt_canvas.h"
#include "forms/form_painting.h"
#include "tests/qt/board_window.h"

namespace {

// The holes' top-left corners in window pixels, from the board's table.
constexpr std::array<QPoint, 9> kHoles{{{40, 96},
                                        {88, 96},
                                        {136, 96},
                                        {32, 128},
                                        {88, 128},
                                        {144, 128},
                                        {24, 160},
                                        {88, 160},
                                        {160, 160}}};
constexpr QPoint kTable{8, 88};

class BoardLook : public BoardWindow {
protected:
    // Equal at a whole ratio; at a fractional one the smooth scaling may
    // blend a pixel a little with its neighbours.
    void expectColour(QRgb actual, QRgb want, const char* what) const {
        const int tolerance = wholeRatio() ? 0 : 0x48;
        EXPECT_LE(std::abs(qRed(actual) - qRed(want)), tolerance) << what;
        EXPECT_LE(std::abs(qGreen(actual) - qGreen(want)), tolerance) << what;
        EXPECT_LE(std::abs(qBlue(actual) - qBlue(want)), tolerance) << what;
    }
    void hideBanner() { get<forms::Label>("pauz").setVisible(false); }
    void showAt(const char* place, const char* holder) {
        auto& image = get<forms::Image>(place);
        image.setPicture(get<forms::Image>(holder).picture());
        image.setVisible(true);
    }
};

TEST_F(BoardLook, NineHolesWithBlackCentresAndBlueRimsLieOnTheRedTable) {
    hideBanner();
    const QImage image = rendered();
    for (const QPoint hole : kHoles) {
        expectColour(at(image, hole + QPoint(16, 17)), qRgb(0, 0, 0), "the hole's centre");
        expectColour(at(image, hole + QPoint(16, 22)), qRgb(0, 0, 0xFF), "the near rim");
        expectColour(at(image, hole + QPoint(3, 16)), qRgb(0, 0, 0xFF), "the left rim");
        // Around the oval the table shows through the hole's mask.
        const QPoint beside = hole + QPoint(1, 2);
        const QRgb table = art("table").pixel(beside - kTable);
        expectColour(at(image, beside), table, "the table beside the hole");
    }
    // The table's top between two holes of the back row is dark red.
    const QRgb red = at(image, {128, 100});
    expectColour(red, art("table").pixel(QPoint(128, 100) - kTable), "the table");
    EXPECT_GT(qRed(red), 0x60);
    EXPECT_LT(qGreen(red), 0x30);
    EXPECT_LT(qBlue(red), 0x30);
}

TEST_F(BoardLook, TheLinesFrameThePanelFrontToBack) {
    if (!wholeRatio()) GTEST_SKIP() << "one-pixel lines blend at a fractional ratio";
    const QImage image = rendered();
    struct Sample {
        const char* line;
        QPoint at;
        QRgb colour;
    };
    const Sample samples[] = {
        {"Line6", {100, 240}, qRgb(0xC0, 0xC0, 0x00)},
        {"Line5", {250, 112}, qRgb(0xFF, 0xFF, 0x00)},
        {"Line8", {224, 100}, qRgb(0xFF, 0xFF, 0xC0)},
        {"Line7", {240, 72}, qRgb(0xFF, 0xFF, 0xC0)},
        {"Line4", {280, 72}, qRgb(0xFF, 0xFF, 0x80)},
        {"Line3", {320, 150}, qRgb(0xC0, 0xC0, 0x00)},
        {"Line2", {270, 216}, qRgb(0xC0, 0xC0, 0x00)},
        {"Line1", {250, 160}, qRgb(0xFF, 0xFF, 0x00)},
        {"Line10", {224, 200}, qRgb(0xFF, 0xFF, 0x80)},
        // Where two meet, the one further front is seen.
        {"Line8 over Line7, Line4 and Line10", {224, 72}, qRgb(0xFF, 0xFF, 0xC0)},
        {"Line4 over Line3", {320, 72}, qRgb(0xFF, 0xFF, 0x80)},
        {"Line6 over Line10", {224, 240}, qRgb(0xC0, 0xC0, 0x00)},
        {"Line2 over Line10", {224, 216}, qRgb(0xC0, 0xC0, 0x00)},
    };
    for (const Sample& s : samples) {
        // Every device pixel of the window pixel has the line's colour.
        for (int dy = 0; dy < qRound(ratio()); ++dy)
            for (int dx = 0; dx < qRound(ratio()); ++dx)
                EXPECT_EQ(
                    image.pixel(qRound(s.at.x() * ratio()) + dx, qRound(s.at.y() * ratio()) + dy),
                    s.colour)
                    << s.line;
    }
    // One pixel wide: just off a line the background shows.
    EXPECT_EQ(at(image, {250, 113}), qRgb(0x00, 0x78, 0x00));
}

TEST_F(BoardLook, WelcomeStandsInYellowInTheLowerHalfOfTheBanner) {
    // pauz: 120, 960, 3015 by 2055 twips.
    const QImage image = rendered();
    const auto yellowIn = [&](QRect area) {
        int n = 0;
        const QRect device(area.topLeft() * ratio(), area.size() * ratio());
        for (int y = device.top(); y <= device.bottom(); ++y)
            for (int x = device.left(); x <= device.right(); ++x)
                n += image.pixel(x, y) == qRgb(0xFF, 0xFF, 0x00) ? 1 : 0;
        return n;
    };
    // The blanks fill the label's first lines; the word stands below them,
    // in the lower half but for the tops of its tallest letters. (`time`,
    // in yellow too, reaches down to y 64.)
    EXPECT_EQ(yellowIn(QRect(8, 66, 201, 55)), 0) << "the leading blanks push the word down";
    const int upper = yellowIn(QRect(8, 66, 201, 66));
    const int lower = yellowIn(QRect(8, 132, 201, 69));
    EXPECT_GT(lower, 200 * ratio() * ratio());
    EXPECT_GT(lower, 10 * upper);
    // Large letters: the word spans most of the label's width.
    int left = 10000;
    int right = -1;
    for (int x = 8; x < 209; ++x)
        for (int y = 132; y < 200; ++y)
            if (at(image, {x, y}) == qRgb(0xFF, 0xFF, 0x00)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GT(right - left, 120);
}

TEST_F(BoardLook, AShownComputerStandsOnTheTableWithoutASquareAroundIt) {
    hideBanner();
    showAt("middle", "ibm");  // 1320, 1680 twips
    const QImage image = rendered();
    const QPoint place(88, 112);
    const QImage computer = art("ibm");
    // Its corner is clear: the table's red shows there, not a square.
    ASSERT_EQ(qAlpha(computer.pixel(0, 0)), 0);
    expectColour(at(image, place), art("table").pixel(place - kTable), "the table at the corner");
    EXPECT_GT(qRed(at(image, place)), 0x60);
    // Its screen shows where the computer is.
    ASSERT_EQ(qAlpha(computer.pixel(16, 9)), 255);
    expectColour(at(image, place + QPoint(16, 9)), computer.pixel(16, 9), "the computer's screen");
    // It covers the upper half of its own hole; the lower half shows.
    expectColour(at(image, {104, 150}), qRgb(0, 0, 0xFF), "the near rim of its hole");
}

TEST_F(BoardLook, ANearerRowCoversTheLowerPartOfTheHoleBehindIt) {
    hideBanner();
    struct Case {
        const char* place;
        QPoint at;      // the place's top-left: 16 pixels above its own hole
        QPoint behind;  // a black point low in the hole of the row behind
    };
    const Case cases[] = {{"down", {88, 144}, {88 + 16, 128 + 20}},   // middle's hole, Image5
                          {"leftt", {32, 112}, {40 + 16, 96 + 18}}};  // upleft's hole, Image1
    const QImage computer = art("ibm");
    for (const Case& c : cases) {
        expectColour(at(rendered(), c.behind), qRgb(0, 0, 0), c.place);
        showAt(c.place, "ibm");
        const QPoint onComputer = c.behind - c.at;
        ASSERT_EQ(qAlpha(computer.pixel(onComputer)), 255) << c.place;
        expectColour(at(rendered(), c.behind), computer.pixel(onComputer), c.place);
    }
}

TEST_F(BoardLook, PicturesBecomeExactBlocksAtAWholeRatio) {
    if (!wholeRatio()) GTEST_SKIP() << "at a whole ratio";
    const int scale = qRound(ratio());
    const QImage image = rendered();
    struct Shown {
        const char* picture;
        QPoint at;
    };
    // The Exit button's face is its picture and nothing else: no text.
    QWidget* exit = window->widgetOf(control("Command1"));
    EXPECT_EQ(exit->size(), art("exit").size());
    EXPECT_TRUE(qobject_cast<QPushButton*>(exit)->text().isEmpty());
    for (const Shown& shown :
         {Shown{"tio", {235, 120}}, Shown{"bar1", {272, 120}}, Shown{"emblem", {280, 16}},
          Shown{"hole", {24, 160}}, Shown{"exit", {16, 201}}}) {
        const QImage picture = art(shown.picture);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                if (qAlpha(picture.pixel(x, y)) != 255) continue;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        ASSERT_EQ(image.pixel((shown.at.x() + x) * scale + dx,
                                              (shown.at.y() + y) * scale + dy),
                                  picture.pixel(x, y))
                            << shown.picture << " " << x << "," << y;
            }
    }
}

// At a fractional ratio the board is painted at the next whole ratio and
// scaled once: the window shows exactly such a painting, scaled evenly,
// whatever parts of it were repainted on their own before.
TEST_F(BoardLook, AtAFractionalRatioTheWholeBoardIsScaledOnce) {
    if (wholeRatio()) GTEST_SKIP() << "at a fractional ratio";
    get<forms::Label>("score").setCaption("1200");
    QApplication::processEvents();
    const QImage image = rendered();

    const int whole = static_cast<int>(std::ceil(ratio()));
    QImage painted(window->size() * whole, QImage::Format_RGB32);
    painted.setDevicePixelRatio(whole);
    {
        QPainter painter(&painted);
        forms::qt::QtCanvas canvas(painter);
        forms::paintForm(canvas, *window->form(), {0, 0, window->width(), window->height()});
    }
    const QImage expected =
        painted.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    // The buttons are real widgets that draw themselves; compare the
    // drawn board above the Exit button.
    const int bottom = static_cast<int>(200 * ratio());
    int differing = 0;
    for (int y = 0; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            differing += image.pixel(x, y) != expected.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(BoardLook, EveryControlHasAPictureObjectOfItsOwnAndCopiesShare) {
    std::set<std::uint32_t> holes;
    for (int i = 1; i <= 9; ++i) {
        const std::string name = "Image" + std::to_string(i);
        holes.insert(get<forms::Image>(name.c_str()).pictureHandle());
    }
    EXPECT_EQ(holes.size(), 9U);
    EXPECT_EQ(holes.count(0), 0U);
    // The mug starts with the level-1 face's look, as an object of its own.
    EXPECT_EQ(get<forms::Image>("mug").picture().source().resource, "tio");
    for (const char* face :
         {"tjugo", "trettio", "förtio", "femtio", "sextio", "sjuttio", "åttio", "nittio", "hundra"})
        EXPECT_NE(get<forms::Image>("mug").pictureHandle(),
                  get<forms::Image>(face).pictureHandle());

    showAt("up", "ibm");
    EXPECT_EQ(get<forms::Image>("up").pictureHandle(), get<forms::Image>("ibm").pictureHandle());
}

}  // namespace
