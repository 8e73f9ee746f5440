// The board closed by the system (the window manager's close) ends the
// program quietly, whatever side windows are open, rather than leave them
// reaching a board that is gone.
#include "tests/side_windows/program.h"

namespace klonkatron::testing {
namespace {

class BoardClosed : public Program {
protected:
    BoardClosed() {
        openBoard();
        runtime.clickButton("Form1", "Command3");
        runtime.clickButton("Form1", "Command2");
        runtime.clickAt("frmAbout", "Image1");
    }
};

TEST_F(BoardClosed, EndsTheProgramWithItsSideWindows) {
    ASSERT_TRUE(isLoaded("frmAbout"));
    ASSERT_TRUE(isLoaded("Form2"));
    app().closeRequested(form("Form1"));
    EXPECT_TRUE(app().ended());
    EXPECT_TRUE(runtime.backend().programHasEnded());
    for (const char* name : {"Form1", "frmAbout", "Form2"}) EXPECT_FALSE(isLoaded(name)) << name;
    EXPECT_TRUE(runtime.backend().shownMessageBoxes().empty());
    EXPECT_EQ(app().errorCount(), 0);
    runtime.advance(5'000);  // no timer of any window runs on
    EXPECT_FALSE(isLoaded("Form1"));
}

TEST_F(BoardClosed, WhileAMessageIsOpenTheHandlerStopsThere) {
    runtime.backend().expectMessageBox(
        {"System Information Is Unavailable At This Time", "Klonkatron Game"}, forms::MsgResult::Ok,
        [this] { app().closeRequested(form("Form1")); });
    runtime.clickButton("frmAbout", "cmdSysInfo");
    EXPECT_TRUE(app().ended());
    EXPECT_FALSE(isLoaded("frmAbout"));
    EXPECT_EQ(app().errorCount(), 0);
}

TEST_F(BoardClosed, OtherWindowsClosedByTheSystemEndNothing) {
    runtime.clickButton("Form1", "Command3");
    for (int i = 0; i < 5; ++i) runtime.clickAt("Form1", "mug");
    runtime.advance(1'000);  // the face's counter opens the text window
    ASSERT_TRUE(isLoaded("frmSplash1"));
    // Without a close box, the text and picture windows stay.
    app().closeRequested(form("Form2"));
    app().closeRequested(form("frmSplash1"));
    EXPECT_TRUE(isLoaded("Form2"));
    EXPECT_TRUE(isLoaded("frmSplash1"));
    app().closeRequested(form("frmAbout"));
    EXPECT_FALSE(isLoaded("frmAbout"));
    EXPECT_FALSE(app().ended());
    EXPECT_TRUE(isLoaded("Form1"));
}

}  // namespace
}  // namespace klonkatron::testing
