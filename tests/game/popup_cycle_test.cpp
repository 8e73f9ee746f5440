// The pop-up cycle: where computers appear, when they vanish, and the hammer
// coming back up.
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

#include "designs/window_names.h"
#include "forms/random.h"
#include "tests/game/board.h"

namespace klonkatron::testing {
namespace {

using PopupCycle = Board;

TEST(PlaceNumber, CoversOneToNineForEveryFraction) {
    EXPECT_EQ(placeNumber(0.0F), 1);
    EXPECT_EQ(placeNumber(0.5F), 5);
    for (int k = 1; k < 9; ++k) {
        const float boundary = static_cast<float>(k) / 9.0F;
        EXPECT_EQ(placeNumber(std::nextafter(boundary, 0.0F)), k) << k;
        EXPECT_EQ(placeNumber(std::nextafter(boundary, 1.0F)), k + 1) << k;
    }
    EXPECT_EQ(placeNumber(std::nextafter(1.0F, 0.0F)), 9);
    // Out of range fractions still name a place rather than none.
    EXPECT_EQ(placeNumber(1.0F), 9);
    EXPECT_EQ(placeNumber(-0.25F), 1);
}

TEST_F(PopupCycle, ThePlacesInPlaceNumberOrderWithTheirComputers) {
    const std::array<std::pair<const char*, const char*>, 9> expected{{
        {"down", "ibm2"},
        {"leftt", "ibm"},
        {"up", "ibm"},
        {"downright", "ibm2"},
        {"right", "ibm"},
        {"upleft", "ibm2"},
        {"downleft", "ibm"},
        {"upright", "ibm"},
        {"middle", "ibm2"},
    }};
    const auto& places = board().places();
    for (size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(places[i].place.name(), expected[i].first);
        EXPECT_EQ(places[i].computer.name(), expected[i].second);
        EXPECT_FALSE(places[i].place.visible());
    }

    // A tick of Timer1 gives every place, shown or hidden, its own computer.
    clickButton("Command3");
    advance(3'000);
    for (const auto& p : places)
        EXPECT_EQ(p.place.pictureHandle(), p.computer.pictureHandle()) << p.place.name();
}

TEST_F(PopupCycle, TwentyOneSecondPatternAtTheStartingIntervals) {
    clickButton("Command3");
    // Moments (ms after the start) when the board goes from empty to a
    // computer and back. At 21 s both timers fall due together: the computer
    // of that tick is hidden at the same moment, and the pattern begins again.
    const std::vector<std::int64_t> expected{3000,  3500,  6000,  7000,  9000,  10500,
                                             12000, 14000, 15000, 17500, 18000, 21000,
                                             24000, 24500, 27000, 28000};
    std::vector<std::int64_t> changes;
    bool anyShown = false;
    for (std::int64_t t = 1; t <= 28'000; ++t) {
        advance(1);
        const bool now = !shownPlaces().empty();
        if (now != anyShown) changes.push_back(t);
        anyShown = now;
        ASSERT_LE(shownPlaces().size(), 1U) << "at " << t;
    }
    EXPECT_EQ(changes, expected);
}

TEST_F(PopupCycle, ADrawnPlaceAlreadyShownAddsNone) {
    clickButton("Command3");
    timer("Timer2").setEnabled(false);  // nothing vanishes: draws accumulate
    forms::Random predictor = runtime.app().random();

    std::set<std::string> expected;
    bool sawRepeat = false;
    for (int tick = 0; tick < 12; ++tick) {
        const auto& place = board().places()[placeNumber(predictor.next()) - 1].place;
        sawRepeat |= !expected.insert(place.name()).second;
        advance(3'000);
        const auto shown = shownPlaces();
        EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()), expected) << tick;
    }
    EXPECT_TRUE(sawRepeat) << "twelve draws of nine places repeat one";
}

TEST_F(PopupCycle, ASmashedComputerStillShownComesBackWholeAndScoresAgain) {
    clickButton("Command3");
    timer("Timer2").setEnabled(false);
    advance(3'000);
    ASSERT_EQ(shownPlaces().size(), 1U);
    const auto& struck = *std::find_if(board().places().begin(), board().places().end(),
                                       [](const auto& p) { return p.place.visible(); });
    runtime.clickAt(window::kBoard, struck.place.name());
    ASSERT_NE(struck.place.pictureHandle(), struck.computer.pictureHandle());

    advance(3'000);
    EXPECT_TRUE(struck.place.visible());
    EXPECT_EQ(struck.place.pictureHandle(), struck.computer.pictureHandle());
    runtime.clickAt(window::kBoard, struck.place.name());
    EXPECT_EQ(label("score").caption(), "200");
}

TEST_F(PopupCycle, EveryPlaceComesUpAsOftenOverASimulatedHour) {
    clickButton("Command3");
    // The fastest intervals of the game, so that an hour gives many draws.
    timer("Timer1").setInterval(50);
    timer("Timer2").setInterval(150);

    std::map<std::string, int> appearances;
    auto before = shownPlaces();
    int total = 0;
    for (std::int64_t t = 0; t < 3'600'000; t += 50) {
        advance(50);
        const auto now = shownPlaces();
        for (const auto& name : now) {
            if (std::find(before.begin(), before.end(), name) == before.end()) {
                ++appearances[name];
                ++total;
            }
        }
        before = now;
    }
    ASSERT_EQ(appearances.size(), 9U);
    ASSERT_GT(total, 20'000);
    // Chi-square with eight degrees of freedom: 26.1 is the 0.1 % tail.
    const double mean = static_cast<double>(total) / 9.0;
    double chiSquare = 0;
    for (const auto& [name, count] : appearances) chiSquare += std::pow(count - mean, 2) / mean;
    EXPECT_LT(chiSquare, 26.1);
    EXPECT_EQ(playTimers(), kAllOn);
}

TEST_F(PopupCycle, PausedComputersStayAndVanishAtTheFirstHideAfterResuming) {
    clickButton("Command3");
    // A higher level's pace, so that two computers are up together.
    timer("Timer1").setInterval(1'000);
    advance(3'000);
    const auto shown = shownPlaces();
    ASSERT_GE(shown.size(), 2U);

    clickButton("Command3");  // pause
    advance(30'000);
    EXPECT_EQ(shownPlaces(), shown);

    clickButton("Command3");  // resume: both counts start afresh
    advance(3'499);
    for (const auto& name : shown) EXPECT_TRUE(image(name).visible()) << name;
    advance(1);
    EXPECT_TRUE(shownPlaces().empty());
}

TEST_F(PopupCycle, TheHammerComesBackUpWithinATenthOfASecond) {
    board().setMouseIcon(image("ner").picture());
    clickButton("Command3");
    advance(99);
    EXPECT_EQ(board().mouseIcon().handle(), image("ner").pictureHandle());
    advance(1);
    EXPECT_EQ(board().mouseIcon().handle(), image("upp").pictureHandle());

    // Stopped, a lowered hammer stays down.
    clickButton("Command3");
    board().setMouseIcon(image("ner").picture());
    advance(1'000);
    EXPECT_EQ(board().mouseIcon().handle(), image("ner").pictureHandle());
}

}  // namespace
}  // namespace klonkatron::testing
