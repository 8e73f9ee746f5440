// The board closed by the system (the window manager's close) ends the
// program quietly, whatever side windows are open, rather than leave them
// reaching a board that is gone.
#include "designs/window_names.h"
#include "tests/side_windows/program.h"

namespace klonkatron::testing {
namespace {

class BoardClosed : public Program {
protected:
    BoardClosed() {
        openBoard();
        runtime.clickButton(window::kBoard, "Command3");
        runtime.clickButton(window::kBoard, "Command2");
        runtime.clickAt(window::kAbout, "Image1");
    }
};

TEST_F(BoardClosed, EndsTheProgramWithItsSideWindows) {
    ASSERT_TRUE(isLoaded(window::kAbout));
    ASSERT_TRUE(isLoaded(window::kPicture));
    app().closeRequested(form(window::kBoard));
    EXPECT_TRUE(app().ended());
    EXPECT_TRUE(runtime.backend().programHasEnded());
    for (const char* name : {window::kBoard, window::kAbout, window::kPicture})
        EXPECT_FALSE(isLoaded(name)) << name;
    EXPECT_TRUE(runtime.backend().shownMessageBoxes().empty());
    EXPECT_EQ(app().errorCount(), 0);
    runtime.advance(5'000);  // no timer of any window runs on
    EXPECT_FALSE(isLoaded(window::kBoard));
}

TEST_F(BoardClosed, WhileAMessageIsOpenTheHandlerStopsThere) {
    runtime.backend().expectMessageBox(
        {"System Information Is Unavailable At This Time", "Klonkatron Game"}, forms::MsgResult::Ok,
        [this] { app().closeRequested(form(window::kBoard)); });
    runtime.clickButton(window::kAbout, "cmdSysInfo");
    EXPECT_TRUE(app().ended());
    EXPECT_FALSE(isLoaded(window::kAbout));
    EXPECT_EQ(app().errorCount(), 0);
}

TEST_F(BoardClosed, OtherWindowsClosedByTheSystemEndNothing) {
    runtime.clickButton(window::kBoard, "Command3");
    for (int i = 0; i < 5; ++i) runtime.clickAt(window::kBoard, "mug");
    runtime.advance(1'000);  // the face's counter opens the text window
    ASSERT_TRUE(isLoaded(window::kText));
    // Without a close box, the text and picture windows stay.
    app().closeRequested(form(window::kPicture));
    app().closeRequested(form(window::kText));
    EXPECT_TRUE(isLoaded(window::kPicture));
    EXPECT_TRUE(isLoaded(window::kText));
    app().closeRequested(form(window::kAbout));
    EXPECT_FALSE(isLoaded(window::kAbout));
    EXPECT_FALSE(app().ended());
    EXPECT_TRUE(isLoaded(window::kBoard));
}

}  // namespace
}  // namespace klonkatron::testing
