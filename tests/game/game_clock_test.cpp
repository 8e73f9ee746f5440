// The seconds of play, the day and time, and the Exit button's messages.
#include "designs/window_names.h"
#include "tests/game/board.h"

namespace klonkatron::testing {
namespace {

using forms::MsgButtons;
using forms::MsgIcon;
using forms::MsgResult;

class GameClock : public Board {
protected:
    void expectScore(const std::string& text) {
        runtime.backend().expectMessageBox(
            {text, "Your Score...", MsgButtons::Ok, MsgIcon::Information}, MsgResult::Ok);
    }
    void expectGoodbye(MsgResult answer = MsgResult::Yes) {
        runtime.backend().expectMessageBox(
            {"Have a nice day!", "Klonkatron Game", MsgButtons::YesNo, MsgIcon::None}, answer);
    }
    void exitAndExpectTheEnd() {
        clickButton("Command1");
        EXPECT_EQ(runtime.backend().pendingExpectations(), 0U);
        EXPECT_TRUE(runtime.backend().programHasEnded());
    }
};

TEST_F(GameClock, ExitBeforeTheFirstStartOnlySaysGoodbye) {
    expectGoodbye();
    exitAndExpectTheEnd();
    EXPECT_EQ(runtime.backend().shownMessageBoxes().size(), 1U);
}

TEST_F(GameClock, TheScoreMessageNeedsBothCountersAboveOne) {
    struct Case {
        const char* seconds;
        const char* score;
        const char* message;  // nullptr: only the goodbye
    };
    const Case cases[] = {
        {"1", "500", nullptr},
        {"300", "0", nullptr},
        {"2", "1", nullptr},
        {"2", "100", "Your total score was: 100 - 2= 98!"},
        {"130", "900", "Your total score was: 900 - 130= 770!"},
        {"345", "100", "Your total score was: 100 - 345= -245!"},
    };
    for (const Case& c : cases) {
        HeadlessProgram freshProgram;
        forms::headless::TestDriver& fresh = freshProgram.driver();
        fresh.app().show(window::kBoard);
        fresh.form(window::kBoard).get<forms::Label>("timescore").setCaption(c.seconds);
        fresh.form(window::kBoard).get<forms::Label>("score").setCaption(c.score);
        if (c.message != nullptr) {
            fresh.backend().expectMessageBox(
                {c.message, "Your Score...", MsgButtons::Ok, MsgIcon::Information}, MsgResult::Ok);
        }
        fresh.backend().expectMessageBox(
            {"Have a nice day!", "Klonkatron Game", MsgButtons::YesNo, MsgIcon::None},
            MsgResult::No);
        fresh.clickButton(window::kBoard, "Command1");
        EXPECT_EQ(fresh.backend().pendingExpectations(), 0U) << c.seconds << " " << c.score;
        EXPECT_TRUE(fresh.backend().programHasEnded()) << c.seconds << " " << c.score;
    }
}

TEST_F(GameClock, TheScoreTextReadsTheCaptionsAsTheyStand) {
    label("score").setCaption("0900");
    label("timescore").setCaption("130");
    expectScore("Your total score was: 0900 - 130= 770!");
    expectGoodbye(MsgResult::No);
    exitAndExpectTheEnd();
}

TEST_F(GameClock, ExitStopsNothingBeforeItsMessages) {
    clickButton("Command3");
    advance(4'000);
    ASSERT_EQ(label("timescore").caption(), "4");
    runtime.backend().expectMessageBox(
        {"Have a nice day!", "Klonkatron Game", MsgButtons::YesNo, MsgIcon::None}, MsgResult::Yes,
        [&] {
            advance(2'000);
            EXPECT_EQ(label("timescore").caption(), "6");
        });
    exitAndExpectTheEnd();
}

TEST_F(GameClock, SecondsOfPlayCountOnlyWhilePlayRuns) {
    advance(5'000);
    EXPECT_EQ(label("timescore").caption(), "0");
    clickButton("Command3");
    advance(5'500);
    EXPECT_EQ(label("timescore").caption(), "5");
    clickButton("Command3");  // paused
    advance(60'000);
    EXPECT_EQ(label("timescore").caption(), "5");
    clickButton("Command3");  // resumed: the count starts afresh
    advance(999);
    EXPECT_EQ(label("timescore").caption(), "5");
    advance(1);
    EXPECT_EQ(label("timescore").caption(), "6");
    clickButton("Command2");
    advance(10'000);
    EXPECT_EQ(label("timescore").caption(), "6");
}

TEST_F(GameClock, TheDayAndTimeChangeOnceAMinuteInEveryState) {
    // The runtime starts on Monday 7 December 2026, 09:05:00.
    EXPECT_EQ(label("time").caption(), "Loading Graphics and stuff...");
    advance(1'000);
    EXPECT_EQ(label("time").caption(), "Monday, 09:05");
    const int repaints = runtime.backend().window(window::kBoard).repaints;
    advance(58'000);
    EXPECT_EQ(label("time").caption(), "Monday, 09:05");
    EXPECT_EQ(runtime.backend().window(window::kBoard).repaints, repaints)
        << "the same text repaints nothing";
    advance(1'000);
    EXPECT_EQ(label("time").caption(), "Monday, 09:06");
    clickButton("Command3");
    advance(std::int64_t{15} * 3'600'000);
    EXPECT_EQ(label("time").caption(), "Tuesday, 00:06");
    clickButton("Command3");  // paused
    advance(60'000);
    EXPECT_EQ(label("time").caption(), "Tuesday, 00:07");
    clickButton("Command3");
    clickButton("Command2");  // stopped by the About window
    advance(60'000);
    EXPECT_EQ(label("time").caption(), "Tuesday, 00:08");
}

TEST_F(GameClock, TheDayAndTimeFollowTheSystemsLanguage) {
    forms::Locale swedish;
    swedish.dayNames = {"söndag", "måndag", "tisdag", "onsdag", "torsdag", "fredag", "lördag"};
    swedish.timeSeparator = ".";
    runtime.backend().setLocale(swedish);
    advance(1'000);
    EXPECT_EQ(label("time").caption(), "måndag, 09.05");
}

}  // namespace
}  // namespace klonkatron::testing
