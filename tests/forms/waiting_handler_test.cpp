// Handlers that wait for a message box that stays open: the program goes on
// under the box, and the handler goes on where it stopped once the box is
// answered, or never, when its window or the program is gone first.
#include "tests/forms/forms_fixture.h"

namespace coretest {
namespace {

// Notes when the frame of a waiting handler is destroyed.
class FrameGuard {
public:
    explicit FrameGuard(Log& log) : log_(log) {}
    ~FrameGuard() { log_.push_back("frame gone"); }
    FrameGuard(const FrameGuard&) = delete;
    FrameGuard& operator=(const FrameGuard&) = delete;

private:
    Log& log_;
};

class WaitingHandlerTest : public FormsTest {
protected:
    // "W": a label "L", a button "Go" running `onGo`, timers "T" (1000 ms)
    // running `onTick` and "U" (1000 ms, off) running `onOther`; "Other"
    // keeps the program alive.
    void SetUp() override {
        addForm(window("W", {LabelDesign{.name = "L", .caption = "abc"}, button("Go"),
                             TimerDesign{.name = "T", .interval = 1000},
                             TimerDesign{.name = "U", .interval = 1000, .enabled = false}}),
                [this](Form& form) {
                    form.control("Go").onClick = [this] { return onGo(); };
                    form.get<Timer>("T").onTimer = [this] {
                        noteAt("T");
                        return onTick();
                    };
                    form.get<Timer>("U").onTimer = [this] { return onOther(); };
                });
        addForm(window("Other"));
        app().show("W");
        app().show("Other");
    }
    Label& label() { return rt().form("W").get<Label>("L"); }
    // A box that stays open until the test answers it.
    void boxStaysOpen(const std::string& text, MsgButtons buttons = MsgButtons::Ok) {
        backend().expectOpenMessageBox({text, "Klonkatron Game", buttons});
    }

