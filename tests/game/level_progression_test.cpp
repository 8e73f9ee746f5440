// Level progression: exact thresholds, faster pop-ups, happier faces, and
// the end of the game at 10000 points.
#include "designs/window_names.h"
#include "tests/game/board.h"

namespace klonkatron::testing {
namespace {

class LevelProgression : public Board {
protected:
    // The score stands at a value when Timer4 next looks.
    void standAt(const char* points) {
        label("score").setCaption(points);
        advance(1);
    }
    [[nodiscard]] std::pair<int, int> pace() {
        return {timer("Timer1").interval(), timer("Timer2").interval()};
    }
    [[nodiscard]] bool faceIs(const char* face) {
        return image("mug").pictureHandle() == image(face).pictureHandle();
    }
};

TEST_F(LevelProgression, AHitOntoTheFirstThresholdRaisesTheLevelAtTheNextTick) {
    clickButton("Command3");
    label("score").setCaption("900");
    showComputer("up");
    runtime.clickAt(window::kBoard, "up");
    EXPECT_EQ(label("score").caption(), "1000");
    EXPECT_EQ(label("level").caption(), "1");
    advance(1);
    EXPECT_EQ(label("level").caption(), "2");
    EXPECT_EQ(pace(), std::pair(2000, 2500));
    EXPECT_TRUE(faceIs("tjugo"));
}

TEST_F(LevelProgression, EveryThresholdInTurnAndNoneAt6000) {
    struct Row {
        const char* score;
        const char* level;
        std::pair<int, int> pace;
        const char* face;
    };
    const Row rows[] = {
        {"1000", "2", {2000, 2500}, "tjugo"},   {"1100", "2", {2000, 2500}, "tjugo"},
        {"2000", "3", {1000, 1500}, "trettio"}, {"3000", "4", {1000, 1500}, "förtio"},
        {"4000", "5", {1000, 1500}, "femtio"},  {"5000", "6", {500, 600}, "sextio"},
        {"6000", "6", {500, 600}, "sextio"},    {"7000", "7", {250, 350}, "sjuttio"},
        {"8000", "8", {150, 250}, "åttio"},     {"9000", "9", {50, 150}, "nittio"},
        {"9900", "9", {50, 150}, "nittio"},
    };
    clickButton("Command3");
    for (const Row& row : rows) {
        standAt(row.score);
        EXPECT_EQ(label("level").caption(), row.level) << row.score;
        EXPECT_EQ(pace(), row.pace) << row.score;
        EXPECT_TRUE(faceIs(row.face)) << row.score;
    }
}

TEST_F(LevelProgression, AThresholdPassedWhileTheCheckIsOffIsSkippedForGood) {
    stopUncovered();  // Timer4 off, the board still open to strikes
    label("score").setCaption("900");
    showComputer("middle");
    runtime.clickAt(window::kBoard, "middle");
    runtime.clickAt(window::kBoard, "middle");
    EXPECT_EQ(label("score").caption(), "1100");
    clickButton("Command3");  // the banner was hidden: this pauses
    clickButton("Command3");  // and this resumes, Timer4 with the rest
    ASSERT_TRUE(timer("Timer4").enabled());
    advance(100);
    EXPECT_EQ(label("level").caption(), "1");
    EXPECT_EQ(pace(), std::pair(3000, 3500));
    EXPECT_FALSE(faceIs("tjugo"));
}

TEST_F(LevelProgression, StandingOnAThresholdKeepsThePopUpRhythm) {
    clickButton("Command3");
    standAt("1000");  // the new pace counts from here, t = 1 ms
    // The check assigns the same intervals every millisecond; that must not
    // restart the pop-up timers' counts.
    advance(1'999);
    EXPECT_TRUE(shownPlaces().empty());
    advance(1);
    EXPECT_EQ(shownPlaces().size(), 1U);
    advance(500);
    EXPECT_TRUE(shownPlaces().empty());
}

TEST_F(LevelProgression, TenThousandCompletesTheGameWithOneMessage) {
    clickButton("Command3");
    bool sawTheLastFace = false;
    runtime.backend().expectMessageBox(
        {"Klonkatron Compleeted", "Congratulations", forms::MsgButtons::Ok, forms::MsgIcon::None},
        forms::MsgResult::Ok, [&] {
            // Time passes under the box: Timer4 falls due many times.
            advance(3'000);
            EXPECT_EQ(label("level").caption(), "10");
            sawTheLastFace = faceIs("hundra");
            // The lamp bar still follows under the box.
            EXPECT_EQ(image("bar").pictureHandle(), image("ten").pictureHandle());
        });
    label("score").setCaption("10000");
    advance(1);
    EXPECT_TRUE(sawTheLastFace);
    EXPECT_EQ(runtime.backend().shownMessageBoxes().size(), 1U);
    EXPECT_TRUE(runtime.backend().programHasEnded());
    EXPECT_FALSE(runtime.app().isLoaded(window::kBoard));
}

TEST_F(LevelProgression, PassingTenThousandWhileTheCheckIsOffNeverCompletes) {
    stopUncovered();
    label("score").setCaption("9900");
    showComputer("leftt");
    runtime.clickAt(window::kBoard, "leftt");
    runtime.clickAt(window::kBoard, "leftt");
    clickButton("Command3");
    clickButton("Command3");
    advance(10'000);
    EXPECT_TRUE(runtime.backend().shownMessageBoxes().empty());
    EXPECT_EQ(label("score").caption(), "10100");
    EXPECT_FALSE(runtime.backend().programHasEnded());
}

}  // namespace
}  // namespace klonkatron::testing
