// The program starts with the splash alone; "&Ok!" leads to the board, a key
// press ends the program before any board exists.
#include <memory>

#include "designs/form1_design.h"
#include "designs/window_names.h"
#include "game/form1.h"
#include "tests/side_windows/program.h"

namespace klonkatron::testing {
namespace {

class Startup : public Program {
protected:
    Startup() {
        // Counts every board made, under the factory the program uses.
        app().registerForm(window::kBoard, [this](forms::Application& a) {
            ++boardsMade;
            return std::make_unique<Form1>(a);
        });
    }
    int boardsMade = 0;
};

TEST_F(Startup, TheSplashIsTheOnlyWindow) {
    EXPECT_TRUE(isLoaded(window::kSplash));
    EXPECT_TRUE(form(window::kSplash).isShown());
    for (const char* other : {window::kBoard, window::kText, window::kAbout, window::kPicture})
        EXPECT_FALSE(isLoaded(other)) << other;
    EXPECT_EQ(runtime.backend().windowsShown(), 1);
    EXPECT_TRUE(control<forms::Timer>(window::kSplash, "Timer1").enabled());
}

// From 2880 the label runs 135 twips a tick up to 7470, the one value past
// 7400 that is shown; the next tick starts it again at 720 + 135.
TEST_F(Startup, TheMarqueeRunsAFiftyTickCycle) {
    auto& visit = control<forms::Label>(window::kSplash, "visit");
    EXPECT_EQ(visit.left(), 2880);
    std::vector<int> seen;
    for (int tick = 0; tick < 200; ++tick) {
        runtime.advance(100);
        seen.push_back(visit.left());
    }
    for (int k = 1; k <= 34; ++k) EXPECT_EQ(seen[k - 1], 2880 + 135 * k);
    ASSERT_EQ(seen[33], 7470);
    EXPECT_EQ(seen[34], 855);
    for (size_t i = 34; i + 50 < seen.size(); ++i) EXPECT_EQ(seen[i + 50], seen[i]) << i;
    int shownAtTheEnd = 0;
    for (size_t i = 34; i < 84; ++i) {
        EXPECT_EQ((seen[i] - 855) % 135, 0);
        if (seen[i] == 7470) ++shownAtTheEnd;
        EXPECT_NE(seen[i], 720);
    }
    EXPECT_EQ(shownAtTheEnd, 1);
}

TEST_F(Startup, TheMarqueeTicksEveryHundredMilliseconds) {
    auto& visit = control<forms::Label>(window::kSplash, "visit");
    runtime.advance(99);
    EXPECT_EQ(visit.left(), 2880);
    runtime.advance(1);
    EXPECT_EQ(visit.left(), 3015);
}

TEST_F(Startup, OkLeadsToTheBoardInItsWelcomeState) {
    runtime.advance(1'000);
    openBoard();
    EXPECT_FALSE(isLoaded(window::kSplash));
    ASSERT_TRUE(isLoaded(window::kBoard));
    EXPECT_TRUE(form(window::kBoard).isShown());
    EXPECT_EQ(boardsMade, 1);
    EXPECT_EQ(playTimers(), kAllOff);
    EXPECT_TRUE(control<forms::Label>(window::kBoard, "pauz").visible());
    EXPECT_EQ(control<forms::Label>(window::kBoard, "pauz").caption(), kWelcomeBanner);
    EXPECT_EQ(control<forms::CommandButton>(window::kBoard, "Command3").caption(),
              "&Start New Game");

    runtime.advance(10'000);
    EXPECT_FALSE(app().ended());
    EXPECT_EQ(boardsMade, 1);
    EXPECT_FALSE(isLoaded(window::kSplash));
    for (const auto& place : dynamic_cast<Form1&>(form(window::kBoard)).places())
        EXPECT_FALSE(place.place.visible());
}

TEST_F(Startup, EnterAndTheAccessKeyPressOk) {
    runtime.pressKey(window::kSplash, key(forms::kKeyEnter, '\r'));
    EXPECT_TRUE(isLoaded(window::kBoard));
    EXPECT_FALSE(isLoaded(window::kSplash));
    EXPECT_FALSE(app().ended());
}

TEST_F(Startup, AltOPressesOk) {
    runtime.pressKey(window::kSplash, forms::KeyEvent{'O', 0, forms::AltKey});
    EXPECT_TRUE(isLoaded(window::kBoard));
    EXPECT_EQ(boardsMade, 1);
}

TEST_F(Startup, ACharacterKeyEndsTheProgramWithoutABoard) {
    runtime.advance(300);
    runtime.pressKey(window::kSplash, key('Q', 'q'));
    EXPECT_TRUE(app().ended());
    EXPECT_TRUE(runtime.backend().programHasEnded());
    EXPECT_FALSE(isLoaded(window::kSplash));
    EXPECT_EQ(boardsMade, 0);
    EXPECT_EQ(runtime.backend().windowsShown(), 1);
    runtime.advance(1'000);
    EXPECT_EQ(boardsMade, 0);
}

TEST_F(Startup, EscapeIsACharacterKeyToo) {
    runtime.pressKey(window::kSplash, key(forms::kKeyEscape, 27));
    EXPECT_TRUE(app().ended());
    EXPECT_EQ(boardsMade, 0);
}

}  // namespace
}  // namespace klonkatron::testing
