// The hammer pointer through press and release on every kind of surface,
// and the emphasis of the two text buttons.
#include "designs/window_names.h"
#include "tests/game/board.h"

namespace klonkatron::testing {
namespace {

using HammerPointer = Board;
using H = Hammer;

struct Stroke {
    const char* control;
    H before;         // the pointer as the press comes
    H afterPress;     // ...as the button is down
    H afterRelease;   // ...after the release (and the click)
    int releaseSets;  // how often the release changed the pointer
};

TEST_F(HammerPointer, OnePressAndReleaseOnEachSurface) {
    const Stroke strokes[] = {
        {"upleft", H::Raised, H::Lowered, H::Raised, 1},
        {"up", H::Raised, H::Lowered, H::Raised, 1},
        {"upright", H::Raised, H::Lowered, H::Raised, 1},
        {"leftt", H::Raised, H::Lowered, H::Lowered, 0},
        {"middle", H::Raised, H::Lowered, H::Lowered, 0},
        {"right", H::Raised, H::Lowered, H::Lowered, 0},
        {"down", H::Raised, H::Lowered, H::Lowered, 2},       // raised, then lowered again
        {"downleft", H::Lowered, H::Lowered, H::Lowered, 2},  // the press leaves it alone
        {"downright", H::Lowered, H::Lowered, H::Lowered, 2},
        {"downleft", H::Raised, H::Raised, H::Lowered, 1},
    };
    stopUncovered();
    for (const Stroke& s : strokes) {
        showComputer(s.control);
        board().setMouseIcon(image(s.before == H::Raised ? "upp" : "ner").picture());
        const forms::Point at = image(s.control).bounds().centre();
        runtime.press(window::kBoard, at);
        EXPECT_EQ(hammer(), s.afterPress) << s.control;
        const int changes = pointerChanges();
        runtime.release(window::kBoard, at);
        EXPECT_EQ(hammer(), s.afterRelease) << s.control;
        EXPECT_EQ(pointerChanges() - changes, s.releaseSets) << s.control;
        image(s.control).setVisible(false);
    }
}

TEST_F(HammerPointer, HolesTableAndBackgroundLowerAndRaise) {
    stopUncovered();
    const forms::Point holes[] = {image("Image1").bounds().centre(),
                                  image("Image5").bounds().centre(),
                                  image("Image9").bounds().centre()};
    const forms::Point table{200, 3500};      // the table's front edge, clear of the holes
    const forms::Point background{60, 2000};  // bare backdrop left of the table
    for (const forms::Point p : {holes[0], holes[1], holes[2], table, background}) {
        runtime.press(window::kBoard, p);
        EXPECT_EQ(hammer(), H::Lowered);
        runtime.release(window::kBoard, p);
        EXPECT_EQ(hammer(), H::Raised);
    }
    ASSERT_EQ(board().controlAt(table), &board().control("Image10"));
    ASSERT_EQ(board().controlAt(background), nullptr);
}

TEST_F(HammerPointer, OtherPicturesAndLabelsLeaveThePointerAlone) {
    stopUncovered();
    board().setMouseIcon(image("ner").picture());
    for (const char* name : {"Image11", "mug", "bar", "score", "level", "timescore", "time"}) {
        const int changes = pointerChanges();
        runtime.clickAt(window::kBoard, name);
        EXPECT_EQ(pointerChanges(), changes) << name;
    }
    EXPECT_EQ(hammer(), H::Lowered);
}

TEST_F(HammerPointer, TheHammerComesUpWithinATenthWhilePlayRuns) {
    clickButton("Command3");
    advance(3'000);
    ASSERT_EQ(shownPlaces().size(), 1U);
    advance(50);  // half-way between two ticks of Timer3
    const forms::Point at = image(shownPlaces().front()).bounds().centre();
    runtime.press(window::kBoard, at);
    EXPECT_EQ(hammer(), H::Lowered);
    advance(49);
    EXPECT_EQ(hammer(), H::Lowered);
    advance(1);
    EXPECT_EQ(hammer(), H::Raised) << "button still held";
    runtime.release(window::kBoard, at);
}

TEST_F(HammerPointer, WithPlayStoppedTheLoweredHammerWaitsForARelease) {
    stopUncovered();
    showComputer("middle");
    runtime.clickAt(window::kBoard, "middle");
    advance(5'000);
    EXPECT_EQ(hammer(), H::Lowered);
    runtime.clickAt(window::kBoard, "Image1");
    EXPECT_EQ(hammer(), H::Raised);
}

TEST_F(HammerPointer, ButtonsTurnBoldUnderThePointer) {
    const auto bold = [this] {
        return std::pair{button("Command3").bold(), button("Command2").bold()};
    };
    EXPECT_EQ(bold(), std::pair(false, false));
    runtime.moveOverButton(window::kBoard, "Command3");
    EXPECT_EQ(bold(), std::pair(true, false));
    // Moves over the board's pictures leave the emphasis as it is.
    for (const char* name : {"Image10", "Image5", "mug", "Image11", "score"}) {
        runtime.move(window::kBoard, board().control(name).bounds().centre());
        EXPECT_EQ(bold(), std::pair(true, false)) << name;
    }
    runtime.moveOverButton(window::kBoard, "Command2");
    EXPECT_EQ(bold(), std::pair(false, true));
    runtime.move(window::kBoard, {60, 2000});  // bare background
    EXPECT_EQ(bold(), std::pair(false, false));
}

}  // namespace
}  // namespace klonkatron::testing
