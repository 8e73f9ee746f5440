// The About window: what its OK sets going again from each state of the
// board, its keys and close box, and the picture window it opens.
#include "designs/form1_design.h"
#include "designs/frm_about_design.h"
#include "designs/window_names.h"
#include "side_windows/frm_about.h"
#include "tests/side_windows/program.h"

namespace klonkatron::testing {
namespace {

class About : public Program {
protected:
    About() { openBoard(); }
    void start() { runtime.clickButton(window::kBoard, "Command3"); }
    void openAbout() { runtime.clickButton(window::kBoard, "Command2"); }
    void ok() { runtime.clickButton(window::kAbout, "cmdOK"); }
    forms::Label& pauz() { return control<forms::Label>(window::kBoard, "pauz"); }
};

TEST_F(About, OkFromRunningStartsThePopUpTimersButNotTheClock) {
    start();
    openAbout();
    EXPECT_EQ(playTimers(), kAllOff);
    ok();
    EXPECT_FALSE(isLoaded(window::kAbout));
    EXPECT_EQ(playTimers(), kPopUpOnly);
    EXPECT_FALSE(pauz().visible());
    runtime.advance(5'000);
    EXPECT_EQ(control<forms::Label>(window::kBoard, "timescore").caption(), "0");
    // The banner still decides: the next click pauses, the one after resumes.
    start();
    EXPECT_EQ(playTimers(), kAllOff);
    start();
    EXPECT_EQ(playTimers(), kAllOn);
}

TEST_F(About, OkFromWelcomeAndPausedSetsTheBoardGoingBehindTheBanner) {
    for (const bool paused : {false, true}) {
        if (paused) {
            start();
            start();
        }
        const std::string banner = pauz().caption();
        const std::string caption =
            control<forms::CommandButton>(window::kBoard, "Command3").caption();
        openAbout();
        ok();
        EXPECT_EQ(playTimers(), kPopUpOnly) << paused;
        EXPECT_TRUE(pauz().visible()) << paused;
        EXPECT_EQ(pauz().caption(), banner);
        EXPECT_EQ(control<forms::CommandButton>(window::kBoard, "Command3").caption(), caption);
        EXPECT_EQ(pauz().caption(), paused ? kPausedBanner : kWelcomeBanner);
    }
}

TEST_F(About, TheCloseBoxSwitchesNothingOn) {
    start();
    openAbout();
    app().closeRequested(form(window::kAbout));
    EXPECT_FALSE(isLoaded(window::kAbout));
    EXPECT_EQ(playTimers(), kAllOff);
    EXPECT_FALSE(app().ended());
}

TEST_F(About, EnterAndEscapeActAsOk) {
    for (const forms::KeyEvent& pressed :
         {key(forms::kKeyEnter, '\r'), key(forms::kKeyEscape, 27)}) {
        openAbout();
        // Enter goes to the default button wherever the focus is, short of
        // another button.
        form(window::kAbout).setFocused(&form(window::kAbout).control("Text1"));
        EXPECT_EQ(playTimers(), kAllOff);
        runtime.pressKey(window::kAbout, pressed);
        EXPECT_FALSE(isLoaded(window::kAbout)) << pressed.keyCode;
        EXPECT_EQ(playTimers(), kPopUpOnly) << pressed.keyCode;
    }
}

TEST_F(About, ShowsItsCreditsReadOnlyAndOpensOnlyOnce) {
    openAbout();
    forms::Form& about = form(window::kAbout);
    EXPECT_EQ(about.focused(), &about.control("cmdOK"));
    auto& credits = about.get<forms::TextBox>("Text1");
    EXPECT_TRUE(credits.locked());
    EXPECT_EQ(credits.text(), aboutCredits());
    runtime.typeText(window::kAbout, "x");
    EXPECT_EQ(credits.text(), aboutCredits());

    openAbout();
    EXPECT_EQ(&form(window::kAbout), &about);
    EXPECT_EQ(runtime.backend().windowsShown(), 3);  // splash, board, About
}

TEST_F(About, HasSevenCreditLinesEachEndedByCrLf) {
    std::string credits = aboutCredits();
    std::vector<std::string> lines;
    for (size_t end; (end = credits.find("\r\n")) != std::string::npos;) {
        lines.push_back(credits.substr(0, end));
        credits.erase(0, end + 2);
    }
    EXPECT_EQ(credits, "");
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_EQ(lines[0], "Credits:");
    EXPECT_EQ(lines[1], "Programming, graphics and such:  Sven Klonk");
    EXPECT_EQ(lines[2], " ");
    EXPECT_EQ(lines[3].rfind("Inspirated from: ", 0), 0U);
    EXPECT_EQ(lines[4], " ");
    EXPECT_EQ(lines[5], "E-Mail Me for Comments and bugs...");
    EXPECT_NE(lines[6].find("@example.org"), std::string::npos);
}

TEST_F(About, ThePictureWindowOutlivesTheAboutWindow) {
    start();
    openAbout();
    runtime.clickAt(window::kAbout, "Image1");
    ASSERT_TRUE(isLoaded(window::kPicture));
    runtime.clickAt(window::kAbout, "Image1");  // the same window again
    EXPECT_EQ(runtime.backend().windowsShown(), 4);
    EXPECT_TRUE(isLoaded(window::kAbout));
    EXPECT_EQ(playTimers(), kAllOff);

    ok();
    EXPECT_TRUE(isLoaded(window::kPicture));
    EXPECT_EQ(playTimers(), kPopUpOnly);
    runtime.clickAt(window::kPicture, "Image1");
    EXPECT_FALSE(isLoaded(window::kPicture));
    EXPECT_EQ(playTimers(), kPopUpOnly);
}

TEST_F(About, AClickAnywhereInThePictureWindowClosesIt) {
    openAbout();
    for (const forms::Point at : {forms::Point{0, 0}, forms::Point{3404, 3719},
                                  forms::Point{0, 3719}, forms::Point{3404, 0}}) {
        runtime.clickAt(window::kAbout, "Image1");
        ASSERT_TRUE(isLoaded(window::kPicture));
        runtime.click(window::kPicture, at);
        EXPECT_FALSE(isLoaded(window::kPicture)) << at.x << "," << at.y;
    }
}

}  // namespace
}  // namespace klonkatron::testing
