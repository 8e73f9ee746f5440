// What every backend relies on the core for: when its alarm must ring, the
// pixels a control and a line cover, the tab order, the tooltips, and
// pointer positions in the window's client pixels.

#include <string>

#include "forms/pixels.h"
#include "forms_fixture.h"

namespace coretest {
namespace {

class AlarmTest : public FormsTest {
protected:
    // "W": timers A (1000 ms) and B (1500 ms), a button "Go" running `onGo`.
    void SetUp() override {
        addForm(window("W", {button("Go"), TimerDesign{"A", 1000}, TimerDesign{"B", 1500}}),
                [this](Form& form) {
                    form.get<Timer>("A").onTimer = [this] {
                        noteAt("A");
                        return onA();
                    };
                    form.get<Timer>("B").onTimer = [this] { noteAt("B"); };
                    form.control("Go").onClick = [this] { return onGo(); };
                });
        app().show("W");
    }
    Timer& timer(const char* name) { return rt().form("W").get<Timer>(name); }
    Handler onA = [] {};
    Handler onGo = [] {};
};

TEST_F(AlarmTest, FollowsTheNextTickAndGoesOffWithTheLastTimerAndTheProgram) {
    EXPECT_EQ(backend().alarm(), 1'000'000);
    timer("A").setEnabled(false);
    EXPECT_EQ(backend().alarm(), 1'500'000);
    timer("B").setEnabled(false);
    EXPECT_EQ(backend().alarm(), std::nullopt);
    timer("B").setEnabled(true);
    app().end();
    EXPECT_EQ(backend().alarm(), std::nullopt);
    rt().advance(5000);
    EXPECT_TRUE(log_.empty());
}

TEST_F(AlarmTest, IsSetOnceAfterABatchHoweverMuchItsHandlersChange) {
    onA = [this] {
        timer("B").setInterval(500);
        timer("B").setEnabled(false);
        timer("B").setEnabled(true);
    };
    const int before = backend().alarmsSet();
    rt().advance(1000);
    EXPECT_EQ(backend().alarmsSet(), before + 1);
    EXPECT_EQ(backend().alarm(), 1'500'000);  // B counts afresh from 1000
}

TEST_F(AlarmTest, StaysSetUnderAMessageBoxOpenedByATick) {
    onA = [this]() -> Task {
        if (now() != 1000) co_return;
        co_await app().msgBox("wait");
        note("answered");
    };
    backend().expectMessageBox({"wait", "Klonkatron Game"}, MsgResult::Ok, [this] {
        EXPECT_EQ(backend().alarm(), 1'500'000);  // the box's owner is still running
        rt().advance(1000);
    });
    rt().advance(1000);
    EXPECT_EQ(log_, (Log{"A@1000", "B@1500", "answered"}));
    EXPECT_EQ(backend().alarm(), 3'000'000);  // A's tick at 2000 was skipped under its own box
}

TEST_F(AlarmTest, TheHeadlessEventLoopRunsUntilTheProgramEnds) {
    onA = [this] {
        if (now() == 3000) app().end();
    };
    EXPECT_EQ(app().run(), 0);
    EXPECT_EQ(log_, (Log{"A@1000", "B@1500", "A@2000", "A@3000"}));
}

TEST(PixelsTest, ARectangleCoversEveryPixelItTouches) {
    EXPECT_EQ(pixelRect({0, 0, 150, 75}), (PixelRect{0, 0, 10, 5}));
    EXPECT_EQ(pixelRect({245, 1400, 490, 245}), (PixelRect{16, 93, 33, 17}));
    EXPECT_EQ(pixelRect({-20, 14, 10, 1}), (PixelRect{-2, 0, 2, 1}));
    EXPECT_EQ(pixelRect({30, 30, 0, 0}), (PixelRect{2, 2, 0, 0}));
    EXPECT_EQ(twipsAt(16.5, 0.0), (Point{247, 0}));
    EXPECT_EQ(twipsAt(-0.01, 1.0), (Point{-1, 15}));
    EXPECT_EQ(twipsAt(16.4, 16.4 / 3), (Point{246, 82}));  // products just short in binary
}

class LinesTest : public FormsTest {
protected:
    void SetUp() override {
        addForm(window(
            "L",
            {LineDesign{.name = "h", .x1 = 600, .y1 = 150, .x2 = 150, .y2 = 160, .borderWidth = 2},
             LineDesign{.name = "u", .x1 = 45, .y1 = 300, .x2 = 59, .y2 = 0},
             LineDesign{.name = "v", .x1 = 45, .y1 = 0, .x2 = 44, .y2 = 300},
             LineDesign{.name = "d", .x1 = 0, .y1 = 0, .x2 = 150, .y2 = 300, .borderWidth = 3}}));
        app().show("L");
    }
    LinePixels pixelsOf(const char* name) { return linePixels(rt().form("L").get<Line>(name)); }
};

TEST_F(LinesTest, LevelAndUprightLinesFillBothEndsAndOthersAreDrawn) {
    // Either direction, both end pixels, as thick as the border.
    EXPECT_EQ(pixelsOf("h"), (LinePixels{true, {10, 10, 31, 2}, {40, 10}, {10, 10}, 2}));
    EXPECT_EQ(pixelsOf("u"), (LinePixels{true, {3, 0, 1, 21}, {3, 20}, {3, 0}, 1}));
    // Ends a twip apart across a pixel's edge make a slanted line.
    EXPECT_EQ(pixelsOf("v"), (LinePixels{false, {}, {3, 0}, {2, 20}, 1}));
    EXPECT_EQ(pixelsOf("d"), (LinePixels{false, {}, {0, 0}, {10, 20}, 3}));
}

class TabAndTipsTest : public FormsTest {
protected:
    void SetUp() override {
        LabelDesign tipped = label("tipped", 0, 0, 600, 600);
        tipped.toolTip = "behind";
        LabelDesign plain = label("plain", 300, 300, 600, 600);  // in front, without a tip
        ImageDesign picture = image("picture", 1500, 0, 300, 300);
        picture.toolTip = "a picture";
        addForm(window("T", {plain, tipped, picture, button("Second", "2", 2),
                             button("Hidden", "x", 0), TextBoxDesign{.name = "Text", .tabIndex = 1},
                             button("AlsoSecond", "2b", 2)}),
                [](Form& form) {
                    form.onLoad = [&form] { form.control("Hidden").setVisible(false); };
                });
        app().show("T");
    }
    Form& form() { return rt().form("T"); }
};

TEST_F(TabAndTipsTest, TabOrderGoesByIndexThenDesignAndTheFirstVisibleTakesTheFocus) {
    std::vector<std::string> order;
    for (const Control* control : form().tabOrder()) order.push_back(control->name());
    EXPECT_EQ(order, (std::vector<std::string>{"Hidden", "Text", "Second", "AlsoSecond"}));
    EXPECT_EQ(form().firstInTabOrder()->name(), "Text");
    EXPECT_EQ(form().focused()->name(), "Text");
}

TEST_F(TabAndTipsTest, TheControlInFrontDecidesTheTooltip) {
    EXPECT_EQ(form().toolTipAt(twipsAt(5, 5)), "behind");
    EXPECT_EQ(form().toolTipAt(twipsAt(30, 30)), "");  // the plain label covers it there
    EXPECT_EQ(form().toolTipAt(twipsAt(119.9, 19.9)), "a picture");
    EXPECT_EQ(form().toolTipAt(twipsAt(120, 5)), "");
    EXPECT_EQ(form().toolTipAt(twipsAt(-1, 5)), "");
}

TEST_F(TabAndTipsTest, APointerOverAButtonComesInWindowPixelsAndReachesItRelative) {
    MouseEvent seen{};
    form().control("Second").onMouseMove = [&seen](const MouseEvent& e) { seen = e; };
    // The button's left top is at 2400, 1500 twips: 160, 100 pixels.
    app().widgetMouseMove(form().control("Second"), 161.5, 102, LeftButton, ShiftKey);
    EXPECT_EQ(seen.x, 22);
    EXPECT_EQ(seen.y, 30);
    EXPECT_EQ(seen.button, LeftButton);
    EXPECT_EQ(seen.shift, ShiftKey);
}

}  // namespace
}  // namespace coretest