    Handler onGo = [] {};
    Handler onTick = [] {};
    Handler onOther = [] {};
};

TEST_F(WaitingHandlerTest, TwoBoxesInARowWhileTimersTickBetween) {
    MsgResult first{};
    MsgResult second{};
    onGo = [this, &first, &second]() -> Task {
        first = co_await app().msgBox("one", MsgButtons::YesNo);
        noteAt("between");
        second = co_await app().msgBox("two", MsgButtons::OkCancel);
        noteAt("after");
    };
    boxStaysOpen("one", MsgButtons::YesNo);
    boxStaysOpen("two", MsgButtons::OkCancel);
    rt().clickButton("W", "Go");
    EXPECT_TRUE(log_.empty());  // the click returned with the box open
    EXPECT_TRUE(app().handlerWaits());
    rt().advance(2000);
    backend().answerOpenBox(MsgResult::Yes);
    rt().advance(1000);
    backend().answerOpenBox(MsgResult::Cancel);
    EXPECT_EQ(log_, (Log{"T@1000", "T@2000", "between@2000", "T@3000", "after@3000"}));
    EXPECT_EQ(first, MsgResult::Yes);
    EXPECT_EQ(second, MsgResult::Cancel);
    EXPECT_FALSE(app().handlerWaits());
}

TEST_F(WaitingHandlerTest, ATimersOwnTicksAreSkippedWhileItsHandlerWaits) {
    onTick = [this]() -> Task {
        if (now() == 1000) co_await app().msgBox("busy");
    };
    boxStaysOpen("busy");
    rt().advance(3500);
    EXPECT_EQ(log_, (Log{"T@1000"}));
    backend().answerOpenBox(MsgResult::Ok);
    rt().advance(500);
    EXPECT_EQ(log_, (Log{"T@1000", "T@4000"}));  // on its grid again
}

TEST_F(WaitingHandlerTest, ATickSkippedUnderItsOwnBoxNeverRestsTheTimer) {
    app().setQuietTicks(true);
    onTick = [this]() -> Task {
        if (now() == 1000) co_await app().msgBox("busy");
    };
    boxStaysOpen("busy");
    rt().advance(2000);
    backend().answerOpenBox(MsgResult::Ok);
    rt().advance(1000);
    EXPECT_EQ(log_, (Log{"T@1000", "T@3000"}));
}

TEST_F(WaitingHandlerTest, ARunTimeErrorAfterTheBoxEndsOnlyThatHandler) {
    onGo = [this]() -> Task {
        co_await app().msgBox("wait");
        note("resumed");
        label().setNumber(1e300);  // overflow
        note("never");
    };
    boxStaysOpen("wait");
    rt().clickButton("W", "Go");
    backend().answerOpenBox(MsgResult::Ok);
    EXPECT_EQ(errorLines_, (Log{"Run-time error 6 (Overflow) in W.Go_Click"}));
    rt().advance(1000);
    EXPECT_EQ(log_, (Log{"resumed", "T@1000"}));
    EXPECT_FALSE(app().ended());
}

TEST_F(WaitingHandlerTest, AnErrorInAnAwaitedTaskReachesTheHandlerThatAwaitsIt) {
    const auto inner = [this]() -> Task {
        co_await app().msgBox("wait");
        throw RuntimeError(RuntimeError::TypeMismatch);
    };
    onGo = [this, inner]() -> Task {
        try {
            co_await inner();
        } catch (const RuntimeError& error) {
            note("caught " + std::to_string(error.number()));
        }
        note("goes on");
    };
    boxStaysOpen("wait");
    rt().clickButton("W", "Go");
    backend().answerOpenBox(MsgResult::Ok);
    EXPECT_EQ(log_, (Log{"caught 13", "goes on"}));
    EXPECT_TRUE(errorLines_.empty());
}

TEST_F(WaitingHandlerTest, EndAfterTheBoxEndsTheHandlerAndTheProgram) {
    onGo = [this]() -> Task {
        co_await app().msgBox("bye");
        app().end();
        note("never");
    };
    boxStaysOpen("bye");
    rt().clickButton("W", "Go");
    EXPECT_FALSE(app().ended());
    backend().answerOpenBox(MsgResult::Ok);
    EXPECT_TRUE(app().ended());
    EXPECT_TRUE(backend().programHasEnded());
    EXPECT_FALSE(backend().window("W").open);
    EXPECT_TRUE(log_.empty());
}

TEST_F(WaitingHandlerTest, AProgramEndedWhileABoxIsOpenDestroysTheWaitingHandler) {
    onGo = [this]() -> Task {
        const FrameGuard guard(log_);
        co_await app().msgBox("wait");
        note("never");
    };
    onTick = [this] { app().end(); };
    boxStaysOpen("wait");
    rt().clickButton("W", "Go");
    const int box = backend().openBoxes().front();
    rt().advance(1000);
    EXPECT_EQ(log_, (Log{"T@1000", "frame gone"}));
    EXPECT_TRUE(backend().programHasEnded());
    EXPECT_TRUE(backend().openBoxes().empty());  // the box went with the program
    EXPECT_FALSE(app().handlerWaits());
    app().messageBoxAnswered(box, MsgResult::Ok);  // a late answer goes nowhere
    EXPECT_EQ(log_, (Log{"T@1000", "frame gone"}));
}

TEST_F(WaitingHandlerTest, AWindowUnloadedWhileItsHandlerWaitsTakesTheHandlerWithIt) {
    onGo = [this]() -> Task {
        const FrameGuard guard(log_);
        co_await app().msgBox("wait");
        note("never");
    };
    boxStaysOpen("wait");
    rt().clickButton("W", "Go");
    // Unloaded under the box, as another window's handler would.
    app().unload(rt().form("W"));
    EXPECT_EQ(log_, (Log{"frame gone"}));
    EXPECT_FALSE(app().isLoaded("W"));
    EXPECT_FALSE(app().handlerWaits());
    backend().answerOpenBox(MsgResult::Ok);  // goes nowhere
    EXPECT_EQ(log_, (Log{"frame gone"}));
    EXPECT_FALSE(app().ended());
}

TEST_F(WaitingHandlerTest, AHandlerResumedAfterItsBoxMayUnloadItsOwnWindow) {
    onGo = [this]() -> Task {
        Form& own = rt().form("W");
        co_await app().msgBox("close?");
        app().unload(own);
        // The window object lives until the handler returns.
        note(own.name() + (own.isLoaded() ? " loaded" : " unloaded"));
    };
    boxStaysOpen("close?");
    rt().clickButton("W", "Go");
    backend().answerOpenBox(MsgResult::Ok);
    EXPECT_EQ(log_, (Log{"W unloaded"}));
    EXPECT_FALSE(app().isLoaded("W"));
    EXPECT_FALSE(backend().window("W").open);
}

TEST_F(WaitingHandlerTest, BoxesOfTwoHandlersAreAnsweredEachToItsOwn) {
    onGo = [this]() -> Task {
        note("Go " + std::to_string(static_cast<int>(co_await app().msgBox("go"))));
    };
    onOther = [this]() -> Task {
        note("U " +
             std::to_string(static_cast<int>(co_await app().msgBox("other", MsgButtons::YesNo))));
    };
    boxStaysOpen("go");
    boxStaysOpen("other", MsgButtons::YesNo);
    rt().clickButton("W", "Go");
    rt().form("W").get<Timer>("U").setEnabled(true);
    rt().advance(1000);
    ASSERT_EQ(backend().openBoxes().size(), 2U);
    const std::vector<int> boxes = backend().openBoxes();
    app().messageBoxAnswered(boxes[1], MsgResult::No);
    app().messageBoxAnswered(boxes[0], MsgResult::Ok);
    EXPECT_EQ(log_, (Log{"T@1000", "U 7", "Go 1"}));
}

}  // namespace
}  // namespace coretest
