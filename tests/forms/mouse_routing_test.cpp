// Mouse input: which control a point belongs to, capture from press to
// release, and when a press and a release make a click.

#include "forms_fixture.h"

namespace coretest {
namespace {

// Window "M" (3000 x 2000 twips), front to back:
//   front  label  300..900 x 300..900
//   back   image  600..1200 x 600..1200 (its top-left quarter lies behind front)
//   ln     line   x 1800, y 150..1200, in front of
//   under  image  1650..2100 x 150..1200
//   hidden image  2250..2700 x 150..600, invisible, in front of
//   below  label  the same rectangle
//   odd    label  245..735 x 1400..1645, off the pixel grid
class MouseRoutingTest : public FormsTest {
protected:
    void SetUp() override {
        ImageDesign hidden = image("hidden", 2250, 150, 450, 450);
        hidden.visible = false;
        addForm(
            window("M", {label("front", 300, 300, 600, 600), image("back", 600, 600, 600, 600),
                         LineDesign{.name = "ln", .x1 = 1800, .y1 = 150, .x2 = 1800, .y2 = 1200},
                         image("under", 1650, 150, 450, 1050), hidden,
                         label("below", 2250, 150, 450, 450), label("odd", 245, 1400, 490, 245)}),
            [this](Form& form) {
                for (const auto& c : form.controls()) {
                    bindMouse(c->name(), c->onMouseDown, c->onMouseUp, c->onMouseMove, c->onClick);
                }
                bindMouse("form", form.onMouseDown, form.onMouseUp, form.onMouseMove, form.onClick);
            });
        app().show("M");
    }
    void bindMouse(const std::string& name, MouseHandler& down, MouseHandler& up,
                   MouseHandler& move, Handler& click) {
        auto noting = [this, name](const char* what) {
            return [this, name, what](const MouseEvent& e) {
                note(name + what);
                last = e;
            };
        };
        down = noting(".Down");
        up = noting(".Up");
        move = noting(".Move");
        click = [this, name] { note(name + ".Click"); };
    }
    Form& form() { return rt().form("M"); }
    MouseEvent last;
};

TEST_F(MouseRoutingTest, TheFrontMostControlTakesThePointAndClicksFollowDownAndUp) {
    rt().click("M", {750, 750});  // where front and back overlap
    rt().click("M", {1050, 1050});
    EXPECT_EQ(log_,
              (Log{"front.Down", "front.Up", "front.Click", "back.Down", "back.Up", "back.Click"}));
}

TEST_F(MouseRoutingTest, AControlTakesItsWholeRectangleAndNothingBeyond) {
    EXPECT_EQ(form().controlAt({300, 300})->name(), "front");
    EXPECT_EQ(form().controlAt({899, 450})->name(), "front");
    EXPECT_EQ(form().controlAt({900, 450}), nullptr);
    EXPECT_EQ(form().controlAt({299, 300}), nullptr);
    EXPECT_EQ(form().controlAt({1199, 1199})->name(), "back");
    EXPECT_EQ(form().controlAt({1200, 1199}), nullptr);
}

TEST_F(MouseRoutingTest, SyntheticPointsLandOnTheirExactTwip) {
    rt().click("M", {245, 1400});
    rt().click("M", {734, 1644});
    rt().click("M", {735, 1644});
    EXPECT_EQ(log_, (Log{"odd.Down", "odd.Up", "odd.Click", "odd.Down", "odd.Up", "odd.Click",
                         "form.Down", "form.Up", "form.Click"}));
}

TEST_F(MouseRoutingTest, AnInvisibleControlGetsNothingAndTheOneBehindDoes) {
    rt().click("M", {2400, 300});
    form().control("front").setVisible(false);
    rt().click("M", {750, 750});
    EXPECT_EQ(log_,
              (Log{"below.Down", "below.Up", "below.Click", "back.Down", "back.Up", "back.Click"}));
    log_.clear();
    form().control("hidden").setVisible(true);
    rt().press("M", {2400, 300});
    EXPECT_EQ(log_, (Log{"hidden.Down"}));
}

TEST_F(MouseRoutingTest, LinesTakeNoMouseEvents) {
    rt().click("M", {1800, 600});
    EXPECT_EQ(log_, (Log{"under.Down", "under.Up", "under.Click"}));
}

TEST_F(MouseRoutingTest, PointsOutsideTheClientAreaReachNobody) {
    for (Point p : {Point{3000, 100}, Point{100, 2000}, Point{-15, 100}, Point{100, -15}}) {
        rt().click("M", p);
        rt().move("M", p);
    }
    EXPECT_TRUE(log_.empty());
}

TEST_F(MouseRoutingTest, ThePressedControlKeepsTheMouseUntilRelease) {
    rt().press("M", {450, 450});
    rt().move("M", {1050, 1050}, LeftButton);  // over back
    rt().release("M", {1050, 1050});
    rt().press("M", {450, 450});
    rt().release("M", {6000, 6000});  // outside the window
    EXPECT_EQ(log_, (Log{"front.Down", "front.Move", "front.Up", "front.Down", "front.Up"}));
}

TEST_F(MouseRoutingTest, NoClickWhenThePressedControlHidesBeforeTheRelease) {
    form().control("front").onMouseDown = [this](const MouseEvent&) {
        note("front.Down");
        form().control("front").setVisible(false);
    };
    rt().click("M", {450, 450});
    EXPECT_EQ(log_, (Log{"front.Down", "front.Up"}));
}

TEST_F(MouseRoutingTest, OnlyTheLeftButtonClicks) {
    rt().click("M", {450, 450}, RightButton);
    EXPECT_EQ(log_, (Log{"front.Down", "front.Up"}));
    EXPECT_EQ(last.button, RightButton);
    log_.clear();
    // A right press and release while the left is held: one click at the end.
    rt().press("M", {450, 450}, LeftButton);
    rt().press("M", {450, 450}, RightButton);
    rt().release("M", {450, 450}, RightButton);
    rt().release("M", {450, 450}, LeftButton);
    EXPECT_EQ(log_, (Log{"front.Down", "front.Down", "front.Up", "front.Up", "front.Click"}));
}

TEST_F(MouseRoutingTest, BareBackgroundBelongsToTheWindow) {
    rt().move("M", {150, 1800});
    rt().click("M", {150, 1800});
    EXPECT_EQ(log_, (Log{"form.Move", "form.Down", "form.Up", "form.Click"}));
    log_.clear();
    rt().press("M", {150, 1800});  // the window captures like a control does
    rt().release("M", {450, 450});
    EXPECT_EQ(log_, (Log{"form.Down", "form.Up"}));
}

}  // namespace
}  // namespace coretest
