// The board's three states, the transitions of its two text buttons, and the
// hidden counter behind the face.
#include "designs/window_names.h"
#include "tests/game/board.h"

namespace klonkatron::testing {
namespace {

using GameControl = Board;

TEST_F(GameControl, OpensInTheWelcomeState) {
    EXPECT_EQ(button("Command3").caption(), "&Start New Game");
    EXPECT_TRUE(label("pauz").visible());
    EXPECT_EQ(label("pauz").caption(), kWelcomeBanner);
    EXPECT_EQ(playTimers(), kAllOff);
    for (const char* name : {"Timer6", "Timer8", "killometer"})
        EXPECT_TRUE(timer(name).enabled()) << name;
    EXPECT_TRUE(shownPlaces().empty());
    EXPECT_EQ(label("time").caption(), "Loading Graphics and stuff...");

    advance(10'000);
    EXPECT_TRUE(shownPlaces().empty());
    EXPECT_EQ(label("timescore").caption(), "0");
}

TEST_F(GameControl, BannersPushTheirWordPastFiftyBlanks) {
    EXPECT_EQ(std::string(kWelcomeBanner), std::string(50, ' ') + "Welcome!");
    EXPECT_EQ(std::string(kPausedBanner), std::string(50, ' ') + "Paused...");
}

TEST_F(GameControl, StartPauseAndResume) {
    clickButton("Command3");  // Welcome -> Running
    EXPECT_EQ(button("Command3").caption(), "&Pause");
    EXPECT_FALSE(label("pauz").visible());
    EXPECT_EQ(label("pauz").caption(), kPausedBanner);
    EXPECT_EQ(playTimers(), kAllOn);

    clickButton("Command3");  // Running -> Paused
    EXPECT_EQ(button("Command3").caption(), "&Pause");
    EXPECT_TRUE(label("pauz").visible());
    EXPECT_EQ(label("pauz").caption(), kPausedBanner);
    EXPECT_EQ(playTimers(), kAllOff);

    clickButton("Command3");  // Paused -> Running
    EXPECT_FALSE(label("pauz").visible());
    EXPECT_EQ(playTimers(), kAllOn);
}

TEST_F(GameControl, TheStartCaptionNeverComesBackAndNothingIsReset) {
    clickButton("Command3");
    advance(5'000);
    label("score").setCaption("700");
    label("died").setCaption("7");
    label("level").setCaption("2");
    for (int i = 0; i < 7; ++i) {
        clickButton("Command3");
        EXPECT_EQ(button("Command3").caption(), "&Pause");
        EXPECT_EQ(label("pauz").caption(), kPausedBanner);
    }
    EXPECT_EQ(label("score").caption(), "700");
    EXPECT_EQ(label("died").caption(), "7");
    EXPECT_EQ(label("level").caption(), "2");
}

TEST_F(GameControl, NoComputerBeforeTheFirstTickAfterStarting) {
    advance(1'234);  // time passing in Welcome does not count
    clickButton("Command3");
    advance(2'999);
    EXPECT_TRUE(shownPlaces().empty());
    advance(1);
    EXPECT_EQ(shownPlaces().size(), 1U);
}

TEST_F(GameControl, AboutStopsPlayButLeavesBannerAndCaption) {
    clickButton("Command3");
    advance(3'000);
    const auto shown = shownPlaces();
    ASSERT_EQ(shown.size(), 1U);

    clickButton("Command2");
    EXPECT_EQ(playTimers(), kAllOff);
    EXPECT_FALSE(label("pauz").visible());
    EXPECT_EQ(button("Command3").caption(), "&Pause");

    // A stopped board: the computer stays where it is, nothing comes or goes.
    advance(60'000);
    EXPECT_EQ(shownPlaces(), shown);

    // The banner alone decides: hidden means the next click pauses.
    clickButton("Command3");
    EXPECT_TRUE(label("pauz").visible());
    EXPECT_EQ(playTimers(), kAllOff);
    clickButton("Command3");
    EXPECT_FALSE(label("pauz").visible());
    EXPECT_EQ(playTimers(), kAllOn);
}

TEST_F(GameControl, AboutFromWelcomeAndPausedKeepsTheBanner) {
    clickButton("Command2");
    EXPECT_TRUE(label("pauz").visible());
    EXPECT_EQ(label("pauz").caption(), kWelcomeBanner);
    EXPECT_EQ(button("Command3").caption(), "&Start New Game");
    EXPECT_EQ(playTimers(), kAllOff);

    clickButton("Command3");
    clickButton("Command3");
    clickButton("Command2");
    EXPECT_TRUE(label("pauz").visible());
    EXPECT_EQ(label("pauz").caption(), kPausedBanner);
    EXPECT_EQ(playTimers(), kAllOff);
}

TEST_F(GameControl, TheBannerLocksTheBoard) {
    clickButton("Command3");
    advance(3'000);
    clickButton("Command3");  // paused with a computer showing
    ASSERT_EQ(shownPlaces().size(), 1U);
    forms::Image& shown = image(shownPlaces().front());
    const auto pictureBefore = shown.pictureHandle();

    // Every place lies behind the banner, and the banner takes the click.
    for (const auto& p : board().places())
        EXPECT_EQ(board().controlAt(p.place.bounds().centre()), &label("pauz")) << p.place.name();
    runtime.clickAt(window::kBoard, shown.name());
    EXPECT_EQ(label("score").caption(), "0");
    EXPECT_EQ(shown.pictureHandle(), pictureBefore);
    EXPECT_EQ(runtime.app().errorCount(), 0);
}

TEST_F(GameControl, EveryFifthClickOnTheFaceOpensTheTextWindow) {
    for (int click = 1; click <= 4; ++click) {
        runtime.clickAt(window::kBoard, "mug");
        advance(1);
        EXPECT_EQ(label("Label5").caption(), std::to_string(click));
    }
    EXPECT_FALSE(runtime.app().isLoaded(window::kText));

    runtime.clickAt(window::kBoard, "mug");
    advance(1);
    EXPECT_TRUE(runtime.app().isLoaded(window::kText));
    EXPECT_EQ(label("Label5").caption(), "0");
    const int shownBefore = runtime.backend().windowsShown();

    // Closed with its button, it comes back at the tenth click.
    runtime.clickButton(window::kText, "Command1");
    EXPECT_FALSE(runtime.app().isLoaded(window::kText));
    for (int click = 6; click <= 9; ++click) {
        runtime.clickAt(window::kBoard, "mug");
        advance(1);
    }
    EXPECT_FALSE(runtime.app().isLoaded(window::kText));
    runtime.clickAt(window::kBoard, "mug");
    advance(1);
    EXPECT_TRUE(runtime.app().isLoaded(window::kText));
    EXPECT_EQ(runtime.backend().windowsShown(), shownBefore + 1);
    EXPECT_EQ(label("Label5").caption(), "0");
}

TEST_F(GameControl, TheFaceCountsInEveryStateAndAnOpenTextWindowStaysOne) {
    clickButton("Command3");
    const int shownBefore = runtime.backend().windowsShown();
    for (int click = 0; click < 10; ++click) {
        runtime.clickAt(window::kBoard, "mug");
        advance(1);
        if (click == 4) clickButton("Command3");  // paused half-way
    }
    // Shown at the fifth click and still open at the tenth: one window.
    EXPECT_EQ(runtime.backend().windowsShown(), shownBefore + 1);
    EXPECT_EQ(label("Label5").caption(), "0");
}

TEST_F(GameControl, ClosedByTheSystemTheBoardRunsNoLogic) {
    EXPECT_FALSE(board().design().controlBox);
    clickButton("Command3");
    runtime.app().closeRequested(board());
    EXPECT_TRUE(runtime.backend().shownMessageBoxes().empty());
    EXPECT_TRUE(runtime.backend().programHasEnded());
}

}  // namespace
}  // namespace klonkatron::testing
