// Hitting: what a strike on a shown computer does, and where it cannot land.
#include "designs/window_names.h"
#include "tests/game/board.h"

namespace klonkatron::testing {
namespace {

using Hitting = Board;

TEST_F(Hitting, ThreeStrikesOnEachPlaceScoreThreeHundredAndSmashIt) {
    struct Case {
        const char* place;
        const char* smashed;
    };
    const Case cases[] = {{"upleft", "bang2"},  {"up", "bang"},      {"upright", "bang"},
                          {"leftt", "bang"},    {"middle", "bang2"}, {"right", "bang"},
                          {"downleft", "bang"}, {"down", "bang2"},   {"downright", "bang2"}};
    stopUncovered();
    double expected = 0;
    for (const Case& c : cases) {
        forms::Image& place = showComputer(c.place);
        for (int strike = 0; strike < 3; ++strike) runtime.clickAt(window::kBoard, c.place);
        expected += 300;
        EXPECT_EQ(score(), expected) << c.place;
        EXPECT_EQ(place.pictureHandle(), image(c.smashed).pictureHandle()) << c.place;
        EXPECT_TRUE(place.visible()) << c.place;
        place.setVisible(false);
    }
    EXPECT_EQ(label("score").caption(), "2700");
    EXPECT_EQ(label("died").caption(), "27");
}

TEST_F(Hitting, TheBottomRowScoresAtThePressTheUpperRowsAtTheClick) {
    stopUncovered();
    const forms::Point away{4500, 3900};  // the status panel's foot
    showComputer("down");
    runtime.press(window::kBoard, image("down").bounds().centre(), forms::RightButton);
    EXPECT_EQ(score(), 100);
    runtime.release(window::kBoard, away, forms::RightButton);
    EXPECT_EQ(score(), 100);

    showComputer("up");
    runtime.press(window::kBoard, image("up").bounds().centre());
    EXPECT_EQ(score(), 100);
    runtime.release(window::kBoard, away);
    EXPECT_EQ(score(), 100) << "released outside, no click";
    runtime.press(window::kBoard, image("up").bounds().centre());
    runtime.release(window::kBoard, image("up").bounds().centre());
    EXPECT_EQ(score(), 200);
}

TEST_F(Hitting, AHiddenPlaceOrAPausedBoardScoresNothing) {
    stopUncovered();
    for (const auto& p : board().places()) runtime.clickAt(window::kBoard, p.place.name());
    EXPECT_EQ(score(), 0);

    // Paused: the banner takes the strikes, and the hammer stays as it was.
    clickButton("Command3");  // pauses: the banner was hidden
    ASSERT_TRUE(label("pauz").visible());
    for (const auto& p : board().places()) showComputer(p.place.name());
    const Hammer before = hammer();
    const int changes = pointerChanges();
    for (const auto& p : board().places()) runtime.clickAt(window::kBoard, p.place.name());
    EXPECT_EQ(score(), 0);
    EXPECT_EQ(hammer(), before);
    EXPECT_EQ(pointerChanges(), changes);
}

TEST_F(Hitting, ScoresCountUpThroughTheCaption) {
    stopUncovered();
    label("score").setCaption("900");
    showComputer("middle");
    runtime.clickAt(window::kBoard, "middle");
    EXPECT_EQ(label("score").caption(), "1000");
}

TEST_F(Hitting, AStrikeThatCannotReadTheScoreEndsBeforeCounting) {
    stopUncovered();
    label("score").setCaption("lots");
    showComputer("downleft");
    runtime.clickAt(window::kBoard, "downleft");
    ASSERT_TRUE(runtime.app().lastError().has_value());
    EXPECT_EQ(runtime.app().lastError()->number(), forms::RuntimeError::TypeMismatch);
    EXPECT_EQ(label("died").caption(), "0");
    EXPECT_EQ(image("downleft").pictureHandle(), image("bang").pictureHandle());
}

}  // namespace
}  // namespace klonkatron::testing
