// Running handlers: a run-time error ends only its handler, end() ends the
// program at once, and message boxes block the handler that opened them.

#include "forms_fixture.h"

namespace coretest {
namespace {

class DispatchTest : public FormsTest {
protected:
    // "W": a label "L", a button "Go" and a timer "T" (1000 ms) whose
    // handlers run `onGo` and `onTick`; "Other" is a second window.
    void SetUp() override {
        addForm(window("W", {LabelDesign{.name = "L", .caption = "abc"}, button("Go"),
                             TimerDesign{"T", 1000}}),
                [this](Form& form) {
                    form.control("Go").onClick = [this] { return onGo(); };
                    form.get<Timer>("T").onTimer = [this] {
                        noteAt("T");
                        return onTick();
                    };
                });
        addForm(window("Other"));
        app().show("W");
        app().show("Other");
    }
    Label& label() { return rt().form("W").get<Label>("L"); }
    Handler onGo = [] {};
    Handler onTick = [] {};
};

TEST_F(DispatchTest, ARunTimeErrorEndsOnlyItsHandler) {
    onGo = [this] {
        note("before");
        label().setNumber(label().number() + 100);  // "abc": type mismatch
        note("after");
    };
    rt().clickButton("W", "Go");
    EXPECT_EQ(log_, (Log{"before"}));
    EXPECT_EQ(label().caption(), "abc");
    ASSERT_TRUE(app().lastError().has_value());
    EXPECT_EQ(app().lastError()->number(), RuntimeError::TypeMismatch);
    EXPECT_EQ(app().errorCount(), 1);

    rt().clickButton("W", "Go");  // the program goes on, and so do the timers
    rt().advance(1000);
    EXPECT_EQ(log_, (Log{"before", "before", "T@1000"}));
    EXPECT_EQ(app().errorCount(), 2);
    EXPECT_FALSE(backend().programHasEnded());
}

TEST_F(DispatchTest, AnErrorInATimerUnderAMessageBoxLeavesTheBoxOwnerRunning) {
    onTick = [this] { label().setNumber(1e300); };  // overflow
    onGo = [this]() -> Task {
        co_await app().msgBox("wait");
        note("after box");
    };
    backend().expectMessageBox({"wait", "Klonkatron Game"}, MsgResult::Ok,
                               [this] { rt().advance(2000); });
    rt().clickButton("W", "Go");
    EXPECT_EQ(log_, (Log{"T@1000", "T@2000", "after box"}));
    EXPECT_EQ(app().errorCount(), 2);
    EXPECT_EQ(app().lastError()->number(), RuntimeError::Overflow);
}

TEST_F(DispatchTest, EndStopsTheCallerAndNoFurtherHandlerRuns) {
    onGo = [this] {
        note("before");
        app().end();
        note("after");
    };
    rt().clickButton("W", "Go");
    EXPECT_EQ(log_, (Log{"before"}));
    EXPECT_TRUE(app().ended());
    EXPECT_TRUE(backend().programHasEnded());
    EXPECT_FALSE(app().isLoaded("W"));
    EXPECT_FALSE(app().isLoaded("Other"));
    EXPECT_FALSE(backend().window("W").open);
    rt().advance(5000);
    EXPECT_EQ(log_, (Log{"before"}));
}

TEST_F(DispatchTest, EndUnderAMessageBoxAlsoStopsTheHandlerThatOpenedIt) {
    onTick = [this] { app().end(); };
    onGo = [this]() -> Task {
        co_await app().msgBox("wait");
        note("after box");
    };
    backend().expectMessageBox({"wait", "Klonkatron Game"}, MsgResult::Ok,
                               [this] { rt().advance(3000); });
    rt().clickButton("W", "Go");
    EXPECT_EQ(log_, (Log{"T@1000"}));
    EXPECT_TRUE(backend().programHasEnded());
}

TEST_F(DispatchTest, AMessageBoxWithoutATitleCarriesTheProgramsTitle) {
    MsgResult answer{};
    onGo = [this, &answer]() -> Task {
        co_await app().msgBox("plain");
        answer = co_await app().msgBox("sure?", MsgButtons::YesNo, MsgIcon::Information, "Asking");
    };
    backend().expectMessageBox({"plain", "Klonkatron Game"}, MsgResult::Ok);
    backend().expectMessageBox({"sure?", "Asking", MsgButtons::YesNo, MsgIcon::Information},
                               MsgResult::No);
    rt().clickButton("W", "Go");
    EXPECT_EQ(answer, MsgResult::No);
    EXPECT_EQ(backend().pendingExpectations(), 0U);
    EXPECT_EQ(backend().shownMessageBoxes().size(), 2U);
}

}  // namespace
}  // namespace coretest
